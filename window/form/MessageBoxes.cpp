#include "MessageBoxes.h"

#include <QMessageBox>

#include "WindowOps.h"

namespace kalvado {

int ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? APP_TITLE : title);
    box.setText(text);
    switch (style & Style::IconMask) {
    case Style::Critical: box.setIcon(QMessageBox::Critical); break;
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
