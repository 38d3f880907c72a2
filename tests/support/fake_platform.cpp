#include "support/fake_platform.h"

namespace kulbo::testing {

namespace {

// The next of a script's entries, if any are left.
template <class T>
std::optional<T> take(std::deque<T>& script) {
    if (script.empty()) return std::nullopt;
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

}  // namespace

int FakePlatform::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    boxes.push_back({prompt, flags, title});
    if (auto meanwhile = take(whileBoxesOpen)) (*meanwhile)();
    if (auto answer = take(answers)) return *answer;
    return (flags & box::kButtonsField) == box::kYesNoButtons ? box::kNo : box::kOk;
}

std::vector<std::string> FakePlatform::prompts() const {
    std::vector<std::string> result;
    for (const ShownBox& box : boxes) result.push_back(box.prompt);
    return result;
}

double FakePlatform::Rnd() {
    if (auto value = take(randomValues)) return *value;
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
    return take(chosenFiles).value_or(std::nullopt);
}

void FormFixture::press(TextBox& box, std::int16_t keyAscii) {
    const std::int16_t code = form.keyPress(box, keyAscii);
    std::string text = box.Text;
    const bool fits = box.MaxLength == 0 || int(text.size()) < box.MaxLength;
    if (box.Locked || code == 0) return;
    if (code == 8 && !text.empty()) text.pop_back();
    if (code > 0 && code < 128 && code != 8 && code != 13 && fits) text += static_cast<char>(code);
    box.Text = text;
}

}  // namespace kulbo::testing
