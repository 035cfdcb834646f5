#include "Announcer.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QEvent>

namespace kalvado {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("announcer");
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    window()->installEventFilter(this);
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    if (window()->isActiveWindow() || !window()->isVisible())
        say(text);
    else
        m_pending = text;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::ActivationChange && window()->isActiveWindow()
        && !m_pending.isEmpty()) {
        say(m_pending);
        m_pending.clear();
    }
    return QWidget::eventFilter(watched, event);
}

void Announcer::say(const QString& text)
{
    m_text = text;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers of Qt 6.8's time (Orca 48) speak a notification's name
    // no more; an announcement is what they read.
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#endif
}

} // namespace kalvado
