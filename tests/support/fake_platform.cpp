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

void FormFixture::type(TextBox& box, const std::string& text) {
    for (char c : text) {
        auto code = form.keyPress(box, static_cast<std::int16_t>(static_cast<unsigned char>(c)));
        if (code == 8) {
            if (!box.Text.get().empty()) box.Text = box.Text.get().substr(0, box.Text.get().size() - 1);
        } else if (code != 0 && (box.MaxLength == 0 || static_cast<int>(box.Text.get().size()) < box.MaxLength)) {
            box.Text = box.Text.get() + static_cast<char>(code);
        }
    }
}

}  // namespace kulbo::testing
