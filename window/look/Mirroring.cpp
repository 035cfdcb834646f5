#include "look/Mirroring.h"

#include <QEvent>
#include <QGroupBox>
#include <QWidget>

namespace kalvado {

namespace {

// Each control to the other side of its container, at the same distance
// from that side: done twice, everything is back where it was.
void mirrorChildren(QWidget* container)
{
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(container->width() - child->x() - child->width(), child->y());
        if (qobject_cast<QGroupBox*>(child))
            mirrorChildren(child);
    }
}

} // namespace

Mirroring::Mirroring(QWidget* form)
    : QObject(form)
    , m_form(form)
{
    form->installEventFilter(this);
    follow();
}

void Mirroring::follow()
{
    if (m_form->isRightToLeft() == m_mirrored)
        return;
    m_mirrored = !m_mirrored;
    mirrorChildren(m_form);
}

bool Mirroring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form && event->type() == QEvent::LayoutDirectionChange)
        follow();
    return QObject::eventFilter(watched, event);
}

} // namespace kalvado
