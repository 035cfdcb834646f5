#include "look/Readability.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QScopedValueRollback>

#include "look/Contrast.h"

namespace kalvado {

Readability::Readability(QWidget* window, QLabel* player, QLabel* computer)
    : QObject(window)
    , m_window(window)
    , m_player(player)
    , m_computer(computer)
    , m_playerOwn(player->palette().color(QPalette::Active, QPalette::WindowText))
    , m_computerOwn(computer->palette().color(QPalette::Active, QPalette::WindowText))
{
    // The menus are windows of their own, which take the window's palette
    // only when asked to.
    for (QMenu* menu : window->findChildren<QMenu*>())
        menu->setAttribute(Qt::WA_WindowPropagation);
    window->installEventFilter(this);
    qApp->installEventFilter(this);
    apply();
}

void Readability::apply()
{
    if (m_applying)
        return;
    const QScopedValueRollback applying(m_applying, true);
    // Always from the desktop's palette, not from what was made of an
    // earlier one.
    const QPalette desktop = QApplication::palette(m_window);
    const QPalette readable = ReadablePalette(desktop);
    m_window->setPalette(readable == desktop ? QPalette() : readable);
    for (const auto& [label, own] : {std::pair{m_player, m_playerOwn}, std::pair{m_computer, m_computerOwn}}) {
        // Only the text colour is the label's own; the rest follows the window.
        const QPalette around = label->parentWidget()->palette();
        QPalette p;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            p.setColor(group, QPalette::WindowText, ScoreColour(own, around.color(group, QPalette::Window)));
        label->setPalette(p);
    }
}

bool Readability::eventFilter(QObject* watched, QEvent* event)
{
    // The application hears of a new desktop palette; the window itself
    // only of the style.
    if ((watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        || (watched == m_window && event->type() == QEvent::StyleChange))
        apply();
    return QObject::eventFilter(watched, event);
}

} // namespace kalvado
