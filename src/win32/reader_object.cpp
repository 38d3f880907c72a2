#include "win32/reader_object.h"

#include "app/readers.h"
#include "platform/windows/system_library.h"
#include "platform/windows/wide_text.h"

#include <oleacc.h>

namespace kulbo {

namespace {

// The system's object with the name and description the program gives the
// control, asked anew at each call; everything else is the system's.
class ReaderAccessible : public IAccessible {
public:
    ReaderAccessible(IAccessible* system, const Readers& readers, const Control& control)
        : system_(system), readers_(readers), control_(control) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return system_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            system_->Release();
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        std::string ours = isSelf(child) ? readers_.name(control_) : std::string();
        return ours.empty() ? system_->get_accName(child, name) : answer(ours, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        std::string ours = isSelf(child) ? readers_.description(control_) : std::string();
        return ours.empty() ? system_->get_accDescription(child, text) : answer(ours, text);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        return system_->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return system_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return system_->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override { return system_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return system_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return system_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return system_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    virtual ~ReaderAccessible() = default;

    static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    static HRESULT answer(const std::string& text, BSTR* out) {
        *out = allocateString(wide(text).c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* system_;
    const Readers& readers_;
    const Control& control_;
    LONG references_ = 1;
};

}  // namespace

// Only a screen reader asks: the library is loaded then.
LRESULT readerObject(HWND window, WPARAM wParam, const Readers& readers, const Control& control) {
    static const auto standardObject =
        systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto answerWith = systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    IAccessible* system = nullptr;
    if (!standardObject || !answerWith ||
        FAILED(standardObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&system))))
        return 0;
    auto* object = new ReaderAccessible(system, readers, control);
    LRESULT answer = answerWith(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();
    return answer < 0 ? 0 : answer;
}

}  // namespace kulbo
