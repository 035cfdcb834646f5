#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace kalvado {

// Says a text to assistive technology without showing anything: a
// zero-sized widget that screen readers see as a notification whose name is
// the text, shown anew for each announcement.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent = nullptr);
    // Said at once while the window is active (or not shown at all), else
    // as soon as it is active again: a screen reader drops what comes from
    // a window between a box closing and the window's activation. Where
    // nothing activates the window again (no window manager, or one that
    // leaves it to the program), it is said once no box is left open.
    void announce(const QString& text);
    const QString& text() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void say(const QString& text);
    void sayPending();

    QString m_text;
    QString m_pending;
    QTimer m_unactivated;
};

} // namespace kalvado
