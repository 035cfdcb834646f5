#include "labels/Captions.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

#include "language/Language.h"

namespace kalvado {

void SetLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (!label->property("autoSize").toBool())
        return;
    // Right to left, a label grows to the left: its right edge stays.
    const int right = label->x() + label->width();
    label->adjustSize();
    if (label->isRightToLeft())
        label->move(right - label->width(), label->y());
    // Marks that reach above or below the line (Arabic's) stay inside. (Up
    // to Greek no script has any, and measuring ink costs time.)
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x0370; });
    const int ink = plain ? 0 : label->fontMetrics().tightBoundingRect(text).height();
    if (ink > label->height())
        label->resize(label->width(), ink);
}

void ShowTotals(QLabel* player, QLabel* computer, int playerTotal, int computerTotal)
{
    auto twoDigits = [](int total) { return Isolated(QString::number(total).rightJustified(2, '0')); };
    //: %1 is the human's total in two digits, right after the colon.
    SetLabelText(player, QCoreApplication::translate("frmGame", "Player total:%1").arg(twoDigits(playerTotal)));
    //: %1 is the computer's total in two digits, right after the colon.
    SetLabelText(computer, QCoreApplication::translate("frmGame", "Computer total:%1").arg(twoDigits(computerTotal)));
}

void MarkSkin(QAction* item, bool marked)
{
    const QString mark = " *";
    if (marked && !item->text().endsWith(mark))
        item->setText(item->text() + mark);
    else if (!marked && item->text().endsWith(mark))
        item->setText(item->text().chopped(mark.size()));
}

} // namespace kalvado
