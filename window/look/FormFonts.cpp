#include "look/FormFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "ui_frmGame.h"

namespace kalvado {

namespace {

// Resolving the name here rather than through the toolkit's substitution
// spares a fontconfig fallback search for every label at start-up.
QString installedFamily(const QString& face)
{
    static const QHash<QString, QStringList> lookAlikes{
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"PMingLiU", {"AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK TC", "DejaVu Serif"}},
    };
    // A plain list look-up: asking about a missing family by name sends
    // fontconfig through its whole alias search.
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(face, Qt::CaseInsensitive))
        return face;
    for (const QString& family : lookAlikes.value(face))
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return face;
}

} // namespace

QFont formFont(const QString& face, double points, bool bold, bool underline)
{
    QFont font(installedFamily(face));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline); // set either way, so no frame's underline is inherited
    return font;
}

void applyFormFonts(Ui::frmGame& ui)
{
    const QString ms = "MS Sans Serif";
    ui.fraInfo->setFont(formFont(ms, 9.75, false, true));
    for (QLabel* label : {ui.Label1, ui.Label4, ui.Label5, ui.Label6})
        label->setFont(formFont(ms, 9.75, false));
    for (QLabel* label : {ui.LabelX, ui.LabelY, ui.IntPosX, ui.IntPosY})
        label->setFont(formFont(ms, 9.75, true));
    ui.lblInfo->setFont(formFont("Arial", 12, true));
    ui.lblPlayer->setFont(formFont("PMingLiU", 16.5, false));
    ui.lblCom->setFont(formFont("PMingLiU", 16.5, false));
}

} // namespace kalvado
