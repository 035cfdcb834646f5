// The game in every language it ships, and the sentence said after a turn.

#include <QAccessible>
#include <QDir>
#include <QDomDocument>
#include <QGlyphRun>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include "language/Language.h"
#include "access/Summary.h"
#include "support/WindowFixture.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

// What a translation keeps of its source: its placeholders and a mnemonic.
QStringList kept(const QString& text)
{
    QStringList marks;
    for (const auto& m : QRegularExpression("%[0-9n]").globalMatch(text))
        marks << m.captured();
    marks.sort();
    return marks << QString(QString(text).remove("&&").count('&'), '&');
}

bool hasEveryGlyph(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            return false;
    return true;
}

// One language for a while, English again afterwards.
struct Speaking {
    explicit Speaking(const QString& language) { UseLanguage({language}); }
    ~Speaking() { UseLanguage({}); }
};

} // namespace

// Every language, every text: translated, with its source's placeholders,
// mnemonic and the language's plural forms (every count finds its form); in
// the window, each text fits its control with the control's font, the
// status lines and two-digit totals among them, with a glyph for every
// character, each Alt key once, and the board's description naming Pass's.
TEST_F(WindowTest, EveryTextOfEveryLanguageIsTranslatedAndFits)
{
    QStringList languages{"en"};
    for (const QString& file : QDir(":/i18n").entryList({"kalvado_*.qm"}))
        languages << file.mid(8).chopped(3);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        const Speaking speaking(language);
        std::vector<std::pair<QString, QFont>> drawn; // every text, with its font
        QFile file(SourcePath("translations/kalvado_" + language + ".ts"));
        QDomDocument catalogue;
        EXPECT_EQ(file.open(QIODevice::ReadOnly) && catalogue.setContent(&file), language != "en");
        const QDomNodeList messages = catalogue.elementsByTagName("message");
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement m = messages.at(i).toElement();
            const QString source = m.firstChildElement("source").text();
            const QDomElement translation = m.firstChildElement("translation");
            EXPECT_FALSE(translation.hasAttribute("type")) << "unfinished or obsolete: " << source.toStdString();
            QStringList forms{translation.text()};
            if (m.attribute("numerus") == "yes") {
                forms.clear();
                for (auto f = translation.firstChildElement(); !f.isNull(); f = f.nextSiblingElement())
                    forms << f.text();
                const QByteArray context = m.parentNode().firstChildElement("name").text().toUtf8();
                for (int n : {1, 2, 3, 5, 11, 12, 21, 22, 25, 101, 102})
                    EXPECT_TRUE(forms.contains(QCoreApplication::translate(context, source.toUtf8(), nullptr, n)
                                                   .replace(QRegularExpression(QString("(?<![%\\d])%1(?!\\d)").arg(n)), "%n")))
                        << source.toStdString() << " " << n;
            }
            for (const QString& form : forms) {
                EXPECT_TRUE(!form.isEmpty() && kept(form) == kept(source)) << form.toStdString();
                drawn.emplace_back(form, QApplication::font());
            }
        }

        open();
        show();
        auto fits = [&](QWidget* control, const QString& text, QRect room, int flags) {
            // The advance within the room's width, the ink within its height.
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
            // The score labels size themselves to their text, within their
            // frame, growing to the right or, right to left, to the left.
            QRect room = label->contentsRect();
            const QRect frame = label->parentWidget()->contentsRect().translated(-label->pos());
            if (label->parentWidget()->objectName() == "fraScore")
                (label->isRightToLeft() ? room.setLeft(frame.left()) : room.setRight(frame.right()));
            fits(label, label->text(), room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        };
        for (const char* status : STATUS_TEXTS) {
            w->setCaption(Label::Info, status);
            labelFits(label("lblInfo"));
        }
        for (int total = 10; total <= 64; ++total) {
            w->showTotals(total, total);
            labelFits(label("lblPlayer"));
            labelFits(label("lblCom"));
        }
        for (QLabel* label : w->findChildren<QLabel*>())
            labelFits(label);
        // The read-out's row labels end before its numbers begin.
        for (const auto& [row, number] : {std::pair{"Label4", "LabelX"}, std::pair{"Label5", "LabelY"}}) {
            const QRect a = label(row)->geometry(), b = label(number)->geometry();
            EXPECT_TRUE(w->isRightToLeft() ? a.left() > b.right() : a.right() < b.left()) << row;
        }
        QStringList keys;
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            fits(button, button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                 Qt::AlignCenter | Qt::TextShowMnemonic);
            keys << QKeySequence::mnemonic(button->text()).toString();
        }
        for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            EXPECT_TRUE(frame->rect().contains(
                frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)))
                << frame->title().toStdString();
            drawn.emplace_back(frame->title(), frame->font());
        }
        QMenuBar* bar = w->menuBar();
        EXPECT_LE(bar->actionGeometry(bar->actions().constLast()).right(), bar->width()) << "the menu titles";
        for (QAction* title : bar->actions())
            keys << QKeySequence::mnemonic(title->text()).toString();
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()) << keys.join(' ').toStdString();
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&board())
                        ->text(QAccessible::Description)
                        .contains(QKeySequence::mnemonic(button("cmdPass")->text()).toString()));
        for (const auto& [text, font] : drawn)
            EXPECT_TRUE(hasEveryGlyph(text, font)) << "a missing glyph in '" << text.toStdString() << "'";
    }
}

// The language switches while the window is open, the status line, the
// totals, the skin's mark and Qt's own Yes and No with it, and back to
// English exactly.
TEST_F(WindowTest, TheLanguageSwitchesWithQtsOwnStrings)
{
    open();
    newGame(ANSWER_NO);
    // Passing every turn, the player is soon left without a disc.
    for (int turn = 0; turn < 64 && !w->state().GameOver; ++turn)
        QTest::mouseClick(button("cmdPass"), Qt::LeftButton);
    auto texts = [&] {
        QStringList all{w->windowTitle()};
        for (QLabel* label : w->findChildren<QLabel*>())
            all << label->text() << label->accessibleDescription();
        for (QAction* item : w->findChildren<QAction*>())
            all << item->text();
        return all;
    };
    const QStringList english = texts();
    ASSERT_EQ(UseLanguage({"xx-YY", "de-AT", "fr"}), "de") << "the first language with a catalogue";
    QCoreApplication::processEvents();
    EXPECT_EQ(label("lblPlayer")->text(), "Spieler:00");
    EXPECT_EQ(label("lblInfo")->text(), "du hast verloren!");
    EXPECT_EQ(action("mBoard_1")->text(), "Standard *");
    // A real box's buttons: Qt's own German, and Greek, which Qt has no
    // catalogue for, from the game's.
    for (const auto& [language, yesNo] : {std::pair{"de", QStringList{"&Ja", "&Nein"}}, std::pair{"el", QStringList{"&Ναι", "Ό&χι"}}}) {
        UseLanguage({language});
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>{})
                buttons << button->text();
            if (box)
                box->reject();
        });
        ShowMessageBox(nullptr, GameText(NEW_GAME_QUESTION), Style::YesNo, {});
        EXPECT_EQ(QSet<QString>(buttons.begin(), buttons.end()), QSet<QString>(yesNo.begin(), yesNo.end())) << language;
    }
    EXPECT_EQ(UseLanguage({"en-GB", "de"}), "") << "English first wins";
    QCoreApplication::processEvents();
    EXPECT_EQ(texts(), english);
}

// Hebrew mirrors the form: each control stands where the form puts it,
// measured from the other side of its container (a self-sizing label keeps
// its right edge). The board stays as printed: its picture, the cell a
// click plays and the way an arrow moves the cursor. A cell name keeps its
// order inside a sentence.
TEST_F(WindowTest, ARightToLeftLanguageMirrorsTheFormButNotTheBoard)
{
    open();
    show();
    const QImage picture = board().picture();
    const Speaking hebrew("he");
    QCoreApplication::processEvents();
    ASSERT_TRUE(w->isRightToLeft());
    for (QWidget* control : control<QWidget>("centralwidget")->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName() == "announcer")
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect designed = FormGeometry(control->objectName());
        EXPECT_EQ(control->geometry().right(), control->parentWidget()->width() - 1 - designed.left());
        EXPECT_EQ(control->y(), designed.y());
    }
    EXPECT_EQ(board().picture(), picture);
    newGame(ANSWER_YES);
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    EXPECT_EQ(w->state().Board(4, 2), BLACK);
    QTest::keyClick(&board(), Qt::Key_Right);
    EXPECT_EQ(cellCursor().cell(), QPoint(1, 0));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&board())->child(cellIndex(4, 2))->text(QAccessible::Name),
              "\u2068E3\u2069, דיסקית שחורה");
}

// The sentence said after each action, made from its outcome.
TEST(Summary, SaysWhatTheOutcomeHolds)
{
    const std::pair<Outcome, const char*> cases[] = {
        {{.placements = {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, .status = "", .playerTotal = 3, .computerTotal = 3},
         "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3."},
        {{.newGameAs = WHITE, .placements = {{BLACK, 2, 4, 1}}, .human = WHITE, .playerTotal = 1, .computerTotal = 4},
         "New game: you play white. Computer played C5 and turned 1. You 1, computer 4."},
        {{.newGameAs = BLACK}, "New game: you play black."},
        {{.placements = {{WHITE, 0, 0, 2}}, .status = WIN_TEXT, .human = WHITE, .playerTotal = 4},
         "You played A1 and turned 2. You 4, computer 0. you win!"},
        {{.status = ""}, ""},
    };
    for (const auto& [outcome, said] : cases)
        EXPECT_EQ(Summary(outcome), said);
    const Speaking german("de");
    EXPECT_EQ(Summary(cases[3].first), "Du hast auf A1 gesetzt und 2 Steine umgedreht. Du 4, Computer 0. du hast gewonnen!");
}
