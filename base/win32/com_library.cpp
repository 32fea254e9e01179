#include "base/win32/com_library.h"

#include "base/win32/com_apartment.h"
#include "base/win32/system_library.h"

namespace dusk::win32::com {

namespace {

struct Library {
    UniqueModule ole32 = LoadSystemLibrary(L"ole32.dll");
    UniqueModule oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    decltype(&::CoInitializeEx) initialize =
        ExportedFunction<decltype(&::CoInitializeEx)>(ole32.Get(), "CoInitializeEx");
    decltype(&::CoUninitialize) uninitialize =
        ExportedFunction<decltype(&::CoUninitialize)>(ole32.Get(), "CoUninitialize");
    decltype(&::CoCreateInstance) createInstance =
        ExportedFunction<decltype(&::CoCreateInstance)>(ole32.Get(), "CoCreateInstance");
    decltype(&::CoTaskMemFree) taskMemFree =
        ExportedFunction<decltype(&::CoTaskMemFree)>(ole32.Get(), "CoTaskMemFree");
    decltype(&::SysAllocStringLen) allocString =
        ExportedFunction<decltype(&::SysAllocStringLen)>(oleaut32.Get(), "SysAllocStringLen");
    decltype(&::SysFreeString) freeString =
        ExportedFunction<decltype(&::SysFreeString)>(oleaut32.Get(), "SysFreeString");
    decltype(&::SysStringLen) stringLength =
        ExportedFunction<decltype(&::SysStringLen)>(oleaut32.Get(), "SysStringLen");
};

// Loaded at the first call and kept for the process.
const Library& Loaded() {
    static const Library library;
    return library;
}

}  // namespace

HRESULT InitializeApartment() {
    const auto initialize = Loaded().initialize;
    return initialize != nullptr ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
}

void UninitializeApartment() {
    if (const auto uninitialize = Loaded().uninitialize) uninitialize();
}

HRESULT CreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object) {
    *object = nullptr;
    thread_local const ComApartment apartment;
    const auto create = Loaded().createInstance;
    return create != nullptr ? create(classId, nullptr, context, interfaceId, object) : E_FAIL;
}

void TaskMemFree(void* memory) {
    if (const auto free = Loaded().taskMemFree) free(memory);
}

BSTR AllocString(const wchar_t* text, UINT length) {
    const auto alloc = Loaded().allocString;
    return alloc != nullptr ? alloc(text, length) : nullptr;
}

void FreeString(BSTR text) {
    if (const auto free = Loaded().freeString) free(text);
}

UINT StringLength(BSTR text) {
    const auto length = Loaded().stringLength;
    return length != nullptr ? length(text) : 0;
}

}  // namespace dusk::win32::com
