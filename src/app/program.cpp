#include "app/program.h"

#include "app/text_input.h"
#include "app/unicode.h"

namespace kulbo {

Program::Program(SystemPort& system, DialogPort& dialogs) : form_(system, dialogs) {
    form_.setListener(this);
}

bool Program::start(Host& host) {
    host_ = &host;
    form_.load();
    if (form_.ended()) return false;
    host.show(view_.firstFocus());
    clock_.start(TimerClock::Clock::now());
    return true;
}

void Program::finish() { form_.unload(); }

int Program::run(Shell& shell) {
    if (!start(shell)) return 0;
    int status = shell.loop();
    finish();
    return status;
}

void Program::beforeInput() {
    clock_.catchUp(TimerClock::Clock::now());
    if (settling_ || !host_) return;
    settling_ = true;
    host_->settleAfter(TimerClock::kPeriod);
}

void Program::click(Control& control) {
    beforeInput();
    form_.click(control);
}

View::KeyResult Program::keyDown(Control* focused, int keyCode, int shift) {
    beforeInput();
    View::KeyResult result = view_.keyDown(focused, keyCode, shift);
    auto* box = dynamic_cast<TextBox*>(focused);
    if (result.consumed || !box || !hasKeyFilter(form_, *box)) return result;
    const int typed = controlCharacterOfKey(keyCode, shift);
    result.consumed = isPasteKey(keyCode, shift) || (typed && form_.keyPress(*box, static_cast<std::int16_t>(typed)) == 0);
    return result;
}

void Program::type(TextBox& box, std::u32string_view characters, const std::function<void(char32_t)>& enter) {
    beforeInput();
    typeEach(form_, box, characters, enter);
}

KeptEdit Program::type(TextBox& box, std::u16string_view shown, std::size_t from, std::size_t to,
                       std::u32string_view characters) {
    if (from > to || to > shown.size()) return {std::u16string(shown), shown.size()};
    KeptEdit edit{std::u16string(shown), from};
    type(box, characters, [&](char32_t c) {
        const std::u16string one = utf16Of(std::u32string(1, c));
        edit = keepEdit(form_, box, edit.text.substr(0, from) + one + edit.text.substr(to), from + one.size());
        from = to = edit.caret;
    });
    return edit;
}

void Program::windowStateChanged(WindowState state) {
    beforeInput();
    form_.WindowState = state;
}

void Program::windowResized(int outerWidth, int outerHeight) {
    beforeInput();
    form_.Width = outerWidth;
    form_.Height = outerHeight;
}

void Program::requestClose() {
    beforeInput();
    form_.requestClose();
}

bool Program::cancelSessionEnd(bool mayAsk) {
    if (mayAsk) beforeInput();
    return form_.cancelSessionEnd(mayAsk);
}

void Program::settle() {
    settling_ = false;
    clock_.catchUp(TimerClock::Clock::now());
}

void Program::propertyChanged(Control& control, Property property) {
    if (&control == &form_.Text6 && property == Property::Text) readers_.historySet();
    follower_.changed(control, property);
}

void Program::textAppended(Control& control, std::size_t from) {
    if (&control == &form_.Text6) readers_.picked(from);
    follower_.appended(control, from);
}

}  // namespace kulbo
