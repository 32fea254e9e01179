#pragma once

namespace dusk::vimbly {

// Opens a web page or document the way the user's desktop would: through the shell of the
// desktop window, which runs unelevated, so neither the browser nor the handler the user's
// registry names runs with this process's rights. False, and nothing opened, when the desktop's
// shell cannot be reached (no Explorer, or a system without it).
bool OpenUnelevated(const wchar_t* target);

}  // namespace dusk::vimbly
