#pragma once

#include <QObject>

#include <initializer_list>

class QAbstractButton;

namespace kalvado {

// A button's Alt+letter normally clicks only after a short press
// animation, from a timer; input given meanwhile would overtake it and the
// late click could land inside a box that input opened. These buttons click
// at once instead.
class ImmediateMnemonics : public QObject {
public:
    ImmediateMnemonics(QObject* parent, std::initializer_list<QAbstractButton*> buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kalvado
