#pragma once

#include <QString>
#include <QWidget>

class QAccessibleInterface;

namespace kalvado {

// Says a text to assistive technology without showing anything: a
// zero-sized widget that screen readers see as a notification whose name is
// the text, shown anew for each announcement.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent = nullptr);
    void announce(const QString& text);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The board as a table of 8 x 8 named cells, the status line as a status
// bar, the separator as a separator. Installed once, before the window.
void InstallAccessibility();

// "C5": the column letter and the row number, row 1 at the top.
QString CellName(int col, int row);

} // namespace kalvado
