#pragma once

#include <QString>

namespace Ui {
class frmGame;
}

namespace kalvado {

// A number as the read-out shows it: a blank or "-" before the digits.
QString NumberText(long value);

// The read-out in the player's language (again when it changes): its row
// labels fitted where the language needs more room than the form gives,
// and its bare numbers described for assistive technology.
void TranslateReadOut(Ui::frmGame& ui);

// The pointer's position on the board in pixels, and the column and row
// under it.
void ShowPointerReadOut(Ui::frmGame& ui, float x, float y);

} // namespace kalvado
