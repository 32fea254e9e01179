#include "controls/win32/control_accessible.h"

#include <oleacc.h>

#include <utility>

#include "base/win32/com_library.h"
#include "base/win32/system_library.h"
#include "controls/win32/accessible_object.h"

namespace dusk::win32 {

struct AccessibleHost::Shared {
    HWND window;
    AccessibleControl control;
    bool connected = true;
};

namespace {

template <typename Function>
Function AccessibilityFunction(const char* name) {
    return reinterpret_cast<Function>(AccessibilityExport(name));
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

void SetI4(VARIANT* out, LONG value) {
    *out = VARIANT{};  // VT_EMPTY, as VariantInit leaves it
    out->vt = VT_I4;
    out->lVal = value;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = com::AllocString(text.data(), UINT(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The IAccessible of one control window, without children.
class ControlAccessible final : public AccessibleObject {
public:
    explicit ControlAccessible(std::shared_ptr<AccessibleHost::Shared> shared)
        : shared_(std::move(shared)) {}

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
        const auto create =
            AccessibilityFunction<CreateStdAccessibleObjectFn>("CreateStdAccessibleObject");
        if (create == nullptr) return E_FAIL;
        return create(shared_->window, OBJID_WINDOW, IID_IDispatch,
                      reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child != nullptr) *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        return ReturnText(shared_->control.name(), name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        return ReturnText(L"", value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
        return ReturnText(L"", text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || role == nullptr) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        SetI4(role, AccessibleRoleNumber(shared_->control.role));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child) || state == nullptr) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        SetI4(state, AccessibleStateBits(shared_->control.role, shared_->control.facts()));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        return ReturnText(L"", help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (topic != nullptr) *topic = 0;
        return ReturnText(L"", file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override {
        return ReturnText(L"", keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) return E_POINTER;
        *focus = VARIANT{};
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        if (shared_->control.facts().focused) SetI4(focus, CHILDID_SELF);
        return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection != nullptr) *selection = VARIANT{};
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        const AccessibleControl& c = shared_->control;
        return ReturnText(AccessibleDefaultAction(c.role, c.facts().checked), action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        if ((flags & SELFLAG_TAKEFOCUS) != 0) ::SetFocus(shared_->window);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        const RECT bounds = shared_->control.screenBounds();
        *left = bounds.left;
        *top = bounds.top;
        *width = bounds.right - bounds.left;
        *height = bounds.bottom - bounds.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        if (end != nullptr) *end = VARIANT{};
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (child == nullptr) return E_POINTER;
        *child = VARIANT{};
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        const RECT bounds = shared_->control.screenBounds();
        const POINT point{x, y};
        if (!::PtInRect(&bounds, point)) return S_FALSE;
        SetI4(child, CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!Connected()) return CO_E_OBJNOTCONNECTED;
        if (!shared_->control.doDefault) return DISP_E_MEMBERNOTFOUND;
        shared_->control.doDefault();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    bool Connected() const { return shared_->connected; }

    std::shared_ptr<AccessibleHost::Shared> shared_;
};

}  // namespace

void* AccessibilityExport(const char* name) {
    // Not a known DLL, so never a load-time import (a copy beside the program would be taken
    // before the DLL search is limited).
    static const UniqueModule library = LoadSystemLibrary(L"oleacc.dll");
    return ExportedFunction<void*>(library.Get(), name);
}

AccessibleHost::AccessibleHost(HWND window, AccessibleControl control)
    : shared_(std::make_shared<Shared>(Shared{window, std::move(control)})) {}

AccessibleHost::~AccessibleHost() { shared_->connected = false; }

bool AccessibleHost::Answer(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    const auto answer = AccessibilityFunction<LresultFromObjectFn>("LresultFromObject");
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || answer == nullptr) return false;
    auto* object = new ControlAccessible(shared_);
    result = answer(IID_IAccessible, wParam, object);
    object->Release();  // the result holds its own reference
    return true;
}

void AccessibleHost::FocusChanged() const {
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, shared_->window, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleHost::StateChanged() const {
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, shared_->window, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleHost::NameChanged() const {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, shared_->window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace dusk::win32
