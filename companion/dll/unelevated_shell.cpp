#include "companion/dll/unelevated_shell.h"

// initguid.h first: this file defines the shell's identities it uses.
// clang-format off
#include <initguid.h>
#include <windows.h>
// clang-format on
#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "base/win32/com_apartment.h"
#include "base/win32/unique_handle.h"

namespace dusk::vimbly {

namespace {

using win32::ComPtr;
using UniqueBstr = win32::UniqueResource<win32::HandleTraits<BSTR, win32::com::FreeString>>;

// VT_EMPTY, as VariantInit leaves it.
VARIANT EmptyVariant() { return VARIANT{}; }

// The shell object of the desktop window's Explorer.
ComPtr<IShellDispatch2> DesktopShell() {
    ComPtr<IShellWindows> windows;
    ComPtr<IDispatch> desktop;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> background;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    ComPtr<IShellDispatch2> shell;
    VARIANT none = EmptyVariant();
    long window = 0;
    if (FAILED(win32::com::CreateInstance(CLSID_ShellWindows, CLSCTX_LOCAL_SERVER,
                                          IID_IShellWindows, windows.PutVoid())) ||
        windows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              desktop.Put()) != S_OK ||
        !desktop || FAILED(desktop.As(IID_IServiceProvider, services)) ||
        FAILED(
            services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.PutVoid())) ||
        FAILED(browser->QueryActiveShellView(view.Put())) ||
        FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.PutVoid())) ||
        FAILED(background.As(IID_IShellFolderViewDual, folderView)) ||
        FAILED(folderView->get_Application(application.Put())) ||
        FAILED(application.As(IID_IShellDispatch2, shell))) {
        return {};
    }
    return shell;
}

}  // namespace

bool OpenUnelevated(const wchar_t* target) {
    const win32::ComApartment com;
    const ComPtr<IShellDispatch2> shell = DesktopShell();
    if (!shell) return false;
    const UniqueBstr file(win32::com::AllocString(target, UINT(::lstrlenW(target))));
    VARIANT show = EmptyVariant();
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    return SUCCEEDED(
        shell->ShellExecute(file.Get(), EmptyVariant(), EmptyVariant(), EmptyVariant(), show));
}

}  // namespace dusk::vimbly
