#include "win32/main_window.h"

#include "app/geometry.h"
#include "platform/windows/wide_text.h"
#include "win32/resources.h"
#include "win32/window_size.h"

namespace kulbo {

namespace {

constexpr UINT_PTR kSettleTimer = 1;

HICON loadIcon(int id, int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

const wchar_t* windowClass() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = DefWindowProcW;  // until the window knows its object
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.hIcon = loadIcon(KULBO_ICON_WINDOW, GetSystemMetrics(SM_CXICON));
        type.hIconSm = loadIcon(KULBO_ICON_WINDOW, GetSystemMetrics(SM_CXSMICON));
        type.lpszClassName = L"KulboWindow";
        RegisterClassExW(&type);
        return L"KulboWindow";
    }();
    return name;
}

HWND createWindow(const std::string& caption) {
    return CreateWindowExW(0, windowClass(), wide(caption).c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

MainWindow::MainWindow(Program& program)
    : program_(program),
      form_(program.form()),
      window_(createWindow(form_.Caption)),
      looks_(dpiOf(window_)),
      controls_(window_, program_, looks_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::procedure));
    program_.follow(this);
}

MainWindow::~MainWindow() {
    program_.follow(nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void MainWindow::showCentred(const Control* focus) {
    RECT outer;
    GetWindowRect(window_, &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    focus_.focusOn(focus);
}

void MainWindow::settleAfter(UINT milliseconds) { SetTimer(window_, kSettleTimer, milliseconds, nullptr); }

bool MainWindow::preTranslate(const MSG& message) {
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    return keys_.preTranslate(message);
}

void MainWindow::apply(const std::vector<WindowChange>& changes) {
    for (const WindowChange& change : changes) {
        if (change.control != &form_) {
            controls_.apply(change, focus_);
        } else if (change.step == WindowChange::Content) {
            SetWindowTextW(window_, wide(form_.Caption.get()).c_str());
        } else if (change.step == WindowChange::WindowState) {
            applyWindowState();
        } else if (change.step == WindowChange::Geometry) {
            applyOuterSize();
        }
    }
}

void MainWindow::applyWindowState() {
    bool minimized = IsIconic(window_), maximized = IsZoomed(window_);
    if (form_.WindowState == kMinimized && !minimized) ShowWindow(window_, SW_MINIMIZE);
    if (form_.WindowState == kMaximized && !maximized) ShowWindow(window_, SW_MAXIMIZE);
    if (form_.WindowState == kNormal && (minimized || maximized)) ShowWindow(window_, SW_RESTORE);
}

void MainWindow::applyOuterSize() {
    SIZE outer = outerSizeFor(form_.Width, form_.Height, looks_.dpi());
    RECT now;
    GetWindowRect(window_, &now);
    if (now.right - now.left != outer.cx || now.bottom - now.top != outer.cy)
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::followSize(WPARAM kind) {
    program_.windowStateChanged(kind == SIZE_MINIMIZED ? kMinimized : kind == SIZE_MAXIMIZED ? kMaximized : kNormal);
    if (kind == SIZE_MINIMIZED) return;
    RECT client;
    GetClientRect(window_, &client);
    int width = 0, height = 0;
    outerSizeForClient({client.right, client.bottom}, looks_.dpi(), width, height);
    program_.windowResized(width, height);
}

void MainWindow::changeDpi(int dpi, const RECT& suggested) {
    looks_.setDpi(dpi);
    controls_.placeAll();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyOuterSize();
    // The controls too: a static control that grows keeps its old picture.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; ControlSet::reflect(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_TIMER:
        if (wParam != kSettleTimer) break;
        KillTimer(window_, kSettleTimer);
        program_.settle();
        return 0;
    case WM_SIZE:
        followSize(wParam);
        return 0;
    case WM_ACTIVATE:
        if (focus_.activated(LOWORD(wParam) != WA_INACTIVE)) return 0;
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_CLOSE:  // the close box, Alt+F4 and the window menu alike
        program_.requestClose();
        return 0;
    case WM_QUERYENDSESSION:
        return program_.cancelSessionEnd((lParam & ENDSESSION_CRITICAL) == 0) ? FALSE : TRUE;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace kulbo
