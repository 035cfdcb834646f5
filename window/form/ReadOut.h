#pragma once

#include <QString>

class QLabel;
namespace Ui {
class frmGame;
}

namespace kalvado {

// Sets a label's caption; a self-sizing label (the read-out's and the
// totals') fits its text and keeps its left and top edge.
void SetLabelText(QLabel* label, const QString& text);

// Marks the self-sizing labels and tells assistive technology what the
// read-out's bare numbers are.
void SetUpReadOut(Ui::frmGame& ui);
// The read-out's descriptions, in the player's language (again when it
// changes).
void DescribeReadOut(Ui::frmGame& ui);

// The pointer's position on the board in pixels, and the column and row
// under it.
void ShowPointerReadOut(Ui::frmGame& ui, float x, float y);

} // namespace kalvado
