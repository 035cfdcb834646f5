#pragma once

#include <QObject>

class QFrame;

namespace kalvado {

// Keeps a one-pixel separator line visible at every device pixel ratio:
// the toolkit's own line can fall between device pixels at fractional
// ratios and vanish, so there it is painted as a filled strip of at least
// one device pixel. At a ratio of 1 the toolkit paints it as ever.
class LinePainter : public QObject {
public:
    explicit LinePainter(QFrame* line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* m_line;
};

} // namespace kalvado
