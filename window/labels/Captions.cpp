#include "labels/Captions.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

namespace kalvado {

void SetLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

void ShowTotals(QLabel* player, QLabel* computer, int playerTotal, int computerTotal)
{
    auto twoDigits = [](int total) { return QString::number(total).rightJustified(2, '0'); };
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
