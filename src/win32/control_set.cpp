#include "win32/control_set.h"

#include "app/program.h"
#include "win32/buttons.h"
#include "win32/containers.h"
#include "win32/focus_keeper.h"
#include "win32/history_box.h"
#include "win32/labels.h"
#include "win32/text_boxes.h"

namespace kulbo {

namespace {

constexpr int kFirstControlId = 1000;

std::unique_ptr<NativeControl> nativeFor(Control& c, ControlContext& context) {
    switch (c.kind) {
    case Kind::CommandButton: return std::make_unique<CommandButtonControl>(static_cast<CommandButton&>(c), context);
    case Kind::OptionButton:
    case Kind::CheckBox: return std::make_unique<ChoiceControl>(c, context);
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(c);
        if (box.MultiLine) return std::make_unique<HistoryBoxControl>(box, context);
        return std::make_unique<TextBoxControl>(box, context);
    }
    case Kind::Label: return std::make_unique<LabelControl>(static_cast<Label&>(c), context);
    case Kind::Frame:
    case Kind::PictureBox: return std::make_unique<ContainerControl>(c, context);
    case Kind::Form:
    case Kind::Timer: break;
    }
    return nullptr;
}

}  // namespace

ControlSet::ControlSet(HWND window, ControlContext& context) : context_(context) { build(context.program.form(), window); }

// An earlier child lies above a later one.
void ControlSet::build(Control& container, HWND parent) {
    HWND above = HWND_TOP;
    for (Control* child : container.children) {
        std::unique_ptr<NativeControl> native = nativeFor(*child, context_);
        if (!native) continue;
        native->create(parent, kFirstControlId + static_cast<int>(natives_.size()));
        HWND widget = native->handle();
        natives_[child] = std::move(native);
        SetWindowPos(widget, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = widget;
        build(*child, widget);
    }
}

NativeControl* ControlSet::nativeOf(const Control& control) const {
    auto it = natives_.find(&control);
    return it == natives_.end() ? nullptr : it->second.get();
}

HWND ControlSet::handleOf(const Control& control) const {
    NativeControl* native = nativeOf(control);
    return native ? native->handle() : nullptr;
}

Control* ControlSet::controlOf(HWND window) const {
    NativeControl* native = NativeControl::of(window);
    return native && nativeOf(native->control()) == native ? &native->control() : nullptr;
}

void ControlSet::follow(Control& c, Property property, FocusKeeper& focus) {
    NativeControl* native = nativeOf(c);
    if (!native) return;
    if (property == Property::Caption || property == Property::Text || property == Property::Value) {
        // Hidden controls (the rolling number changes a thousand times a
        // second) catch up when they are shown.
        if (c.shown()) native->sync();
    } else if (property == Property::Enabled || property == Property::Visible) {
        Control* before = focus.focused();
        if (property == Property::Enabled) {
            EnableWindow(native->handle(), c.Enabled);
        } else {
            applyVisible();
            syncShown(c);
        }
        focus.focusOn(context_.program.view().focusAfterChange(before));
    } else if (property != Property::WindowState) {
        native->place();
    }
}

void ControlSet::appended(Control& c, std::size_t from) {
    if (NativeControl* native = nativeOf(c)) native->appended(from);
}

void ControlSet::placeAll() {
    for (auto& [control, native] : natives_) native->place();
}

// What a panel covers is hidden with it, so it takes no focus, key or click.
void ControlSet::applyVisible() {
    const View& view = context_.program.view();
    for (auto& [control, native] : natives_) {
        bool shows = view.showsWidget(*control);
        if (((GetWindowLongW(native->handle(), GWL_STYLE) & WS_VISIBLE) != 0) != shows)
            ShowWindow(native->handle(), shows ? SW_SHOWNA : SW_HIDE);
    }
}

void ControlSet::syncShown(Control& c) {
    if (!c.shown()) return;
    if (NativeControl* native = nativeOf(c)) native->sync();
    for (Control* child : c.children) syncShown(*child);
}

}  // namespace kulbo
