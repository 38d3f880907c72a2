#include "win32/control_set.h"

#include "app/program.h"
#include "win32/buttons.h"
#include "win32/containers.h"
#include "win32/focus_keeper.h"
#include "win32/history_box.h"
#include "win32/labels.h"
#include "win32/reader_news.h"
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

void ControlSet::apply(const WindowChange& change, FocusKeeper& focus) {
    NativeControl* native = nativeOf(*change.control);
    if (!native) return;
    HWND widget = native->handle();
    switch (change.step) {
    case WindowChange::Content:
    case WindowChange::HistoryReplaced: native->sync(); break;
    case WindowChange::HistoryAppended: native->appended(change.from); break;
    case WindowChange::Geometry: native->place(); break;
    case WindowChange::Enabled: EnableWindow(widget, change.control->Enabled); break;
    case WindowChange::WindowState: break;
    // What a panel covers is hidden with it, so it takes no focus, key or click.
    case WindowChange::Show: ShowWindow(widget, SW_SHOWNA); break;
    case WindowChange::Hide: ShowWindow(widget, SW_HIDE); break;
    case WindowChange::Focus: focus.focusOn(change.control); break;
    case WindowChange::ReaderName: announce(widget, true, {}); break;
    case WindowChange::ReaderDescription: announce(widget, false, {}); break;
    case WindowChange::Announce: announce(widget, false, change.text); break;
    }
}

void ControlSet::placeAll() {
    for (auto& [control, native] : natives_) native->place();
}

}  // namespace kulbo
