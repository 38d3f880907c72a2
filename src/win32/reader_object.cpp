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

    // Everything else is the system object's answer.
#define KULBO_SYSTEM_ANSWERS(method, parameters, arguments) \
    HRESULT STDMETHODCALLTYPE method parameters override { return system_->method arguments; }
    KULBO_SYSTEM_ANSWERS(GetTypeInfoCount, (UINT* count), (count))
    KULBO_SYSTEM_ANSWERS(GetTypeInfo, (UINT index, LCID locale, ITypeInfo** info), (index, locale, info))
    KULBO_SYSTEM_ANSWERS(GetIDsOfNames, (REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids),
                         (id, names, count, locale, ids))
    KULBO_SYSTEM_ANSWERS(Invoke,
                         (DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                          EXCEPINFO* exception, UINT* argumentError),
                         (member, id, locale, flags, parameters, result, exception, argumentError))
    KULBO_SYSTEM_ANSWERS(get_accParent, (IDispatch** parent), (parent))
    KULBO_SYSTEM_ANSWERS(get_accChildCount, (long* count), (count))
    KULBO_SYSTEM_ANSWERS(get_accChild, (VARIANT child, IDispatch** object), (child, object))
    KULBO_SYSTEM_ANSWERS(get_accValue, (VARIANT child, BSTR* value), (child, value))
    KULBO_SYSTEM_ANSWERS(get_accRole, (VARIANT child, VARIANT* role), (child, role))
    KULBO_SYSTEM_ANSWERS(get_accState, (VARIANT child, VARIANT* state), (child, state))
    KULBO_SYSTEM_ANSWERS(get_accHelp, (VARIANT child, BSTR* help), (child, help))
    KULBO_SYSTEM_ANSWERS(get_accHelpTopic, (BSTR* file, VARIANT child, long* topic), (file, child, topic))
    KULBO_SYSTEM_ANSWERS(get_accKeyboardShortcut, (VARIANT child, BSTR* shortcut), (child, shortcut))
    KULBO_SYSTEM_ANSWERS(get_accFocus, (VARIANT* child), (child))
    KULBO_SYSTEM_ANSWERS(get_accSelection, (VARIANT* children), (children))
    KULBO_SYSTEM_ANSWERS(get_accDefaultAction, (VARIANT child, BSTR* action), (child, action))
    KULBO_SYSTEM_ANSWERS(accSelect, (long how, VARIANT child), (how, child))
    KULBO_SYSTEM_ANSWERS(accLocation, (long* left, long* top, long* width, long* height, VARIANT child),
                         (left, top, width, height, child))
    KULBO_SYSTEM_ANSWERS(accNavigate, (long direction, VARIANT start, VARIANT* end), (direction, start, end))
    KULBO_SYSTEM_ANSWERS(accHitTest, (long left, long top, VARIANT* child), (left, top, child))
    KULBO_SYSTEM_ANSWERS(accDoDefaultAction, (VARIANT child), (child))
    KULBO_SYSTEM_ANSWERS(put_accName, (VARIANT child, BSTR name), (child, name))
    KULBO_SYSTEM_ANSWERS(put_accValue, (VARIANT child, BSTR value), (child, value))
#undef KULBO_SYSTEM_ANSWERS

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
