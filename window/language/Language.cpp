#include "language/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "Texts.h"

namespace kalvado {

namespace {

struct Catalogues {
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Catalogues& installed()
{
    static Catalogues catalogues;
    return catalogues;
}

// English is the language the texts are written in: it needs no catalogue,
// and where the player puts it first it wins over any language after it.
bool isEnglish(const QString& name, const QLocale& locale)
{
    return locale.language() == QLocale::English
           || (locale.language() == QLocale::C
               && (name.compare("C", Qt::CaseInsensitive) == 0 || name.startsWith("POSIX", Qt::CaseInsensitive)));
}

} // namespace

QString UseLanguage(const QStringList& languages)
{
    Catalogues& now = installed();
    for (QTranslator* translator : {now.game.get(), now.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    now = {};

    for (const QString& name : languages) {
        const QLocale locale(name);
        if (isEnglish(name, locale))
            break;
        // A name Qt does not know stands for no language at all.
        if (locale.language() == QLocale::C)
            continue;
        auto game = std::make_unique<QTranslator>();
        if (!game->load(locale, "kalvado", "_", ":/i18n"))
            continue;
        // Qt's own strings (Yes, No) in the same language, or in English
        // where Qt has none for it: never in a third language.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            now.qt = std::move(qt);
        }
        QCoreApplication::installTranslator(game.get());
        now.game = std::move(game);
        return now.game->language();
    }
    return {};
}

QString GameText(const std::string& source)
{
    return QCoreApplication::translate(GAME_TEXTS, source.c_str());
}

} // namespace kalvado
