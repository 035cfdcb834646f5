#pragma once

namespace kalvado {

// The window's client area below the menu bar, fixed in logical pixels.
constexpr int CLIENT_WIDTH = 792;
constexpr int CLIENT_HEIGHT = 498;

} // namespace kalvado
