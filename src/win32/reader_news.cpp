#include "win32/reader_news.h"

#include "platform/windows/system_library.h"
#include "platform/windows/wide_text.h"

#include <oleauto.h>

namespace kulbo {

namespace {

// UI Automation's notifications came with Windows 10 1709: looked up, so
// that older systems still run (and say nothing more).
using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotification = HRESULT(WINAPI*)(IUnknown*, int kind, int processing, BSTR text, BSTR activity);
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 3;

void speak(HWND control, const std::string& news) {
    static const auto hostProvider = systemFunction<HostProvider>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto raise = systemFunction<RaiseNotification>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    IUnknown* provider = nullptr;
    if (!hostProvider || !raise || FAILED(hostProvider(control, &provider)) || !provider) return;
    BSTR text = allocateString(wide(news).c_str());
    BSTR activity = allocateString(L"Kulbo.Pick");
    raise(provider, kActionCompleted, kMostRecent, text, activity);
    freeString(activity);
    freeString(text);
    provider->Release();
}

}  // namespace

void announce(HWND control, bool name, const std::string& news) {
    DWORD event = name ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE;
    NotifyWinEvent(event, control, OBJID_CLIENT, CHILDID_SELF);
    if (!news.empty()) speak(control, news);
}

}  // namespace kulbo
