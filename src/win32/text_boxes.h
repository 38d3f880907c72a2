// The single-line boxes and the roads by which text reaches them: typed
// characters pass the box's key filter, an input method's commit passes it
// one character at a time, the filtered boxes refuse pasting, and whatever
// the edit control then holds passes the program's last check.
#pragma once

#include "win32/native_control.h"

#include <string_view>

namespace kulbo {

class TextBox;

class TextBoxControl : public NativeControl {
public:
    TextBoxControl(TextBox& box, ControlContext& context);

    void sync() override;

private:
    ChildWindow describe() const override;
    void command(int notification) override;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool filtered() const;
    // Text an input method committed, as WM_IME_COMPOSITION brings it.
    void commit(std::wstring_view text);
    LRESULT character(WPARAM unit, LPARAM lParam);
    void insert(char32_t character);
    void keep();

    TextBox& box_;
    wchar_t highSurrogate_ = 0;  // the first half of a character typed in two
    bool keeping_ = false;
};

}  // namespace kulbo
