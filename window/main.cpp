#include <QApplication>

#include "frmGame.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Only the application name: a display name would be appended to
    // every window title, and the main window's caption must stay exact.
    QApplication::setApplicationName("Kalvado");
    QApplication::setStyle("Fusion");
    kalvado::frmGame window;
    window.show();
    return QApplication::exec();
}
