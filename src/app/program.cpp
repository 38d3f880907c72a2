#include "app/program.h"

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
