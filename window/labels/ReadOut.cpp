#include "labels/ReadOut.h"

#include <QCoreApplication>

#include <cmath>

#include "BoardGeometry.h"
#include "labels/Captions.h"
#include "ui_frmGame.h"

namespace kalvado {

QString NumberText(long value)
{
    const unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(magnitude);
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
        return cell ? NumberText(*cell) : QString();
    };
    auto positionText = [](float v) { return NumberText(std::lround(v)); };
    const QString col = cellText(x);
    SetLabelText(ui.LabelX, positionText(x));
    SetLabelText(ui.IntPosX, col);
    const QString row = cellText(y);
    SetLabelText(ui.LabelY, positionText(y));
    SetLabelText(ui.IntPosY, row);
}

} // namespace kalvado
