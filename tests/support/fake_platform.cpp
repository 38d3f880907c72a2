#include "support/fake_platform.h"

namespace kulbo::testing {

int FakePlatform::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    boxes.push_back({prompt, flags, title});
    if (!whileBoxesOpen.empty()) {
        std::function<void()> meanwhile = std::move(whileBoxesOpen.front());
        whileBoxesOpen.pop_front();
        meanwhile();
    }
    if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (flags & box::kButtonsField) == box::kYesNoButtons ? box::kNo : box::kOk;
}

std::vector<std::string> FakePlatform::prompts() const {
    std::vector<std::string> result;
    for (const ShownBox& box : boxes) result.push_back(box.prompt);
    return result;
}

double FakePlatform::Rnd() {
    if (!randomValues.empty()) {
        double value = randomValues.front();
        randomValues.pop_front();
        return value;
    }
    return std::generate_canonical<double, 53>(generator);
}

Outcome FakePlatform::WriteTextFile(const std::string& path, const std::string& text) {
    auto unwritable = unwritableFolders.find(path.substr(0, path.find_last_of(separators)));
    if (unwritable != unwritableFolders.end()) return Outcome::failed(unwritable->second);
    files[path] = text;
    return Outcome::done();
}

std::optional<std::string> FakePlatform::ChooseSaveFile(const SaveDialog& dialog) {
    saveDialogs.push_back(dialog);
    if (chosenFiles.empty()) return std::nullopt;
    std::optional<std::string> chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
}

void FakePlatform::HookTextBox(TextBox& box) { hookLog.push_back("hook " + box.name); }
void FakePlatform::UnhookTextBox(TextBox& box) { hookLog.push_back("unhook " + box.name); }

void FormFixture::press(TextBox& box, std::int16_t keyAscii) {
    const std::int16_t code = form.keyPress(box, keyAscii);
    std::string text = box.Text;
    if (box.Locked || code == 0) return;
    if (code == 8) {
        if (!text.empty()) text.pop_back();
    } else if (code > 0 && code < 128 && code != 13 && (box.MaxLength == 0 || int(text.size()) < box.MaxLength)) {
        text += static_cast<char>(code);
    }
    box.Text = text;
}

}  // namespace kulbo::testing
