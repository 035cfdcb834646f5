#include "access/Announcer.h"

#include <QAccessible>
#include <QApplication>
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
    // Long enough for a window manager to give the window back its focus,
    // short enough to follow the action that it tells of.
    m_unactivated.setInterval(300);
    connect(&m_unactivated, &QTimer::timeout, this, [this] {
        if (!QApplication::activeModalWidget())
            sayPending();
    });
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    // The newest text replaces one still waiting: it tells of the same
    // game, later.
    m_pending = text;
    if (window()->isActiveWindow() || !window()->isVisible())
        sayPending();
    else
        m_unactivated.start();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::ActivationChange && window()->isActiveWindow()
        && !m_pending.isEmpty())
        sayPending();
    return QWidget::eventFilter(watched, event);
}

void Announcer::sayPending()
{
    m_unactivated.stop();
    if (m_pending.isEmpty())
        return;
    say(m_pending);
    m_pending.clear();
}

void Announcer::say(const QString& text)
{
    m_text = text;
    // A notification shown anew with the text as its name: what screen
    // readers of every version here read out. Qt 6.8's announcement event
    // as well would have Orca 48 say each text twice.
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace kalvado
