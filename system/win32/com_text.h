#pragma once
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "base/win32/com_library.h"
#include "base/win32/unique_handle.h"

namespace dusk::win32 {

using UniqueBstr = UniqueResource<HandleTraits<BSTR, com::FreeString>>;
using UniqueTaskMemText = UniqueResource<HandleTraits<LPWSTR, com::TaskMemFree>>;

inline UniqueBstr MakeBstr(std::wstring_view text) {
    return UniqueBstr(com::AllocString(text.data(), static_cast<UINT>(text.size())));
}

// The text a getter hands over as a BSTR; false when the getter fails.
template <typename Getter>
bool ReadBstr(Getter getter, std::wstring& out) {
    UniqueBstr text;
    if (FAILED(getter(text.Put()))) return false;
    out.assign(text.Get(), text ? com::StringLength(text.Get()) : 0);
    return true;
}

// The text a getter hands over in task memory; false when the getter fails.
template <typename Getter>
bool ReadTaskMemText(Getter getter, std::wstring& out) {
    UniqueTaskMemText text;
    if (FAILED(getter(text.Put()))) return false;
    out = text ? text.Get() : L"";
    return true;
}

}  // namespace dusk::win32
