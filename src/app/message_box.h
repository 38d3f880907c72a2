// Message boxes as the program shows them: the platform's style flags and
// answers, and what a box holds, for a front end that draws boxes itself.
#pragma once

#include <string>
#include <vector>

namespace kulbo {

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

// What a box answers when it is closed by Escape or its close box: No where
// it asks, OK where it only tells.
int escapeAnswer(int flags);

// Any answer but Yes to a question is No (a system may say Cancel for Escape).
int answerOf(int flags, int pressed);
}  // namespace box

enum class BoxIcon { None, Critical, Question, Exclamation, Information };

struct BoxButton {
    std::string caption;  // "是(&Y)": Y is its access key, shown underlined
    int answer = box::kOk;
};

// A box laid out: its title (the program's when it has none of its own), its
// lines, its icon, its buttons in order, the one Enter presses and the one
// Escape presses.
struct BoxLayout {
    std::string title;
    std::vector<std::string> lines;
    BoxIcon icon = BoxIcon::None;
    std::vector<BoxButton> buttons;
    int defaultAnswer = box::kOk;
    int escapeAnswer = box::kOk;
};

BoxLayout layOutBox(const std::string& prompt, int flags, const std::string& title);

// A key pressed in a box, the focus on its button `focused` (-1 for none).
// Escape gives the Escape answer; Enter presses the focused button, or the
// default one; a button's letter, without Ctrl, presses it; Tab and the
// arrow keys move the focus round the buttons. Space is the focused
// button's own; any other key does nothing.
struct BoxKey {
    int answer = 0;        // the box closes with this answer; 0: it stays
    int focus = -1;        // the button the focus goes to; -1: it stays
    bool consumed = true;  // the focused button must not see the key
};
BoxKey boxKeyDown(const BoxLayout& box, int focused, int keyCode, int shift);

}  // namespace kulbo
