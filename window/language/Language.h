#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace kalvado {

// Speaks the first of `languages` (as QLocale::uiLanguages() gives them,
// most wanted first) that the game has a catalogue for, with Qt's own
// catalogue for that same language where one is installed; English, the
// game's own language, when English comes first or none has one. Replaces
// what an earlier call installed. Returns the catalogue's language ("de",
// "pt_BR"), empty for English.
QString UseLanguage(const QStringList& languages);

// One of the game's own texts (the flow's source texts) in the player's
// language.
QString GameText(const std::string& source);

// A cell name ("C5") or a number inside a sentence, as a right-to-left
// language needs it: isolated, so that it stays whole and in order, and the
// punctuation beside it stays where the sentence puts it. Unchanged in a
// left-to-right language.
QString Isolated(const QString& text);
// A sentence translated with a count (%n): the count isolated likewise.
QString IsolatedCount(QString sentence, int n);

} // namespace kalvado
