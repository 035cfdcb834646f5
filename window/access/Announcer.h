#pragma once

#include <QString>
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
    // a window between a box closing and the window's activation.
    void announce(const QString& text);
    const QString& text() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void say(const QString& text);

    QString m_text;
    QString m_pending;
};

} // namespace kalvado
