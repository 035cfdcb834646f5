#include "input/Mnemonics.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace kalvado {

ImmediateMnemonics::ImmediateMnemonics(QObject* parent, std::initializer_list<QAbstractButton*> buttons)
    : QObject(parent)
{
    for (QAbstractButton* button : buttons)
        button->installEventFilter(this);
}

bool ImmediateMnemonics::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalvado
