#include "look/LinePainter.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

#include "board/Module1.h"

namespace kalvado {

LinePainter::LinePainter(QFrame* line)
    : QObject(line)
    , m_line(line)
{
    line->installEventFilter(this);
}

bool LinePainter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_line || event->type() != QEvent::Paint || m_line->devicePixelRatioF() == 1.0)
        return QObject::eventFilter(watched, event);
    QPainter painter(m_line);
    const qreal ratio = m_line->devicePixelRatioF();
    const qreal width = DeviceLineWidth(ratio) / ratio;
    painter.fillRect(QRectF(0, 0, width, m_line->height()), m_line->palette().color(QPalette::WindowText));
    return true;
}

} // namespace kalvado
