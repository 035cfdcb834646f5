#pragma once

#include <QColor>
#include <QObject>

class QLabel;
class QWidget;

namespace kalvado {

// Keeps the window's texts readable on whatever palette the desktop gives,
// now and after every change of palette or style while the game runs.
class Readability : public QObject {
public:
    Readability(QWidget* window, QLabel* player, QLabel* computer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget* m_window;
    QLabel* m_player;
    QLabel* m_computer;
    QColor m_playerOwn;
    QColor m_computerOwn;
    bool m_applying = false;
};

} // namespace kalvado
