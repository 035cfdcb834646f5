#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvado {

// The column (from X) or row (from Y) under a position on the board
// surface. The result may lie outside 0..7; it is empty only for a
// position that cannot be turned into a 16-bit number (not finite, huge).
std::optional<std::int16_t> CellFromPosition(float coordinate);

// A number as the read-out shows it: a blank or "-" before the digits.
std::string NumberText(long value);

} // namespace kalvado
