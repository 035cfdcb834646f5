#pragma once

#include <QString>
#include <QStringList>

namespace kalvado {

// What the command line asks for before any window is opened: play (the
// usual case), or print help, the version or an error and end.
struct CommandLineAnswer {
    bool play = true;
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error
    bool styleGiven = false; // -style: the player's widget style instead of the desktop's
};

// Reads the arguments (the program's name first). Qt's own options, such as
// -platform, are accepted and left for QApplication to act on.
CommandLineAnswer AnswerCommandLine(const QStringList& arguments, const QString& version);

} // namespace kalvado
