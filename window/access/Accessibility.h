#pragma once

namespace kalvado {

// The board as a table of 8 x 8 named cells, the status line as a status
// bar, the separator as a separator. Installed once, before the window.
void InstallAccessibility();

} // namespace kalvado
