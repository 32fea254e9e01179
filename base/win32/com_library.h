#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <oleauto.h>

namespace dusk::win32::com {

// The COM calls the program makes, from ole32 and oleaut32 loaded out of the system folder at the
// first call rather than at start-up: only the Task Scheduler's jobs, the answers to screen
// readers and the home-page link need them. Each answers a failure (E_FAIL, null, 0) when the
// library or its function is missing.

HRESULT InitializeApartment();  // single-threaded, for the calling thread
void UninitializeApartment();
// Enters the calling thread's single-threaded apartment first, once per thread, for the thread's
// life.
HRESULT CreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object);
void TaskMemFree(void* memory);
BSTR AllocString(const wchar_t* text, UINT length);
void FreeString(BSTR text);
UINT StringLength(BSTR text);

}  // namespace dusk::win32::com
