#include "app/window_changes.h"

#include "app/form1.h"
#include "app/readers.h"
#include "app/view.h"

namespace kulbo {

namespace {

bool isHistoryBox(const Control& c) { return c.kind == Kind::TextBox && static_cast<const TextBox&>(c).MultiLine; }

const std::string& historyText(const Control& c) { return static_cast<const TextBox&>(c).Text.get(); }

}  // namespace

void WindowFollower::follow(WindowFront* front) {
    front_ = front;
    widgetShown_.clear();
    behind_.clear();
    if (!front_) return;
    // The whole window, described as steps.
    add(WindowChange::Content, form_);
    add(WindowChange::Geometry, form_);
    for (Control* c : form_.controls()) {
        if (c == &form_ || c->kind == Kind::Timer) continue;
        const bool shows = view_.showsWidget(*c);
        widgetShown_.emplace_back(c, shows);
        add(WindowChange::Geometry, *c);
        content(*c);
        add(WindowChange::Enabled, *c);
        add(shows ? WindowChange::Show : WindowChange::Hide, *c);
        add(WindowChange::ReaderName, *c, 0, readers_.name(*c));
        add(WindowChange::ReaderDescription, *c, 0, readers_.description(*c));
    }
    send();
}

void WindowFollower::changed(Control& c, Property property) {
    if (!front_) return;
    const bool isForm = &c == &form_;
    switch (property) {
    case Property::Caption:
    case Property::Text:
    case Property::Value:
        if (isForm || c.shown() || isHistoryBox(c))
            content(c);
        else
            behind_.insert(&c);
        // The display's name carries its number; the history box's
        // description counts its lines.
        if (&c == &form_.Label4 && property == Property::Caption) tell(c, true);
        if (&c == &form_.Text6 && property == Property::Text) tell(c, false);
        break;
    case Property::Enabled:
        if (isForm) break;
        add(WindowChange::Enabled, c);
        refocus(front_->focused());
        break;
    case Property::Visible:
        if (!isForm) visibility();
        break;
    case Property::Left:
    case Property::Top:
        if (!isForm) add(WindowChange::Geometry, c);
        break;
    case Property::Width:
    case Property::Height:
        add(WindowChange::Geometry, c);
        break;
    case Property::WindowState:
        add(WindowChange::WindowState, c);
        break;
    }
    send();
}

void WindowFollower::appended(Control& c, std::size_t from) {
    if (!front_) return;
    if (isHistoryBox(c))
        add(WindowChange::HistoryAppended, c, from, historyText(c).substr(from));
    else if (c.shown())
        content(c);
    else
        behind_.insert(&c);
    // A line came into the history: a pick, news on "开始".
    if (&c == &form_.Text6) {
        tell(c, false);
        tell(form_.Command1, false);
    }
    send();
}

void WindowFollower::content(Control& c) {
    if (isHistoryBox(c))
        add(WindowChange::HistoryReplaced, c, 0, historyText(c));
    else
        add(WindowChange::Content, c);
}

// What comes into sight takes the focus before what goes out of sight lets
// it go: a toolkit would hand it on meanwhile, and a screen reader would name
// a control that was never meant to have it. What waited out of sight
// catches up before it is seen.
void WindowFollower::visibility() {
    Control* focused = front_->focused();
    for (Control* c : form_.controls())
        if (!behind_.empty() && c->shown() && behind_.erase(c)) content(*c);
    std::vector<Control*> hidden;
    for (auto& [c, shown] : widgetShown_) {
        if (view_.showsWidget(*c) == shown) continue;
        shown = !shown;
        if (shown)
            add(WindowChange::Show, *c);
        else
            hidden.push_back(c);
    }
    refocus(focused);
    for (Control* c : hidden) add(WindowChange::Hide, *c);
}

void WindowFollower::refocus(Control* focusedBefore) {
    if (Control* to = view_.focusAfterChange(focusedBefore)) add(WindowChange::Focus, *to);
}

// A new description of the focused control is news: "开始" has the focus at
// a pick.
void WindowFollower::tell(Control& c, bool name) {
    if (name) {
        add(WindowChange::ReaderName, c, 0, readers_.name(c));
        return;
    }
    const bool news = front_->focused() == &c;
    add(news ? WindowChange::Announce : WindowChange::ReaderDescription, c, 0, readers_.description(c));
}

void WindowFollower::add(WindowChange::Step step, Control& c, std::size_t from, std::string text) {
    changes_.push_back({step, &c, from, std::move(text)});
}

// The front end may change the model as it applies the steps (a box that
// reports its new text): those steps come after, in a list of their own.
void WindowFollower::send() {
    if (changes_.empty()) return;
    std::vector<WindowChange> steps;
    steps.swap(changes_);
    front_->apply(steps);
    if (changes_.empty()) {
        steps.clear();
        changes_.swap(steps);
    }
}

}  // namespace kulbo
