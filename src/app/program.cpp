#include "app/program.h"

namespace kulbo {

Program::Program(SystemPort& system, DialogPort& dialogs) : dialogs_(dialogs), form_(system, dialogs) {
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
    if (frontEnd_) frontEnd_->propertyChanged(control, property);
    if (&control == &form_.Label4 && property == Property::Caption) dialogs_.TellReader(form_.Label4, ReaderText::Name);
    if (&control == &form_.Text6 && property == Property::Text) {
        readers_.historySet();
        dialogs_.TellReader(form_.Text6, ReaderText::Description);
    }
}

void Program::textAppended(Control& control, std::size_t from) {
    if (frontEnd_) frontEnd_->textAppended(control, from);
    if (&control != &form_.Text6) return;
    readers_.picked(from);
    dialogs_.TellReader(form_.Text6, ReaderText::Description);
    dialogs_.TellReader(form_.Command1, ReaderText::Description);
}

}  // namespace kulbo
