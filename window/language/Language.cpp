#include "language/Language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

#include "Texts.h"

namespace kalvado {

namespace {

// Qt's own words that a player of the game meets: the boxes' buttons, the
// Ctrl of the menu's shortcuts, and the direction the language is written
// in. The game's catalogues carry them as well (lupdate finds them here),
// for the languages that Qt has no catalogue of its own for; Qt asks for
// them under these contexts itself.
[[maybe_unused]] constexpr const char* QT_WORDS[] = {
    //: The direction this language is written in: LTR or RTL, in these Latin letters.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
    //: A message box's button.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: A message box's button; the letter after & is its Alt key.
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    //: A message box's button; the letter after & is its Alt key.
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    //: The Control key as a menu writes it in a shortcut (Ctrl+F4).
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
};

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

// The catalogues that may serve a language as the desktop names it, the
// closest first: "pt-BR" is Brazil's, "pt-PT" and "pt" Portugal's. (Qt's
// own expansion of a name would turn a bare "pt" into Brazil's, and try
// "pt" for "pt-BR" before "pt_BR".)
QStringList catalogueNames(const QString& name)
{
    const QStringList parts = QString(name).replace('-', '_').split('_', Qt::SkipEmptyParts);
    QStringList names{parts.join('_')};
    if (parts.size() == 3) // language, script, territory
        names << parts[0] + '_' + parts[2];
    names << parts.value(0);
    names.removeDuplicates();
    return names;
}

bool loadFirst(QTranslator& translator, const QString& prefix, const QStringList& names, const QString& folder)
{
    for (const QString& name : names)
        if (translator.load(prefix + name, folder))
            return true;
    return false;
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
        const QStringList files = catalogueNames(name);
        auto game = std::make_unique<QTranslator>();
        if (!loadFirst(*game, "kalvado_", files, ":/i18n"))
            continue;
        // Qt's own strings (Yes, No) in the same language, or, where Qt has
        // none for it, as the game's catalogue carries them: never in a
        // third language.
        auto qt = std::make_unique<QTranslator>();
        if (loadFirst(*qt, "qtbase_", files, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
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

// First strong isolate ... pop directional isolate: inside, the text takes
// its own direction (left to right for a cell name or a number), and the
// sentence around it treats it as one neutral character.
QString Isolated(const QString& text)
{
    if (QGuiApplication::isLeftToRight())
        return text;
    return QChar(0x2068) + text + QChar(0x2069);
}

QString IsolatedCount(QString sentence, int n)
{
    if (QGuiApplication::isLeftToRight())
        return sentence;
    const QString number = QString::number(n);
    return sentence.replace(QRegularExpression("(?<![%\\d])" + number + "(?!\\d)"), Isolated(number));
}

} // namespace kalvado
