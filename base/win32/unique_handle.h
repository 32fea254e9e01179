#pragma once
#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace dusk::win32 {

// Move-only owner of one handle. Traits give the handle type, its invalid value and how to
// close it: struct { using Handle = ...; static Handle Invalid(); static void Close(Handle); }.
template <typename Traits>
class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Gives up ownership without closing.
    Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle handle = Traits::Invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid() && old != handle) Traits::Close(old);
    }

    // For functions that return a handle through a pointer; closes the one held first.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <typename H, auto CloseFunction, H InvalidValue = H{}>
struct HandleTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return InvalidValue; }
    static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

// CreateFileW answers INVALID_HANDLE_VALUE on failure, which is not a constant expression.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

using UniqueHandle = UniqueResource<HandleTraits<HANDLE, ::CloseHandle>>;
using UniqueFile = UniqueResource<FileHandleTraits>;
using UniqueKey = UniqueResource<HandleTraits<HKEY, ::RegCloseKey>>;
using UniqueIcon = UniqueResource<HandleTraits<HICON, ::DestroyIcon>>;
using UniqueMenu = UniqueResource<HandleTraits<HMENU, ::DestroyMenu>>;
using UniqueDC = UniqueResource<HandleTraits<HDC, ::DeleteDC>>;  // created DCs only
using UniqueWindow = UniqueResource<HandleTraits<HWND, ::DestroyWindow>>;
using UniqueMappedView = UniqueResource<HandleTraits<void*, ::UnmapViewOfFile>>;
// Memory the system hands over to be freed with LocalFree (SID texts, security descriptors).
template <typename Pointer>
using UniqueLocalMemory = UniqueResource<HandleTraits<Pointer, ::LocalFree>>;

template <typename GdiObject>
using UniqueGdi = UniqueResource<HandleTraits<GdiObject, ::DeleteObject>>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueRegion = UniqueGdi<HRGN>;

// Selects an object into a DC and puts the previous one back when it goes out of scope, so the
// object can be deleted afterwards (a selected object cannot).
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;
    ~SelectionGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Owns one reference to a COM object.
template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr& other) noexcept : ptr_(other.ptr_) {
        if (ptr_ != nullptr) ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const noexcept { return ptr_; }
    T* operator->() const noexcept { return ptr_; }
    explicit operator bool() const noexcept { return ptr_ != nullptr; }

    void Reset() noexcept {
        if (T* old = std::exchange(ptr_, nullptr)) old->Release();
    }
    // For creation functions that hand over a reference through T**.
    T** Put() noexcept {
        Reset();
        return &ptr_;
    }
    // For functions such as CoCreateInstance that take void**.
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    // QueryInterface into another pointer; many MinGW interfaces carry no __uuidof, hence the IID.
    template <typename U>
    HRESULT As(REFIID iid, ComPtr<U>& out) const noexcept {
        if (ptr_ == nullptr) return E_POINTER;
        return ptr_->QueryInterface(iid, out.PutVoid());
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace dusk::win32
