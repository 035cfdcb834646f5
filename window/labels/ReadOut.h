#pragma once

#include <QString>

namespace Ui {
class frmGame;
}

namespace kalvado {

// A number as the read-out shows it: a blank or "-" before the digits.
QString NumberText(long value);

// Tells assistive technology what the read-out's bare numbers are, in the
// player's language (again when it changes).
void DescribeReadOut(Ui::frmGame& ui);

// The pointer's position on the board in pixels, and the column and row
// under it.
void ShowPointerReadOut(Ui::frmGame& ui, float x, float y);

} // namespace kalvado
