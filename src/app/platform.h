// Everything the program needs of the world outside its window model. The
// real implementation lives in the front end; tests use a scripted fake.
#pragma once

#include "app/outcome.h"

#include <optional>
#include <string>

namespace kulbo {

class TextBox;

// Message-box style flags and answers, as the platform numbers them.
namespace box {
// Buttons, icon and default button: three fields of the flags.
inline constexpr int kButtonsField = 0x00F;
inline constexpr int kIconField = 0x070;
inline constexpr int kDefaultField = 0x300;

inline constexpr int kOkButton = 0;
inline constexpr int kYesNoButtons = 4;
inline constexpr int kCriticalIcon = 16;
inline constexpr int kQuestionIcon = 32;
inline constexpr int kExclamationIcon = 48;
inline constexpr int kInformationIcon = 64;
inline constexpr int kSecondButtonDefault = 256;

// The styles the program shows.
inline constexpr int kCritical = kOkButton | kCriticalIcon;
inline constexpr int kExclamation = kOkButton | kExclamationIcon;
inline constexpr int kInformation = kOkButton | kInformationIcon;
inline constexpr int kYesNoQuestionNoDefault = kYesNoButtons | kQuestionIcon | kSecondButtonDefault;

// Answers.
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace box

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal box; returns the button pressed. An empty title shows the
    // application title.
    virtual int MsgBox(const std::string& prompt, int flags, const std::string& title) = 0;

    virtual LocalTime Now() = 0;

    // Uniform pseudo-random value in [0, 1).
    virtual double Rnd() = 0;

    // Another copy of the program is already running.
    virtual bool PrevInstance() = 0;

    // Ends the program at once; no further handler runs.
    virtual void End() = 0;

    // Folder that holds the program file, as the file system names it, ending
    // without a separator; none when it cannot be found.
    virtual std::optional<std::string> ProgramFolder() = 0;

    // The characters that separate the folders of a path, the usual one first.
    virtual const char* PathSeparators() const = 0;

    // Writes text to the file at path, in the narrow code page with the line
    // ends as given, replacing any file of that name whole or not at all.
    virtual Outcome WriteTextFile(const std::string& path, const std::string& text) = 0;

    // Asks the user where to save a file, proposing the name; none when the
    // user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& proposedName) = 0;

    // Hands a web address to the user's default browser; reports nothing.
    virtual void OpenUrl(const std::string& address) = 0;

    // Keeps the box's context menu away until unhooked.
    virtual void HookTextBox(TextBox& box) = 0;
    virtual void UnhookTextBox(TextBox& box) = 0;
};

}  // namespace kulbo
