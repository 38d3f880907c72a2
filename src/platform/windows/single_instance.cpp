#include "platform/windows/instance_name.h"

#include "platform/windows/wide_text.h"

#include <windows.h>
#include <sddl.h>

namespace kulbo {

namespace {

std::wstring userSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::wstring sid;
    std::string buffer(size, '\0');
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        wchar_t* text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
            sid = text;
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

struct InstanceLock::Held {
    HANDLE object = nullptr;
    void release() {
        if (object) CloseHandle(object);
        object = nullptr;
    }
};

InstanceLock::InstanceLock() : held_(std::make_unique<Held>()) {}

InstanceLock::~InstanceLock() { held_->release(); }

std::wstring instanceName() {
    std::wstring sid = userSid();
    return sid.empty() ? L"" : L"Local\\" + wide(KULBO_APP_ID) + L"-" + sid;
}

InstanceCheck InstanceLock::acquire() {
    std::wstring name = instanceName();
    return name.empty() ? InstanceCheck::Unknown : acquireNamed(*this, name);
}

// The object lives while any copy holds it; the system closes a copy's
// handle when it ends, however it ends.
InstanceCheck acquireNamed(InstanceLock& lock, const std::wstring& name) {
    InstanceLock::Held& held = lock.held();
    held.release();
    HANDLE object = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!object) return GetLastError() == ERROR_ACCESS_DENIED ? InstanceCheck::AnotherRunning : InstanceCheck::Unknown;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(object);
        return InstanceCheck::AnotherRunning;
    }
    held.object = object;
    return InstanceCheck::Alone;
}

}  // namespace kulbo
