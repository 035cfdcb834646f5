// The yardstick for start-up: a plain Qt Widgets window with a menu bar and
// a few controls, and nothing else.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Minimal");
    QMenu* menu = window.menuBar()->addMenu("&Game");
    menu->addAction("&New");
    menu->addAction("E&xit");
    auto* central = new QWidget(&window);
    auto* frame = new QGroupBox("Score", central);
    frame->setGeometry(520, 8, 257, 97);
    (new QLabel("Player total:00", frame))->move(8, 24);
    (new QPushButton("&Pass", central))->setGeometry(520, 464, 73, 25);
    (new QPushButton("&Exit", central))->setGeometry(704, 464, 73, 25);
    window.setCentralWidget(central);
    window.resize(792, 520);
    window.show();
    return QApplication::exec();
}
