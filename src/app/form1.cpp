#include "app/form1.h"

namespace kulbo {

Form1::Form1(SystemPort& system, DialogPort& dialogs) : system_(system), dialogs_(dialogs) {}

template <class Handler>
void Form1::dispatch(Handler&& handler) {
    if (handling_ || ended_) return;
    handling_ = true;
    handler();
    handling_ = false;
    if (closePending_) {
        closePending_ = false;
        requestClose();
    }
}

void Form1::endProgram() {
    ended_ = true;
    system_.End();
}

void Form1::load() {
    dispatch([this] { Form_Load(); });
}

void Form1::requestClose() {
    if (handling_ && !ended_) {
        closePending_ = true;
        return;
    }
    dispatch([this] {
        std::int16_t cancel = 0;
        Form_QueryUnload(cancel, 0);
    });
}

bool Form1::cancelSessionEnd(bool mayAsk) {
    if (!mayAsk) return false;
    requestClose();
    return !ended();
}

void Form1::unload() {
    dispatch([this] {
        std::int16_t cancel = 0;
        Form_Unload(cancel);
    });
}

void Form1::click(Control& control) {
    if (!control.Enabled || !control.shown()) return;
    dispatch([&] {
        // A click runs the option's handler even when it was already chosen.
        if (control.kind == Kind::OptionButton) choose(static_cast<OptionButton&>(control));
        if (control.kind == Kind::CheckBox) {
            auto& box = static_cast<CheckBox&>(control);
            box.Value = box.Value == 0 ? 1 : 0;
        }
        runClickHandler(control);
    });
}

void Form1::select(OptionButton& option) {
    if (choose(option)) runClickHandler(option);
}

void Form1::runClickHandler(Control& control) {
    struct Route {
        Control* control;
        void (Form1::*handler)();
    };
    const Route routes[] = {
        {&Command1, &Form1::Command1_Click},   {&Command2, &Form1::Command2_Click},
        {&Command3, &Form1::Command3_Click},   {&Command4, &Form1::Command4_Click},
        {&Command5, &Form1::Command5_Click},   {&Command6, &Form1::Command6_Click},
        {&Command7, &Form1::Command7_Click},   {&Command8, &Form1::Command8_Click},
        {&Command9, &Form1::Command9_Click},   {&Command10, &Form1::Command10_Click},
        {&Command11, &Form1::Command11_Click}, {&Command13, &Form1::Command13_Click},
        {&Option1, &Form1::Option1_Click},     {&Option2, &Form1::Option2_Click},
        {&Option3, &Form1::Option3_Click},     {&Option4, &Form1::Option4_Click},
        {&Option5, &Form1::Option5_Click},     {&Check2, &Form1::Check2_Click},
    };
    for (const Route& route : routes)
        if (route.control == &control) (this->*route.handler)();
}

std::int16_t Form1::keyPress(TextBox& box, std::int16_t keyAscii) {
    std::int16_t result = 0;  // a key that arrives while a handler runs is swallowed
    dispatch([&] {
        result = keyAscii;
        if (KeyPressHandler handler = keyPressHandler(box)) (this->*handler)(result);
    });
    return result;
}

Form1::KeyPressHandler Form1::keyPressHandler(const TextBox& box) const {
    if (&box == &Text1) return &Form1::Text1_KeyPress;
    if (&box == &Text2) return &Form1::Text2_KeyPress;
    if (&box == &Text4) return &Form1::Text4_KeyPress;
    if (&box == &Text6) return &Form1::Text6_KeyPress;
    return nullptr;
}

void Form1::keyDown(int keyCode, int shift) {
    dispatch([&] {
        auto code = static_cast<std::int16_t>(keyCode);
        Form_KeyDown(code, static_cast<std::int16_t>(shift));
    });
}

void Form1::advance(Timer& timer, std::uint64_t periods) {
    if (periods == 0) return;
    if (&timer != &Timer1) return tick(timer);  // the guard and the permissions settle in one tick; stamps show the last
    if (!timer.Enabled) return;
    dispatch([&] { Timer1_Advance(periods); });
}

void Form1::tick(Timer& timer) {
    if (!timer.Enabled) return;
    dispatch([&] {
        if (&timer == &Timer1) Timer1_Timer();
        else if (&timer == &Timer2) Timer2_Timer();
        else if (&timer == &Timer3) Timer3_Timer();
        else if (&timer == &Timer4) Timer4_Timer();
        else if (&timer == &Timer5) Timer5_Timer();
    });
}

}  // namespace kulbo
