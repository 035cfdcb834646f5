// The yardstick for start-up: a plain Qt Widgets window with a menu bar and
// a few controls, and nothing else. Given one of the game's compiled
// catalogues, it shows the same words in that language, as a minimal
// window on that language's desktop would: the fonts and the shaping of a
// script are what any window showing it pays, not the game.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator words;
    if (argc > 1 && words.load(QString::fromLocal8Bit(argv[1])))
        QApplication::installTranslator(&words);
    auto text = [](const char* source) { return QCoreApplication::translate("frmGame", source); };
    QMainWindow window;
    window.setWindowTitle("Minimal");
    QMenu* menu = window.menuBar()->addMenu(text("Game(&G)"));
    menu->addAction(text("New Game"));
    menu->addAction(text("E&xit"));
    auto* central = new QWidget(&window);
    auto* frame = new QGroupBox(text("Score"), central);
    frame->setGeometry(520, 8, 257, 97);
    (new QLabel(text("Player total:%1").arg("00"), frame))->move(8, 24);
    (new QPushButton(text("&Pass"), central))->setGeometry(520, 464, 73, 25);
    (new QPushButton(text("&Exit"), central))->setGeometry(704, 464, 73, 25);
    window.setCentralWidget(central);
    window.resize(792, 520);
    window.show();
    return QApplication::exec();
}
