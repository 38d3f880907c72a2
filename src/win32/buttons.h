// The buttons: command buttons drawn by the program, with a picture above
// the caption where they have one, and option buttons and check boxes,
// which show the model's choice whatever the system's own toggle did.
#pragma once

#include "win32/native_control.h"

namespace kulbo {

class CommandButton;

class CommandButtonControl : public NativeControl {
public:
    CommandButtonControl(CommandButton& button, ControlContext& context);
    ~CommandButtonControl() override;

    void sync() override;
    void place() override;

private:
    ChildWindow describe() const override;
    void command(int notification) override;
    void drawItem(const DRAWITEMSTRUCT& item) override;

    CommandButton& button_;
    HICON picture_ = nullptr;
    int pictureSide_ = 0;
};

class ChoiceControl : public NativeControl {
public:
    using NativeControl::NativeControl;

    void sync() override;

private:
    ChildWindow describe() const override;
    void command(int notification) override;
};

}  // namespace kulbo
