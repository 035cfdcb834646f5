#include "ReadOut.h"

#include <QCoreApplication>

#include <cmath>

#include "Position.h"
#include "ui_frmGame.h"

namespace kalvado {

void SetLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

void SetUpReadOut(Ui::frmGame& ui)
{
    for (QLabel* label :
         {ui.Label4, ui.Label5, ui.LabelX, ui.LabelY, ui.IntPosX, ui.IntPosY, ui.lblPlayer, ui.lblCom})
        label->setProperty("autoSize", true);
    DescribeReadOut(ui);
}

void DescribeReadOut(Ui::frmGame& ui)
{
    ui.LabelX->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer X, pixels"));
    ui.LabelY->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer Y, pixels"));
    ui.IntPosX->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer column"));
    ui.IntPosY->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer row"));
}

void ShowPointerReadOut(Ui::frmGame& ui, float x, float y)
{
    auto cellText = [](float v) {
        const auto cell = CellFromPosition(v);
        return cell ? QString::fromStdString(NumberText(*cell)) : QString();
    };
    auto positionText = [](float v) { return QString::fromStdString(NumberText(std::lround(v))); };
    const QString col = cellText(x);
    SetLabelText(ui.LabelX, positionText(x));
    SetLabelText(ui.IntPosX, col);
    const QString row = cellText(y);
    SetLabelText(ui.LabelY, positionText(y));
    SetLabelText(ui.IntPosY, row);
}

} // namespace kalvado
