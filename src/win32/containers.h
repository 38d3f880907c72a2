// The panels and frames: painted by the program, and the parents that hand
// their children's notifications and colour questions to the children's
// own handlers.
#pragma once

#include "win32/native_control.h"

namespace kulbo {

class ContainerControl : public NativeControl {
public:
    using NativeControl::NativeControl;

    void sync() override;
    void paint(HDC dc);

private:
    ChildWindow describe() const override;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kulbo
