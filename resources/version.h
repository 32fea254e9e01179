#pragma once
// The program's version, for the VERSIONINFO resource and for the code alike (no C++ here:
// windres reads this file too).
#define DUSK_VERSION_MAJOR 2
#define DUSK_VERSION_MINOR 1
#define DUSK_VERSION_PATCH 0
#define DUSK_VERSION_BUILD 0
#define DUSK_VERSION_TEXT "2.1.0.0"
#define DUSK_PRODUCT_NAME "Tolvane Dusk Relay"
#define DUSK_COMPANY_NAME "Tolvane"
#define DUSK_EXE_NAME "DuskRelay.exe"

#define DUSK_WIDEN2(text) L##text
#define DUSK_WIDEN(text) DUSK_WIDEN2(text)
