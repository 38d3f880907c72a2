// The top-level window: its class, its place on the screen, its size at
// its DPI and its own messages (closing, the session's end, activation, the
// settle timer); it holds the native controls and follows the model.
#pragma once

#include "app/program.h"
#include "win32/controls.h"
#include "win32/focus_keeper.h"
#include "win32/key_router.h"
#include "win32/looks.h"

#include <windows.h>

namespace kulbo {

class MainWindow : private WindowFront {
public:
    explicit MainWindow(Program& program);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    const ControlSet& controls() const { return controls_; }
    FocusKeeper& focus() { return focus_; }
    int dpi() const { return looks_.dpi(); }

    // Shows the window centred on the screen, the focus on this control.
    void showCentred(const Control* focus);

    // Calls Program::settle this long from now.
    void settleAfter(UINT milliseconds);

    // A message the loop took from the queue, before it is translated and
    // dispatched; true when the program used it up.
    bool preTranslate(const MSG& message);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Control* focused() const override { return focus_.focused(); }
    void apply(const std::vector<WindowChange>& changes) override;

    void applyWindowState();
    void applyOuterSize();
    void followSize(WPARAM kind);
    void changeDpi(int dpi, const RECT& suggested);

    Program& program_;
    Form1& form_;
    HWND window_;
    Looks looks_;
    ControlSet controls_;
    FocusKeeper focus_{window_, controls_};
    KeyRouter keys_{program_, focus_};
};

}  // namespace kulbo
