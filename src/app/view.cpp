#include "app/view.h"

#include "app/form1.h"
#include "app/unicode.h"

#include <algorithm>
#include <cctype>

namespace kulbo {

namespace {

// The controls the keyboard can reach, by tab index.
std::vector<Control*> tabOrder(const Form1& form) {
    std::vector<Control*> order;
    for (Control* c : form.controls())
        if (View::reachableByKeyboard(*c)) order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    return order;
}

std::vector<OptionButton*> groupOf(const OptionButton& option) {
    std::vector<OptionButton*> group;
    for (Control* sibling : option.container->children)
        if (sibling->kind == Kind::OptionButton) group.push_back(static_cast<OptionButton*>(sibling));
    std::stable_sort(group.begin(), group.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    return group;
}

}  // namespace

ShownCaption shownCaption(const std::string& caption) {
    const std::size_t mark = caption.find('&');
    if (mark == std::string::npos || mark + 1 >= caption.size()) return {caption};
    const std::string before = caption.substr(0, mark);
    return {before + caption.substr(mark + 1), caption[mark + 1], static_cast<int>(utf16Of(codePointsOfUtf8(before)).size())};
}

ShownCaption shownCaptionOf(const Control& c) {
    if (c.kind == Kind::CommandButton) return shownCaption(static_cast<const CommandButton&>(c).Caption);
    if (auto* captioned = dynamic_cast<const CaptionedControl*>(&c)) return {captioned->Caption};
    if (auto* box = dynamic_cast<const TextBox*>(&c); box && !box->MultiLine) return {box->Text};
    return {};
}

bool View::showsWidget(const Control& c) const {
    if (!c.Visible) return false;
    if (c.container != &form_) return true;
    if (c.Left >= form_.ClientWidth || c.Top >= form_.ClientHeight || c.Left + c.Width <= 0 || c.Top + c.Height <= 0)
        return false;
    for (const Control* above : form_.children) {
        if (above == &c) return true;
        if (above->kind == Kind::PictureBox && above->Visible) return false;  // panels cover what lies below
    }
    return true;
}

bool View::seen(const Control& c) const {
    for (const Control* p = &c; p && p != &form_; p = p->container)
        if (!showsWidget(*p)) return false;
    return true;
}

bool View::reachableByKeyboard(const Control& c) {
    return c.kind == Kind::CommandButton || c.kind == Kind::TextBox || c.kind == Kind::OptionButton ||
           c.kind == Kind::CheckBox;
}

bool View::takesFocus(const Control& c) const {
    if (!reachableByKeyboard(c) || !seen(c)) return false;
    for (const Control* p = &c; p; p = p->container)
        if (!p->Enabled) return false;
    return true;
}

const Control* View::topPanel() const {
    for (const Control* c : form_.children)
        if (c->kind == Kind::PictureBox && c->Visible) return c;
    return nullptr;
}

// An option group stands in the tab order where its first option stands,
// whatever the tab indices of the others.
const Control* View::place(const Control& c) const {
    if (c.kind != Kind::OptionButton) return &c;
    return groupOf(static_cast<const OptionButton&>(c)).front();
}

// An option group is one stop: its chosen option, or its first when none is.
Control* View::stop(Control& c) const {
    if (c.kind != Kind::OptionButton) return &c;
    std::vector<OptionButton*> group = groupOf(static_cast<OptionButton&>(c));
    auto chosen = std::find_if(group.begin(), group.end(), [this](OptionButton* o) { return o->Value && takesFocus(*o); });
    return chosen != group.end() ? *chosen : group.front();
}

Control* View::nextFocus(const Control* from, bool backwards) const {
    const std::vector<Control*> order = tabOrder(form_);
    const int count = static_cast<int>(order.size());
    const int step = backwards ? -1 : 1;
    const Control* start = from ? place(*from) : nullptr;
    int at = static_cast<int>(std::find(order.begin(), order.end(), start) - order.begin());
    if (at == count) at = backwards ? count : -1;
    for (int i = 1; i <= count; ++i) {
        Control* c = order[((at + step * i) % count + count) % count];
        if (place(*c) != c) continue;
        Control* target = stop(*c);
        if (takesFocus(*target)) return target;
    }
    return nullptr;
}

Control* View::firstFocus() const { return nextFocus(nullptr, false); }

Control* View::focusAfterChange(const Control* focused) {
    const Control* panel = topPanel();
    if (panel != panelBefore_) {
        if (!panelBefore_) focusBeforePanels_ = focused;
        panelBefore_ = panel;
        if (!panel && focusBeforePanels_ && takesFocus(*focusBeforePanels_))
            return const_cast<Control*>(focusBeforePanels_);
        return firstFocus();
    }
    if (focused && takesFocus(*focused)) return nullptr;
    return nextFocus(focused, false);
}

OptionButton* View::neighbourChoice(const OptionButton& option, int step) const {
    std::vector<OptionButton*> group = groupOf(option);
    const int count = static_cast<int>(group.size());
    const int at = static_cast<int>(std::find(group.begin(), group.end(), &option) - group.begin());
    OptionButton* next = group[((at + step) % count + count) % count];
    return takesFocus(*next) ? next : nullptr;
}

Control* View::accessKeyTarget(int keyCode) const {
    if (keyCode < 0 || keyCode > 0xFF || !std::isalnum(keyCode)) return nullptr;
    for (Control* c : form_.controls()) {
        auto* captioned = dynamic_cast<CaptionedControl*>(c);
        if (!captioned || !takesFocus(*c)) continue;
        if (std::toupper(static_cast<unsigned char>(shownCaption(captioned->Caption).key)) == std::toupper(keyCode)) return c;
    }
    return nullptr;
}

View::KeyResult View::keyDown(const Control* focused, int keyCode, int shift) {
    const Control* panel = topPanel();
    const bool focusHeld = focused && takesFocus(*focused);
    form_.keyDown(keyCode, shift);
    if (form_.ended() || topPanel() != panel || (focusHeld && !takesFocus(*focused))) return {true, nullptr};
    const bool plain = (shift & (key::kCtrl | key::kAlt)) == 0;

    if (keyCode == key::kTab && plain) return {true, nextFocus(focused, (shift & key::kShift) != 0)};

    const bool arrow = keyCode >= key::kLeft && keyCode <= key::kDown;
    if (arrow && plain && focused && focused->kind == Kind::OptionButton) {
        int step = keyCode == key::kDown || keyCode == key::kRight ? 1 : -1;
        OptionButton* next = neighbourChoice(static_cast<const OptionButton&>(*focused), step);
        if (next) form_.click(*next);
        return {true, next};
    }

    if (keyCode == key::kEscape && plain) {
        const Control* panel = topPanel();
        Control* close = panel == &form_.Picture1 ? &form_.Command5 : panel == &form_.Picture3 ? &form_.Command9 : nullptr;
        if (close) {
            form_.click(*close);
            return {true, nullptr};
        }
    }

    if ((shift & key::kAlt) && !(shift & key::kCtrl)) {
        if (Control* target = accessKeyTarget(keyCode)) {
            form_.click(*target);
            return {true, nullptr};
        }
    }
    return {};
}

std::optional<int> View::historyLineAfterKey(int keyCode, int current, int lineCount, int linesInSight) {
    const int page = linesInSight > 1 ? linesInSight : 1;
    int line;
    switch (keyCode) {
    case key::kUp: line = current - 1; break;
    case key::kDown: line = current + 1; break;
    case key::kPageUp: line = current - page; break;
    case key::kPageDown: line = current + page; break;
    case key::kHome: line = 0; break;
    case key::kEnd: line = lineCount - 1; break;
    default: return std::nullopt;
    }
    return lineCount > 0 ? std::clamp(line, 0, lineCount - 1) : 0;
}

}  // namespace kulbo
