// A scripted platform: records every message box, answers from a queue, and
// has a settable clock and scripted or seeded random values.
#pragma once

#include "app/form1.h"
#include "app/platform.h"

#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace kulbo::testing {

struct ShownBox {
    std::string prompt;
    int flags;
    std::string title;
};

class FakePlatform : public Platform {
public:
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    LocalTime Now() override { return now; }
    double Rnd() override;
    bool PrevInstance() override { return previousInstance; }
    void End() override { ++ends; }
    std::optional<std::string> ProgramFolder() override { return folder; }
    const char* PathSeparators() const override { return separators; }
    Outcome WriteTextFile(const std::string& path, const std::string& text) override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedName) override;
    void OpenUrl(const std::string& address) override { openedUrls.push_back(address); }
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

    // What happened.
    std::vector<ShownBox> boxes;
    std::map<std::string, std::string> files;  // path -> text as written
    std::vector<std::string> proposedNames;    // names the save dialog offered
    std::vector<std::string> openedUrls;
    std::vector<std::string> hookLog;  // "hook Text1", "unhook Text1", ...
    int ends = 0;

    // Script.
    std::deque<int> answers;           // next answers to boxes; OK (or No for Yes/No) when empty
    std::deque<double> randomValues;   // next Rnd() values; the seeded generator when empty
    std::mt19937_64 generator{12345};
    LocalTime now{2024, 3, 15, 9, 5, 7};
    bool previousInstance = false;
    std::optional<std::string> folder = "/programs/kulbo";
    const char* separators = "/";
    std::map<std::string, std::string> unwritableFolders;  // folder -> reason writing there fails with
    std::deque<std::optional<std::string>> chosenFiles;    // the save dialog's answers; cancel when empty
};

// A loaded window on a fake platform, with helpers that act as a user would.
struct FormFixture {
    FakePlatform platform;
    Form1 form{platform};
    FormFixture() { form.load(); }
    void ticks(Timer& timer, int count) {
        for (int i = 0; i < count; ++i) form.tick(timer);
    }
    // Types each character of text into the box through its key filter.
    void type(TextBox& box, const std::string& text);
};

}  // namespace kulbo::testing
