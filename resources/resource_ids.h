#pragma once
// Identifiers of the resources that the code loads by number (read by windres and C++ alike).
#define DUSK_APP_ICON_ID 1
