// The labels: static text, as large as its text where the model sizes it
// so, and see-through on the panels and frames they stand on.
#pragma once

#include "win32/native_control.h"

namespace kulbo {

class Label;

class LabelControl : public NativeControl {
public:
    LabelControl(Label& label, ControlContext& context);

    void sync() override;
    void place() override;

private:
    ChildWindow describe() const override;
    LRESULT colours(HDC dc) override;

    Label& label_;
};

}  // namespace kulbo
