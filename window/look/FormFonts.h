#pragma once

#include <QFont>
#include <QString>

namespace Ui {
class frmGame;
}

namespace kalvado {

// A face of the form at a size. The form's faces are Windows fonts; where
// one is missing, the first installed look-alike takes its place.
QFont formFont(const QString& face, double points, bool bold, bool underline = false);

// Gives every control of the form its font.
void applyFormFonts(Ui::frmGame& ui);

} // namespace kalvado
