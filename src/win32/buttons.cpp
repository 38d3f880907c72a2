#include "win32/buttons.h"

#include "app/form1.h"
#include "app/geometry.h"
#include "app/program.h"
#include "platform/windows/wide_text.h"
#include "win32/looks.h"
#include "win32/resources.h"

namespace kulbo {

namespace {

// A quick second click comes as a double click; it is a click all the same.
bool isClick(int notification) { return notification == BN_CLICKED || notification == BN_DOUBLECLICKED; }

int pictureResource(const std::string& name) { return name == "unlock" ? KULBO_ICON_UNLOCK : KULBO_ICON_CANCEL; }

}  // namespace

CommandButtonControl::CommandButtonControl(CommandButton& button, ControlContext& context)
    : NativeControl(button, context), button_(button) {}

CommandButtonControl::~CommandButtonControl() {
    if (picture_) DestroyIcon(picture_);
}

ChildWindow CommandButtonControl::describe() const {
    return {.windowClass = L"BUTTON", .style = BS_OWNERDRAW, .text = wide(button_.Caption.get())};
}

void CommandButtonControl::sync() { SetWindowTextW(handle(), wide(button_.Caption.get()).c_str()); }

// The picture is loaded at the size it is shown at.
void CommandButtonControl::place() {
    NativeControl::place();
    if (button_.IconName.empty()) return;
    const int side = MulDiv(button_.IconSize, looks().dpi(), kDesignDpi);
    if (side == pictureSide_) return;
    if (picture_) DestroyIcon(picture_);
    picture_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pictureResource(button_.IconName)),
                                             IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
    pictureSide_ = side;
}

void CommandButtonControl::command(int notification) {
    if (isClick(notification)) program().click(button_);
}

void CommandButtonControl::drawItem(const DRAWITEMSTRUCT& item) { paintGraphicalButton(item, button_, looks(), picture_); }

ChildWindow ChoiceControl::describe() const {
    const bool option = control().kind == Kind::OptionButton;
    return {.windowClass = L"BUTTON",
            .style = static_cast<DWORD>(option ? BS_RADIOBUTTON : BS_CHECKBOX),
            .text = wide(static_cast<const CaptionedControl&>(control()).Caption.get())};
}

void ChoiceControl::sync() {
    bool checked = control().kind == Kind::OptionButton ? static_cast<OptionButton&>(control()).Value.get()
                                                         : static_cast<CheckBox&>(control()).Value != 0;
    SetWindowTextW(handle(), wide(static_cast<CaptionedControl&>(control()).Caption.get()).c_str());
    SendMessageW(handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Where the model did not follow the click, the button shows it.
void ChoiceControl::command(int notification) {
    if (!isClick(notification)) return;
    program().click(control());
    sync();
}

}  // namespace kulbo
