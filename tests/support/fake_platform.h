// A scripted platform: records every message box, answers from a queue, and
// has a settable clock and scripted or seeded random values.
#pragma once

#include "app/form1.h"
#include "app/dialog_port.h"
#include "app/system_port.h"

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace kulbo::testing {

struct ShownBox {
    std::string prompt;
    int flags;
    std::string title;
    bool operator==(const ShownBox&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
        return out << '"' << box.prompt << "\" " << box.flags << " \"" << box.title << '"';
    }
};

class FakePlatform : public SystemPort, public DialogPort {
public:
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    LocalTime Now() override { return now; }
    double Rnd() override;
    bool PrevInstance() override { return previousInstance; }
    void End() override { ++ends; }
    std::optional<std::string> ProgramFolder() override { return folder; }
    const char* PathSeparators() const override { return separators; }
    Outcome WriteTextFile(const std::string& path, const std::string& text) override;
    std::optional<std::string> DocumentsFolder() override { return documents; }
    std::optional<std::string> HomeFolder() override { return home; }
    ReportPlace ReportsGoTo() const override { return reportsGoTo; }
    std::optional<std::string> ChooseSaveFile(const SaveDialog& dialog) override;
    bool OpenUrl(const std::string& address) override {
        openedUrls.push_back(address);
        return browserOpens;
    }
    void HookTextBox(TextBox& box) override { hookLog.push_back("hook " + box.name); }
    void UnhookTextBox(TextBox& box) override { hookLog.push_back("unhook " + box.name); }

    // What happened.
    std::vector<ShownBox> boxes;
    std::vector<std::string> prompts() const;
    std::map<std::string, std::string> files;  // path -> text as written
    std::vector<SaveDialog> saveDialogs;       // the save dialogs shown
    std::vector<std::string> openedUrls;
    std::vector<std::string> hookLog;  // "hook Text1", "unhook Text1", ...
    int ends = 0;

    // Script.
    std::deque<int> answers;           // next answers to boxes; OK (or No for Yes/No) when empty
    std::deque<std::function<void()>> whileBoxesOpen;  // each runs while the next box is open
    std::deque<double> randomValues;   // next Rnd() values; the seeded generator when empty
    std::mt19937_64 generator{12345};
    LocalTime now{2024, 3, 15, 9, 5, 7};
    bool previousInstance = false;
    std::optional<std::string> folder = "/programs/kulbo";
    std::optional<std::string> documents = "/home/teacher/文档";
    std::optional<std::string> home = "/home/teacher";
    const char* separators = "/";
    ReportPlace reportsGoTo = ReportPlace::ProgramFolder;
    std::map<std::string, std::string> unwritableFolders;  // folder -> reason writing there fails with
    std::deque<std::optional<std::string>> chosenFiles;    // the save dialog's answers; cancel when empty
    bool browserOpens = true;                              // whether OpenUrl hands the address over
};

// A loaded window on a fake platform, with helpers that act as a user would.
struct FormFixture {
    FakePlatform platform;
    Form1 form{platform, platform};
    FormFixture() { form.load(); }
    // A pick with `rolling` in the rolling display.
    void pick(const std::string& rolling) {
        form.Label5.Caption = rolling;
        form.click(form.Command1);
    }
    void ticks(Timer& timer, int count) { for (int i = 0; i < count; ++i) form.tick(timer); }
    // A key pressed in the box: through its key filter, then into the text as
    // a box takes it (backspace, up to MaxLength, nothing when locked).
    void press(TextBox& box, std::int16_t keyAscii);
    // Types each character of text into the box.
    void type(TextBox& box, const std::string& text) {
        for (char c : text) press(box, static_cast<std::int16_t>(static_cast<unsigned char>(c)));
    }
};

}  // namespace kulbo::testing
