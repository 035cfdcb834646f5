#pragma once

#include <QString>

class QAction;
class QLabel;

namespace kalvado {

// Sets a label's caption; a self-sizing label (the form marks them with
// the property autoSize: the read-out's and the totals') fits its text and
// keeps its leading edge.
void SetLabelText(QLabel* label, const QString& text);

// The score labels: each side's total in two digits after its prefix
// ("Player total:04"), in the player's language.
void ShowTotals(QLabel* player, QLabel* computer, int playerTotal, int computerTotal);

// Adds or removes the " *" that marks the skin in use at the end of an
// Option menu item, in every language.
void MarkSkin(QAction* item, bool marked);

} // namespace kalvado
