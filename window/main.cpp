#include <QApplication>
#include <QLocale>
#include <QStyle>

#include <cstdio>

#include "frmGame.h"
#include "language/Language.h"
#include "program/CommandLine.h"
#include "program/LeakCheck.h"

int main(int argc, char** argv)
{
    // Help, the version and mistakes are answered before any window system
    // is needed, so they work without a display too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const kalvado::CommandLineAnswer answer = kalvado::AnswerCommandLine(arguments, KALVADO_VERSION);
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
    if (!answer.play)
        return answer.exitCode;

    int code = 0;
    {
        QApplication app(argc, argv);
        // Only the application name: a display name would be appended to
        // every window title, and the main window's caption must stay exact.
        QApplication::setApplicationName("Kalvado");
        QApplication::setApplicationVersion(KALVADO_VERSION);
        // Wayland names the window by this (its app_id), and desktops match it
        // to the menu entry and its icon.
        QGuiApplication::setDesktopFileName("org.kalvado.kalvado");
        // The desktop's own style where its platform names one; where none of
        // the styles it names is installed, the toolkit would fall back to its
        // plain "Windows" look, and Fusion serves better.
        if (!answer.styleGiven && QApplication::style()->name().compare("windows", Qt::CaseInsensitive) == 0)
            QApplication::setStyle("Fusion");
        // The desktop's languages, most wanted first (LANGUAGE, LC_ALL,
        // LC_MESSAGES, LANG), as Qt reads them.
        kalvado::UseLanguage(QLocale::system().uiLanguages());
        kalvado::frmGame window;
        window.show();
        code = QApplication::exec();
    }
    // The window and the application are gone, and with them the threads
    // they ran.
    kalvado::CheckLeaksWhileThreadsAreQuiet();
    return code;
}
