#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kalvado {

// Every box that gives no title of its own shows the application's.
inline constexpr char APP_TITLE[] = "Kalvado";

// Shows a message box and returns the button code; tests put in their own.
using MsgBoxFunction = std::function<int(QWidget* parent, const QString& text, int style, const QString& title)>;

// A modal box for a style number (icon plus buttons), answered with the
// classic button codes.
int ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title);

} // namespace kalvado
