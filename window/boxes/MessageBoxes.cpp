#include "boxes/MessageBoxes.h"

#include <QMessageBox>

#include "WindowOps.h"

namespace kalvado {

int ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title)
{
    QMessageBox box(parent);
    // A box is a window of its own; it shares the game window's palette
    // where that was made readable.
    if (parent && parent->testAttribute(Qt::WA_SetPalette))
        box.setPalette(parent->palette());
    box.setWindowTitle(title.isEmpty() ? APP_TITLE : title);
    box.setText(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers read a box as it becomes active, and since Qt 6.8 that
    // can come before its text label is shown: as the box's own description
    // the text is there from the start. (Screen readers of that time read
    // the description in place of the label; older ones, with older Qt,
    // would read both.)
    box.setAccessibleDescription(text);
#endif
    switch (style & Style::IconMask) {
    case Style::Question: box.setIcon(QMessageBox::Question); break;
    case Style::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Style::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    if ((style & Style::ButtonMask) == Style::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return ANSWER_YES;
    case QMessageBox::No: return ANSWER_NO;
    default: return ANSWER_OK;
    }
}

} // namespace kalvado
