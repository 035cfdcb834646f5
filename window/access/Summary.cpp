#include "access/Summary.h"

#include <QCoreApplication>
#include <QStringList>

#include "language/Language.h"

namespace kalvado {

QString Summary(const Outcome& outcome)
{
    QStringList said;
    if (outcome.newGameAs)
        said << (*outcome.newGameAs == BLACK ? QCoreApplication::translate("Summary", "New game: you play black.")
                                             : QCoreApplication::translate("Summary", "New game: you play white."));
    for (const Placement& p : outcome.placements) {
        const QString sentence =
            p.side == outcome.human
                ? QCoreApplication::translate("Summary", "You played %1 and turned %n.", nullptr, p.turned)
                : QCoreApplication::translate("Summary", "Computer played %1 and turned %n.", nullptr, p.turned);
        said << IsolatedCount(sentence, p.turned).arg(Isolated(QString::fromStdString(CellName(p.col, p.row))));
    }
    if (!outcome.placements.empty())
        said << QCoreApplication::translate("Summary", "You %1, computer %2.")
                    .arg(Isolated(QString::number(outcome.playerTotal)),
                         Isolated(QString::number(outcome.computerTotal)));
    if (outcome.status && !outcome.status->empty())
        said << GameText(*outcome.status);
    QString text;
    for (const QString& sentence : said)
        //: How two sentences of the summary follow each other: a space where the language puts one.
        text = text.isEmpty() ? sentence : QCoreApplication::translate("Summary", "%1 %2").arg(text, sentence);
    return text;
}

} // namespace kalvado
