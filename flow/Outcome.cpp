#include "Outcome.h"

namespace kalvado {

std::string CellName(int col, int row)
{
    return std::string(1, static_cast<char>('A' + col)) + std::to_string(row + 1);
}

} // namespace kalvado
