#pragma once

#include <QColor>
#include <QObject>

class QLabel;
class QPalette;
class QWidget;

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

// Keeps the window's texts readable on whatever palette the desktop gives,
// now and after every change of palette or style while the game runs.
class Readability : public QObject {
public:
    Readability(QWidget* window, QLabel* player, QLabel* computer);
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QLabel* m_player;
    QLabel* m_computer;
    QColor m_playerOwn;
    QColor m_computerOwn;
    bool m_applying = false;
};

} // namespace kalvado
