#pragma once

#include <QObject>

class QWidget;

namespace kalvado {

// A right-to-left language mirrors the form as its readers expect a window
// to: the board and the frames swap sides, the buttons their order, and the
// controls inside each frame stand mirrored in it. Qt mirrors the menus,
// the frames' titles and the texts' alignment itself, but not controls
// placed at fixed positions. What the board shows stays as printed.
class Mirroring : public QObject {
public:
    explicit Mirroring(QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QWidget* m_form;
    bool m_mirrored = false;
};

} // namespace kalvado
