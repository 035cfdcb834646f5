#pragma once

#include <QColor>

class QPalette;

namespace kalvado {

// Relative luminance and contrast ratio as the web's accessibility
// guidelines define them: 1 for equal colours, 21 for black on white.
double Luminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// The colour of the same hue nearest to `colour` (mixed with as little white
// or black as will do) that reaches `least` against `background`.
QColor ReadableShade(const QColor& colour, const QColor& background, double least);

// A score label's colour: its own where it stands out at all (3 : 1), else
// the nearest shade of it that is readable (4.5 : 1).
QColor ScoreColour(const QColor& own, const QColor& background);

// The palette with every text role readable on its background in the
// active and inactive groups; a selection too light for its text is
// darkened rather than its text changed. A readable palette comes back
// unchanged.
QPalette ReadablePalette(const QPalette& palette);

} // namespace kalvado
