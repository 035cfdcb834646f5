// The game in every language it ships: complete catalogues, texts that fit
// their controls with the controls' own fonts, glyphs for every character,
// and a switch of language that reaches Qt's own strings.

#include <QAccessible>
#include <QDir>
#include <QGlyphRun>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

#include "Language.h"
#include "Summary.h"
#include "Texts.h"
#include "support/WindowFixture.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

const QStringList REQUIRED_LANGUAGES{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};

// The languages compiled into the program.
QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(":/i18n").entryList({"kalvado_*.qm"}))
        languages << file.mid(8).chopped(3);
    return languages;
}

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type;             // unfinished, vanished, obsolete: none may be left
    QStringList translations; // one, or one per plural form
};

std::vector<Message> readCatalogue(const QString& language)
{
    QFile file(SourcePath("translations/kalvado_" + language + ".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, xml.attributes().value("numerus") == u"yes", {}, {}});
        else if (xml.name() == u"source")
            messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value("type").toString();
            if (!messages.back().numerus)
                messages.back().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform")
            messages.back().translations << xml.readElementText();
    }
    return messages;
}

// What a translation must keep of its source: the numbered and the plural
// placeholders, and one mnemonic where the source has one.
QStringList kept(const QString& text)
{
    QStringList marks;
    for (const auto& m : QRegularExpression("%[0-9n]").globalMatch(text))
        marks << m.captured();
    marks.sort();
    if (QString(text).remove("&&").contains('&'))
        marks << "&";
    return marks;
}

// Characters of `text` that no installed font can draw with `font`.
bool hasEveryGlyph(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

// Uses one language for the test's length, English again afterwards.
struct Speaking {
    explicit Speaking(const QString& language) { UseLanguage({language}); }
    ~Speaking() { UseLanguage({}); }
};

} // namespace

// Every catalogue is complete, each text keeps what its source has, and the
// plural forms are the language's own: every count finds one, with its number.
TEST(Translations, EveryCatalogueIsCompleteAndKeepsItsPlaceholdersAndPlurals)
{
    const QStringList shipped = shippedLanguages();
    for (const QString& language : REQUIRED_LANGUAGES)
        EXPECT_TRUE(shipped.contains(language)) << language.toStdString();
    const std::vector<Message> reference = readCatalogue(shipped.value(0));
    ASSERT_GT(reference.size(), 40u);
    for (const QString& language : shipped) {
        SCOPED_TRACE(language.toStdString());
        const std::vector<Message> messages = readCatalogue(language);
        ASSERT_EQ(messages.size(), reference.size()) << "every catalogue holds every text";
        const Speaking speaking(language);
        for (std::size_t i = 0; i < messages.size(); ++i) {
            const Message& m = messages[i];
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_EQ(m.source, reference[i].source);
            EXPECT_EQ(m.type, "") << "left unfinished or obsolete";
            ASSERT_FALSE(m.translations.isEmpty());
            for (const QString& translation : m.translations) {
                EXPECT_FALSE(translation.isEmpty());
                EXPECT_EQ(kept(translation), kept(m.source)) << translation.toStdString();
            }
            if (!m.numerus)
                continue;
            for (int n : {1, 2, 3, 5, 11, 12, 21, 22, 25, 101, 102}) {
                const QString said = QCoreApplication::translate(m.context.toUtf8(), m.source.toUtf8(), nullptr, n);
                const auto form = [&](const QString& f) { return QString(f).replace("%n", QString::number(n)) == said; };
                EXPECT_TRUE(std::any_of(m.translations.begin(), m.translations.end(), form))
                    << n << ": " << said.toStdString();
            }
        }
    }
}

// The window's controls keep their sizes and fonts in every language: each
// text, with the widest two-digit totals and every status line, fits where
// it stands, unclipped, and every character has a glyph.
TEST_F(WindowTest, TranslationsFitEveryControlWithItsFont)
{
    for (const QString& language : QStringList{"en"} + shippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const Speaking speaking(language);
        open();
        show();
        show();
        std::vector<std::pair<QString, QFont>> drawn; // every text shown, with its font
        // The line's advance must fit the room's width, its ink the room's
        // height; wrapped text, all its lines.
        auto fits = [&](QWidget* control, const QString& text, QRect room, int flags) {
            const QFontMetrics metrics(control->font());
            QRect needed = metrics.boundingRect(room, flags, text);
            if (!(flags & Qt::TextWordWrap))
                needed.setHeight(metrics.tightBoundingRect(QString(text).remove('&')).height());
            EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
                << control->objectName().toStdString() << " '" << text.toStdString() << "' needs " << needed.width()
                << "x" << needed.height() << ", has " << room.width() << "x" << room.height();
            drawn.emplace_back(text, control->font());
        };
        auto labelFits = [&](QLabel* label) {
            // The score labels size themselves to their text, within their frame.
            QRect room = label->contentsRect();
            if (label->parentWidget()->objectName() == "fraScore")
                room.setRight(label->parentWidget()->contentsRect().right() - label->x());
            fits(label, label->text(), room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        };
        for (QLabel* label : w->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                labelFits(label);
        for (const char* status : STATUS_TEXTS) {
            w->setCaption(Label::Info, status);
            labelFits(label("lblInfo"));
        }
        for (int total = 10; total <= 64; ++total) {
            w->showTotals(total, total);
            labelFits(label("lblPlayer"));
            labelFits(label("lblCom"));
        }
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            fits(button, button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                 Qt::AlignCenter | Qt::TextShowMnemonic);
        }
        for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title =
                frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            EXPECT_TRUE(frame->rect().contains(title)) << frame->title().toStdString();
            drawn.emplace_back(frame->title(), frame->font());
        }
        QMenuBar* bar = w->menuBar();
        EXPECT_LE(bar->actionGeometry(bar->actions().constLast()).right(), bar->width()) << "the menu titles";
        // Each Alt key reaches one control, and the board's description
        // names the one that passes.
        QStringList keys;
        for (QPushButton* button : w->findChildren<QPushButton*>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        for (QAction* title : bar->actions())
            keys << QKeySequence::mnemonic(title->text()).toString();
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()) << keys.join(' ').toStdString();
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&board())
                        ->text(QAccessible::Description)
                        .contains(QKeySequence::mnemonic(button("cmdPass")->text()).toString()));
        for (QAction* item : w->findChildren<QAction*>())
            drawn.emplace_back(item->text(), bar->font());
        drawn.emplace_back(w->windowTitle(), QApplication::font());
        for (const Message& m : readCatalogue(language))
            for (const QString& text : m.translations)
                drawn.emplace_back(text, QApplication::font());
        for (const auto& [text, font] : drawn)
            EXPECT_TRUE(hasEveryGlyph(text, font)) << "a missing glyph in '" << text.toStdString() << "' ("
                                                   << font.family().toStdString() << ")";
    }
}

// The language switches while the window is open: its texts, the status
// line, the totals and Qt's own Yes and No, and back to English exactly.
TEST_F(WindowTest, TheLanguageSwitchesWithQtsOwnStrings)
{
    open();
    newGame(ANSWER_NO);
    w->setCaption(Label::Info, COMPUTER_STUCK_TEXT);
    auto texts = [&] {
        QStringList all{w->windowTitle()};
        for (QLabel* label : w->findChildren<QLabel*>())
            all << label->text() << label->accessibleDescription();
        for (QPushButton* button : w->findChildren<QPushButton*>())
            all << button->text();
        for (QAction* item : w->findChildren<QAction*>())
            all << item->text();
        return all;
    };
    const QStringList english = texts();
    ASSERT_EQ(UseLanguage({"xx-YY", "de-AT", "fr"}), "de") << "the first language with a catalogue";
    QCoreApplication::processEvents();
    EXPECT_NE(texts(), english);
    EXPECT_EQ(label("lblPlayer")->text(), "Spieler gesamt:01");
    EXPECT_EQ(label("lblInfo")->text(), GameText(COMPUTER_STUCK_TEXT));
    EXPECT_TRUE(action("mBoard_1")->text().endsWith(" *")) << "the skin in use stays marked";
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->reject();
        }
    });
    ShowMessageBox(nullptr, GameText(NEW_GAME_QUESTION), Style::YesNo, {});
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(UseLanguage({"en-GB", "de"}), "") << "English first wins";
    QCoreApplication::processEvents();
    EXPECT_EQ(texts(), english);
}

// The sentence said after each action, composed from its outcome.
TEST(Summary, SaysWhatTheOutcomeHolds)
{
    const struct {
        Outcome outcome;
        const char* said;
    } cases[] = {
        {{.placements = {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, .status = "", .playerTotal = 3, .computerTotal = 3},
         "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3."},
        {{.newGameAs = WHITE, .placements = {{BLACK, 2, 4, 1}}, .human = WHITE, .playerTotal = 1, .computerTotal = 4},
         "New game: you play white. Computer played C5 and turned 1. You 1, computer 4."},
        {{.newGameAs = BLACK}, "New game: you play black."},
        {{.placements = {{WHITE, 0, 0, 2}}, .status = "you win!", .human = WHITE, .playerTotal = 4},
         "You played A1 and turned 2. You 4, computer 0. you win!"},
        {{.status = COMPUTER_STUCK_TEXT}, COMPUTER_STUCK_TEXT},
        {{.status = ""}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Summary(c.outcome), c.said);
    const Speaking german("de");
    EXPECT_EQ(Summary(cases[3].outcome), "Du hast A1 gesetzt und 2 Steine umgedreht. Du 4, Computer 0. du gewinnst!");
}
