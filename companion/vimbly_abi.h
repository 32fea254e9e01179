#pragma once
// The C interface of Vimbly.dll. Every function is __stdcall and exported under its plain name
// (no @n decoration). Texts are null-terminated UTF-16; windows are passed as HWND.
#include <windows.h>

#include <cstdint>

#include "companion/os_info_record.h"

#ifdef VIMBLY_BUILDING_DLL
#define VIMBLY_API extern "C" __declspec(dllexport)
#else
#define VIMBLY_API extern "C" __declspec(dllimport)
#endif

// Starts the library.
//   title, version: the host program's name and version, shown on the information pages.
//   mainWindow:     the host's main window.
//   reserved:       null.
//   flags:          4.
//   unused:         preset by the host, not written.
//   skinCode:       preset to 1; receives the skin to apply, 1 Blue ... 5 Red: the colour last
//                   given to g_VimblyDLL_SetSkin by this user, 1 the first time.
//   screen:         the host's screen object; null when it has none.
VIMBLY_API void __stdcall g_VimblyDLL_InitDLL(const wchar_t* title, const wchar_t* version,
                                              HWND mainWindow, const wchar_t* reserved,
                                              std::int32_t flags, std::int32_t* unused,
                                              std::uint8_t* skinCode, void* screen);

// Fills the operating-system record (all 3,980 bytes).
VIMBLY_API void __stdcall g_VimblyDLL_GetOSInfo(dusk::OsInfoRecord* record);

// Draw an information page into the panel, at left/top with the given size.
VIMBLY_API void __stdcall g_VimblyDLL_ShowVimbly(HWND panel, std::int32_t left, std::int32_t top,
                                                 std::int32_t width, std::int32_t height);
VIMBLY_API void __stdcall g_VimblyDLL_ShowOurProducts(HWND panel, std::int32_t left,
                                                      std::int32_t top, std::int32_t width,
                                                      std::int32_t height);

// Registers one of the host's windows under a name; a later call with the same name replaces it.
VIMBLY_API void __stdcall g_VimblyDLL_AddForm(const wchar_t* name, HWND window);

// Styles one of the host's borderless windows (called on creation and on every resize).
VIMBLY_API void __stdcall g_VimblyDLL_FormStyle(HWND window);

// Tells the library that the main window changed its size.
VIMBLY_API void __stdcall g_VimblyDLL_ChangeSize(void);

// The skin now shown: 0 Blue, 1 Green, 2 Black, 3 Yellow, 4 Red. Remembered for this user.
VIMBLY_API void __stdcall g_VimblyDLL_SetSkin(std::uint8_t buttonColor);

// Opens the maker's web page in the user's browser.
VIMBLY_API void __stdcall g_VimblyDLL_VisitHomePage(void);

// A modal message box owned by owner, with the MessageBoxW style bits; answers the button
// pressed (IDYES 6, IDNO 7, IDOK 1), 0 when no box could be shown.
VIMBLY_API std::int32_t __stdcall g_VimblyDLL_MessageBox(HWND owner, const wchar_t* text,
                                                         const wchar_t* caption,
                                                         std::uint32_t style);
