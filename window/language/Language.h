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

} // namespace kalvado
