#include "labels/ReadOut.h"

#include <QCoreApplication>

#include <cmath>

#include "BoardGeometry.h"
#include "labels/Captions.h"
#include "language/Language.h"
#include "ui_frmGame.h"

namespace kalvado {

QString NumberText(long value)
{
    const unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    // The board's numbers read as they do in any language: "-45", not "45-".
    return Isolated((value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(magnitude));
}

void TranslateReadOut(Ui::frmGame& ui)
{
    ui.LabelX->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer X, pixels"));
    ui.LabelY->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer Y, pixels"));
    ui.IntPosX->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer column"));
    ui.IntPosY->setAccessibleDescription(QCoreApplication::translate("frmGame", "Pointer row"));
    // The row labels take their text from the form, as designed; a
    // language that needs more room than the form gives them fits them.
    // That is measured once the window is on its way: text in some scripts
    // takes a while to measure, and nothing is painted before.
    for (QLabel* label : {ui.Label4, ui.Label5})
        QMetaObject::invokeMethod(label, [label] {
            const QSize needed(label->sizeHint().width(), label->fontMetrics().tightBoundingRect(label->text()).height());
            if (needed.width() > label->width() || needed.height() > label->height())
                SetLabelText(label, label->text());
        }, Qt::QueuedConnection);
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
