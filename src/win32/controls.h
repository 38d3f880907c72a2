// The window's native controls, one for each control of the model, made
// from the model's tree and kept in step with it by the core's steps. What
// only Windows needs stays with them: command buttons drawn by the program,
// panels and frames painted by it, the history box's keys, and the roads by
// which text reaches a box.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace kulbo {

class Control;
class FocusKeeper;
class Looks;
class NativeControl;
class Program;
struct WindowChange;

// A window's text as it shows it.
std::wstring windowText(HWND window);

// How many whole lines a multi-line box shows at once.
int linesInSight(HWND box);

class ControlSet {
public:
    // Makes the controls under the top-level window.
    ControlSet(HWND window, Program& program, Looks& looks);
    ~ControlSet();

    HWND handleOf(const Control& control) const;
    Control* controlOf(HWND window) const;

    // One of the steps by which the window follows the model.
    void apply(const WindowChange& change, FocusKeeper& focus);

    // The window's DPI changed: fonts and places anew.
    void placeAll();

    // A message a parent got about one of its children (a notification,
    // owner drawing, colours), handled by that child; false when the message
    // is of another kind or the child is not ours.
    static bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    void build(Control& container, HWND parent);

    Program& program_;
    Looks& looks_;
    std::map<const Control*, std::unique_ptr<NativeControl>> natives_;
};

}  // namespace kulbo
