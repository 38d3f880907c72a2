// The Win32 view of the window model: one native control per control, kept
// in step with the model through its change signal and with the system
// through the window's messages; what the user does goes back to the model
// as events. What is seen and where the focus goes, the view decides.
#pragma once

#include "app/form1.h"
#include "app/view.h"
#include "win32/looks.h"

#include <windows.h>

#include <functional>
#include <map>

namespace kulbo {

class MainWindow : private ChangeListener {
public:
    explicit MainWindow(Form1& form);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    HWND handleOf(const Control& control) const;
    Control* controlOf(HWND window) const;
    const View& view() const { return view_; }
    int dpi() const { return looks_.dpi(); }

    // Runs before every message that may run a handler, and once more a
    // period after it.
    void setBeforeEvent(std::function<void()> beforeEvent) { beforeEvent_ = std::move(beforeEvent); }

    // Shows the window centred on the screen at its design size.
    void showCentred();

    // A message the loop took from the queue, before it is translated and
    // dispatched. The window sees every key first; returns true when it used
    // the message up.
    bool preTranslate(const MSG& message);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void propertyChanged(Control& control, Property property) override;
    void textAppended(Control& control, std::size_t from) override;

    void buildChildren(Control& container, HWND parent);
    HWND createWidget(Control& control, HWND parent);
    void place(Control& control);
    void syncContent(Control& control);
    void syncShownSubtree(Control& control);
    void applyVisible();
    void refocus(Control* focusedBefore);
    void focusOn(Control* control);
    Control* focused() const;
    void beforeEvent();
    void applyWindowState();
    void applyOuterSize();
    void followSize(WPARAM kind);
    void changeDpi(int dpi, const RECT& suggested);
    void command(HWND child, int notification);
    LRESULT colours(HDC dc, HWND child);

    Form1& form_;
    View view_{form_};
    Looks looks_;
    HWND window_ = nullptr;
    std::map<const Control*, HWND> handles_;
    std::map<HWND, Control*> controls_;
    std::map<const Control*, HICON> pictures_;
    HWND focusWhileInactive_ = nullptr;
    bool swallowAltRelease_ = false;
    std::function<void()> beforeEvent_;
};

}  // namespace kulbo
