#include "controls/win32/accessible_name.h"

// clang-format off
#include <commctrl.h>
#include <oleacc.h>
// clang-format on

#include <iterator>
#include <memory>
#include <utility>

#include "base/win32/com_library.h"
#include "base/win32/system_library.h"
#include "controls/win32/accessible_object.h"
#include "controls/win32/control_accessible.h"

namespace dusk::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4E414D45;  // "NAME"

// The subclass calls of the common controls, taken from the version the manifest names: the
// program imports nothing from comctl32 at load time.
struct SubclassCalls {
    using SetFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using RemoveFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    using DefaultFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

    UniqueModule library = LoadCommonControls();
    SetFn set = ExportedFunction<SetFn>(library.Get(), "SetWindowSubclass");
    RemoveFn remove = ExportedFunction<RemoveFn>(library.Get(), "RemoveWindowSubclass");
    DefaultFn byDefault = ExportedFunction<DefaultFn>(library.Get(), "DefSubclassProc");

    bool Complete() const { return set != nullptr && remove != nullptr && byDefault != nullptr; }
};

const SubclassCalls& Subclassing() {
    static const SubclassCalls calls;
    return calls;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = com::AllocString(text.data(), UINT(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The standard object of a control with another name; everything else is passed on to it.
class NamedAccessible final : public AccessibleObject {
public:
    NamedAccessible(HWND window, IAccessible* standard, std::wstring name)
        : window_(window), standard_(standard), name_(std::move(name)) {}
    ~NamedAccessible() override { standard_->Release(); }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        return ReturnText(name_, name);
    }
    // The standard object names a picker by its text; with the name taken, the text is its
    // value where the standard object has none.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const HRESULT result = standard_->get_accValue(child, value);
        if (!IsSelf(child) || value == nullptr || (result == S_OK && *value != nullptr)) {
            return result;
        }
        if (result == S_OK) com::FreeString(*value);
        *value = nullptr;
        wchar_t text[128]{};
        ::GetWindowTextW(window_, text, int(std::size(text)));
        return text[0] != L'\0' ? ReturnText(text, value) : result;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    HWND window_;
    IAccessible* standard_;  // owned reference
    std::wstring name_;
};

LRESULT AnswerWithName(HWND window, WPARAM wParam, const std::wstring& name) {
    using CreateStandardFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    const auto create =
        reinterpret_cast<CreateStandardFn>(AccessibilityExport("CreateStdAccessibleObject"));
    const auto answer =
        reinterpret_cast<LresultFromObjectFn>(AccessibilityExport("LresultFromObject"));
    IAccessible* standard = nullptr;
    if (create == nullptr || answer == nullptr ||
        FAILED(create(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
        return 0;
    auto* named = new NamedAccessible(window, standard, name);
    const LRESULT result = answer(IID_IAccessible, wParam, named);
    named->Release();  // the result holds its own reference
    return result;
}

LRESULT CALLBACK NamedControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
    auto* name = reinterpret_cast<std::wstring*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        // A control with an object of its own keeps it.
        const LRESULT own = Subclassing().byDefault(window, message, wParam, lParam);
        return own != 0 ? own : AnswerWithName(window, wParam, *name);
    }
    if (message == WM_NCDESTROY) {
        Subclassing().remove(window, NamedControlProc, kSubclassId);
        const std::unique_ptr<std::wstring> owned(name);  // the subclass's own copy goes with it
    }
    return Subclassing().byDefault(window, message, wParam, lParam);
}

}  // namespace

bool NameForAccessibility(HWND control, const std::wstring& name) {
    if (control == nullptr || !Subclassing().Complete()) return false;
    // Owned by the subclass from here on; freed at WM_NCDESTROY.
    auto held = std::make_unique<std::wstring>(name);
    if (!Subclassing().set(control, NamedControlProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(held.get()))) {
        return false;
    }
    held.release();
    return true;
}

}  // namespace dusk::win32
