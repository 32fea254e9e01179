#pragma once
#include <oleacc.h>

namespace dusk::win32 {

// The IUnknown of an IAccessible made with new: it starts with the caller's one reference and
// deletes itself at the last release.
class AccessibleObject : public IAccessible {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) final {
        if (out == nullptr) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return ::InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() final {
        const ULONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

protected:
    AccessibleObject() = default;
    virtual ~AccessibleObject() = default;
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

private:
    LONG references_ = 1;
};

}  // namespace dusk::win32
