#include "support/event_driver.h"

#include "app/number_text.h"

#include <deque>

namespace kulbo::testing {

std::uint32_t Choices::next() {
    if (!bytes_) return static_cast<std::uint32_t>(generator_());
    std::uint32_t value = 0;
    for (int i = 0; i < 2; ++i) value = value << 8 | (position_ < bytes_->size() ? (*bytes_)[position_++] : 0);
    return value;
}

namespace {

std::int16_t interestingCode(Choices& choices) {
    switch (choices.below(8)) {
    case 0: return static_cast<std::int16_t>('0' + choices.below(10));
    case 1: return '.';
    case 2: return 8;
    case 3: return static_cast<std::int16_t>('a' + choices.below(26));
    case 4: return static_cast<std::int16_t>(choices.below(32));          // control characters
    case 5: return static_cast<std::int16_t>(-1 - choices.below(32768));  // double-byte codes
    case 6: return static_cast<std::int16_t>(" -+\r"[choices.below(4)]);
    default: return static_cast<std::int16_t>(choices.next());
    }
}

const char* const kFreeTexts[] = {"", "731952846017364528", "731952846017364528 ", "0731952846017364528",
                                  "三年二班", "Kulbo", "a", "12345678901234567890"};

}  // namespace

std::string EventDriver::step(Choices& choices) {
    Form1& form = f_.form;
    justPicked_ = false;
    const int kind = choices.below(12);
    if (kind < 3) {  // a click on a button, an option or a check box the user can reach
        std::vector<Control*> clickable;
        for (Control* c : form.controls())
            if ((c->kind == Kind::CommandButton || c->kind == Kind::OptionButton || c->kind == Kind::CheckBox) &&
                view_.takesFocus(*c))
                clickable.push_back(c);
        if (clickable.empty()) return "nothing to click";
        Control& target = *clickable[choices.below(static_cast<int>(clickable.size()))];
        auto mode = [&] { return form.Option3.Value + 2 * form.Option4.Value + 4 * form.Option5.Value; };
        const int modeBefore = mode();
        const std::size_t historyBefore = form.Text6.Text.get().size();
        form.click(target);
        justPicked_ = &target == &form.Command1 && form.Text6.Text.get().size() > historyBefore;
        if (mode() != modeBefore) rolledSinceModeChange_ = false;
        return "click " + target.name;
    }
    if (kind < 5) {
        TextBox* boxes[] = {&form.Text1, &form.Text2, &form.Text4, &form.Text6};
        TextBox& box = *boxes[choices.below(4)];
        if (!view_.takesFocus(box)) return "cannot type into " + box.name;
        std::int16_t code = interestingCode(choices);
        f_.press(box, code);
        return "typed " + std::to_string(code) + " into " + box.name;
    }
    if (kind == 5) {
        TextBox& box = choices.below(2) ? form.Text3 : form.Text5;
        if (!view_.takesFocus(box)) return "cannot type into " + box.name;
        box.Text = kFreeTexts[choices.below(std::size(kFreeTexts))];
        return "text into " + box.name;
    }
    if (kind == 6) {
        int code = choices.below(4) == 0 ? choices.below(256) : 13;
        form.keyDown(code, choices.below(8));
        return "key down " + std::to_string(code);
    }
    if (kind == 7) {
        auto timers = form.timers();
        Timer& timer = *timers[choices.below(static_cast<int>(timers.size()))];
        int count = 1 + choices.below(60);
        f_.ticks(timer, count);
        if (&timer == &form.Timer1 && form.Timer1.Enabled) rolledSinceModeChange_ = true;
        return "tick " + timer.name + " x" + std::to_string(count);
    }
    if (kind == 8) {
        f_.platform.now = {1990 + choices.below(80), 1 + choices.below(12), 1 + choices.below(28),
                           choices.below(24),        choices.below(60),     choices.below(60)};
        return "clock jumps to " + std::to_string(f_.platform.now.year);
    }
    if (kind == 9) {
        f_.platform.answers.push_back(choices.below(3) == 0 ? box::kYes : box::kNo);
        return "next answer " + std::to_string(f_.platform.answers.back());
    }
    if (kind == 10) {
        // Closing is answered No unless the stream insists: the run goes on.
        if (choices.below(50) != 0) f_.platform.answers.push_front(box::kNo);
        form.requestClose();
        return "close requested";
    }
    form.WindowState = choices.below(3);
    if (choices.below(2)) form.Width = choices.below(20000);
    if (choices.below(2)) form.Height = choices.below(20000);
    return "window changed";
}

std::string EventDriver::run(Choices& choices, long steps) {
    std::deque<std::string> recent;
    for (long i = 0; i < steps && !choices.exhausted() && !f_.form.ended(); ++i) {
        recent.push_back(step(choices));
        if (recent.size() > 12) recent.pop_front();
        picks_ += justPicked_;
        if (std::string broken = violation(); !broken.empty()) {
            for (const std::string& event : recent) broken += "\n  after " + event;
            return "step " + std::to_string(i) + ": " + broken;
        }
    }
    return "";
}

std::string EventDriver::violation() const {
    const Form1& form = f_.form;
    if (form.Option3.Value + form.Option4.Value + form.Option5.Value != 1) return "drawing mode: not one option chosen";
    if (form.Option1.Value == form.Option2.Value) return "avoidance: not one option chosen";
    if (form.Picture1.Visible + form.Picture2.Visible + form.Picture3.Visible > 1) return "more than one panel shown";

    // Whole lines of stamp[number].
    const std::string& history = form.Text6.Text;
    for (std::size_t start = 0, end; start < history.size(); start = end + 2) {
        end = history.find("\r\n", start);
        if (end == std::string::npos) return "history ends in a partial line";
        std::string line = history.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos || line.empty() || line.back() != ']' ||
            line.find('[') == std::string::npos)
            return "history line is not stamp[number]: " + line;
    }
    if (!justPicked_) return "";
    auto minimum = strictNumber(form.Text1.Text.get());
    auto maximum = strictNumber(form.Text2.Text.get());
    if (!minimum || !maximum) return "range is not numbers while drawing";
    // Right after a change of mode the rolling number is still the old mode's
    // until the next tick, a millisecond later. A random draw whose maximum
    // holds no whole number from 1 on falls back to the minimum.
    auto drawn = strictNumber(form.Label4.Caption.get());
    if (!rolledSinceModeChange_ || (form.Option4.Value && *maximum < 1 && form.Label4.Caption == form.Text1.Text)) return "";
    double lowest = form.Option4.Value ? 1 : *minimum;
    if (!drawn || *drawn < lowest || *drawn > *maximum)
        return "drawn " + form.Label4.Caption.get() + " outside " + numberText(lowest) + ".." + form.Text2.Text.get();
    return "";
}

}  // namespace kulbo::testing
