#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <deque>
#include <limits>
#include <memory>
#include <random>

#include "board/BoardSurface.h"
#include "look/Contrast.h"
#include "images/Images.h"
#include "input/CellCursor.h"
#include "labels/ReadOut.h"
#include "support/BoardPicture.h"
#include "support/FakeWindow.h"
#include "Game.h"
#include "support/Placements.h"
#include "Rules.h"
#include "support/WindowFixture.h"
#include "support/SkinBytes.h"
#include "frmGame.h"

using namespace kalvado;
using namespace kalvado::test;

// ---- The form ---------------------------------------------------------------

// Where each control stands in the window's client area and what it says,
// as the player sees it: shown there, with something drawn in its place.
TEST_F(WindowTest, ControlsStandWhereTheFormPutsThem)
{
    open();
    show();
    QWidget* client = control<QWidget>("centralwidget");
    const QImage shot = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb window = client->palette().color(QPalette::Window).rgb();
    struct Expected {
        const char* name;
        QPoint at;
        QSize size; // none for the labels that size themselves to their text
        const char* text;
    };
    const std::vector<Expected> controls{
        {"picBoard", {16, 8}, {484, 484}, nullptr},
        {"fraScore", {520, 8}, {257, 97}, "Score"},
        {"lblPlayer", {528, 32}, {}, "Player total:00"},
        {"lblCom", {528, 72}, {}, "Computer total:00"},
        {"fraInfo", {520, 136}, {257, 313}, "Information"},
        {"Label6", {648, 152}, {41, 17}, "Cursor"},
        {"Label1", {704, 152}, {49, 17}, "Coord."},
        {"Line2", {699, 160}, {1, 96}, nullptr},
        {"Label4", {536, 192}, {100, 16}, "Mouse Pointer X:"},
        {"LabelX", {664, 192}, {9, 16}, "0"},
        {"IntPosX", {720, 192}, {9, 16}, "0"},
        {"Label5", {536, 232}, {101, 16}, "Mouse Pointer Y:"},
        {"LabelY", {664, 232}, {9, 16}, "0"},
        {"IntPosY", {720, 232}, {9, 16}, "0"},
        {"lblInfo", {528, 288}, {241, 153}, ""},
        {"cmdPass", {520, 464}, {73, 25}, "&Pass"},
        {"cmdAbout", {616, 464}, {73, 25}, "&About"},
        {"cmdExit", {704, 464}, {73, 25}, "&Exit"},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.name);
        auto* widget = control<QWidget>(e.name);
        EXPECT_TRUE(widget->isVisible());
        const QRect rect(widget->mapTo(client, QPoint(0, 0)), e.size.isValid() ? e.size : widget->size());
        EXPECT_EQ(rect.topLeft(), e.at);
        if (e.size.isValid()) {
            EXPECT_EQ(widget->size(), e.size);
        }
        bool drawn = false;
        for (int y = rect.top(); y <= rect.bottom() && !drawn; ++y)
            for (int x = rect.left(); x <= rect.right() && !drawn; ++x)
                drawn = shot.pixel(x, y) != window;
        if (e.text == nullptr || *e.text != 0) {
            EXPECT_TRUE(drawn) << "something shows where it stands";
        }
        if (!e.text)
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            text = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            text = frame->title();
        EXPECT_EQ(text, e.text);
    }
    const QImage& picture = board().picture();
    for (QPoint p : {QPoint(0, 0), QPoint(100, 100), QPoint(479, 479)}) {
        EXPECT_EQ(shot.pixel(QPoint(16 + 2, 8 + 2) + p), picture.pixel(p)) << "the board's picture inside its border";
    }
    EXPECT_FALSE(button("cmdPass")->isEnabled());
    EXPECT_TRUE(label("picDefault")->isHidden());
}

TEST_F(WindowTest, WindowHasItsExactCaptionAndAFixedClientArea)
{
    open();
    show();
    EXPECT_EQ(w->windowTitle(), "Pennalt (Black and White)");
    EXPECT_EQ(control<QWidget>("centralwidget")->size(), QSize(792, 498));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "not resizable";
    EXPECT_EQ(w->height(), 498 + w->menuBar()->height());
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_EQ(QApplication::focusWidget(), &board()) << "the window opens with the focus on the board";
}

TEST_F(WindowTest, MenusCarryTheirCaptionsAndShortcuts)
{
    open();
    EXPECT_EQ(menu("mGame")->title(), "Game(&G)");
    EXPECT_EQ(menu("mOption")->title(), "Option(&O)");
    const auto gameItems = menu("mGame")->actions();
    ASSERT_EQ(gameItems.size(), 3);
    EXPECT_EQ(gameItems[0], action("mNewGame"));
    EXPECT_TRUE(gameItems[1]->isSeparator());
    EXPECT_EQ(gameItems[2], action("mExit"));
    EXPECT_EQ(action("mNewGame")->text(), "New Game");
    EXPECT_EQ(action("mNewGame")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(action("mExit")->text(), "E&xit");
    EXPECT_EQ(action("mExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
    QStringList skins;
    for (QAction* a : menu("mOption")->actions()) {
        skins << a->text();
        EXPECT_FALSE(a->isCheckable());
    }
    EXPECT_EQ(skins, QStringList({"Default *", "Light Wood", "Light Wood2"}));
}

TEST_F(WindowTest, FocusMovesBoardPassExitAbout)
{
    open();
    QWidget* next = &board();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << next->objectName();
        do
            next = next->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, QStringList({"picBoard", "cmdPass", "cmdExit", "cmdAbout"}));
}

// The form's fonts as the window renders them (its faces where installed,
// else installed look-alikes), and the score in red and blue on the screen.
TEST_F(WindowTest, FontsAndColoursFollowTheForm)
{
    open();
    show();
    const QStringList sans{"Liberation Sans", "DejaVu Sans"};
    const struct {
        const char* name;
        QString face;
        QStringList lookAlikes;
        double points;
        bool bold;
    } fonts[] = {
        {"lblInfo", "Arial", sans, 12, true},
        {"LabelX", "MS Sans Serif", sans, 9.75, true},
        {"Label4", "MS Sans Serif", sans, 9.75, false},
        {"lblPlayer", "PMingLiU", {"AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK TC", "DejaVu Serif"}, 16.5, false},
    };
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.name);
        const QFontInfo shown(label(f.name)->font());
        if (QFontDatabase::families().contains(f.face)) {
            EXPECT_EQ(shown.family(), f.face);
        }
        else
            EXPECT_TRUE(f.lookAlikes.contains(shown.family())) << shown.family().toStdString();
        EXPECT_DOUBLE_EQ(label(f.name)->font().pointSizeF(), f.points);
        EXPECT_EQ(shown.bold(), f.bold);
    }
    EXPECT_FALSE(QFontInfo(label("lblInfo")->font()).underline()) << "not inherited from the frame";
    EXPECT_TRUE(QFontInfo(control<QWidget>("fraInfo")->font()).underline());
    EXPECT_TRUE(label("lblInfo")->wordWrap());
    for (const auto& [name, colour] : {std::pair{"lblPlayer", qRgb(255, 0, 0)}, std::pair{"lblCom", qRgb(0, 0, 255)}}) {
        const QImage text = label(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int pure = 0;
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                pure += text.pixel(x, y) == colour;
        EXPECT_GT(pure, 20) << name << " in its own colour";
    }
}

// A desktop palette that changes while the game runs: the score keeps its
// colours where they stand out, takes readable shades of them where not,
// and every text of the window stays readable; back on the light palette
// all is as before.
TEST_F(WindowTest, TheScoreAndEveryTextStayReadableWhenThePaletteChanges)
{
    open();
    const QPalette light = QApplication::palette();
    const QPalette formOwn = w->palette();
    QPalette dusk(QColor(0xd0, 0xd0, 0xd0), QColor(0x7b, 0x7b, 0x7b));
    dusk.setColor(QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    for (const QPalette& desktop : {QPalette(Qt::white, QColor(0x22, 0x20, 0x20)), dusk}) {
        QApplication::setPalette(desktop);
        const QColor window = w->palette().color(QPalette::Window);
        EXPECT_EQ(window, desktop.color(QPalette::Window)) << "the desktop's window colour";
        EXPECT_GE(ContrastRatio(label("lblInfo")->palette().color(QPalette::WindowText), window), 4.5);
        for (const char* name : {"lblPlayer", "lblCom"}) {
            const QColor text = label(name)->palette().color(QPalette::WindowText);
            const QColor own = name == std::string("lblCom") ? QColor(0, 0, 255) : QColor(255, 0, 0);
            EXPECT_GE(ContrastRatio(text, window), text == own ? 3.0 : 4.5) << name;
            EXPECT_EQ(text.hsvHue(), own.hsvHue()) << name;
        }
    }
    QApplication::setPalette(light);
    EXPECT_EQ(label("lblPlayer")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label("lblCom")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(w->palette(), formOwn);
}

// ---- Board drawing ----------------------------------------------------------

TEST_F(WindowTest, GridAndFrameLinesLieOnTheirPixels)
{
    open();
    const QImage skin = fileImage(skinFile(1));
    const EdgeColours colours = board().edgeColours();
    ASSERT_NE(colours.light, colours.shadow);
    const QRgb light = colours.light.rgb(), shadow = colours.shadow.rgb();
    for (int k = 0; k < 8; ++k) {
        const int first = 12 + 57 * k, last = 68 + 57 * k;
        const int mid = first + 20;
        EXPECT_EQ(px(mid, first), light) << "top of row " << k;
        EXPECT_EQ(px(first, mid), light) << "left of column " << k;
        EXPECT_EQ(px(mid, last), shadow) << "bottom of row " << k;
        EXPECT_EQ(px(last, mid), shadow) << "right of column " << k;
        EXPECT_EQ(px(mid, mid), skin.pixel(mid, mid)) << "cell inside untouched";
    }
    EXPECT_EQ(px(69, 30), light) << "cell (1,0) begins at column 69";
    EXPECT_EQ(px(467, 440), shadow) << "cell (7,7) ends at 467";
    for (int i = 20; i < 460; i += 37) {
        EXPECT_EQ(px(i, 10), shadow);
        EXPECT_EQ(px(10, i), shadow);
        EXPECT_EQ(px(i, 469), light);
        EXPECT_EQ(px(469, i), light);
        for (int untouched : {11, 468}) {
            EXPECT_EQ(px(i, untouched), skin.pixel(i, untouched)) << i << "," << untouched;
            EXPECT_EQ(px(untouched, i), skin.pixel(untouched, i)) << untouched << "," << i;
        }
    }
    const QImage before = board().picture();
    w->DrawBoard();
    EXPECT_EQ(board().picture(), before) << "drawing the grid twice changes nothing";
}

TEST_F(WindowTest, DiscsFillTheirSpanAndCoverEachOther)
{
    open();
    const QImage skin = fileImage(skinFile(1));
    w->DrawChess(0, 0, BLACK);
    w->DrawChess(7, 7, WHITE);
    w->DrawChess(3, 4, EMPTY);
    EXPECT_EQ(px(41, 41), qRgb(0, 0, 0));
    EXPECT_EQ(px(21, 41), qRgb(0, 0, 0));
    EXPECT_EQ(px(61, 41), qRgb(0, 0, 0));
    EXPECT_EQ(px(41, 21), qRgb(0, 0, 0));
    EXPECT_EQ(px(41, 61), qRgb(0, 0, 0));
    EXPECT_EQ(px(20, 41), skin.pixel(20, 41));
    EXPECT_EQ(px(62, 41), skin.pixel(62, 41));
    EXPECT_EQ(px(440, 440), qRgb(255, 255, 255));
    EXPECT_EQ(px(420, 440), qRgb(255, 255, 255));
    EXPECT_EQ(px(460, 440), qRgb(255, 255, 255));
    EXPECT_EQ(px(212, 269), qRgb(255, 255, 255)) << "any code but BLACK paints white";

    const QImage withGrid = board().picture();
    w->DrawBoard();
    EXPECT_EQ(board().picture(), withGrid) << "the grid leaves the discs intact";

    w->DrawChess(0, 0, WHITE);
    for (int y = 12; y <= 68; ++y)
        for (int x = 12; x <= 68; ++x) {
            ASSERT_NE(px(x, y), qRgb(0, 0, 0)) << "black left at " << x << "," << y;
        }
}

TEST_F(WindowTest, TheScreenShowsWhatWasDrawn)
{
    open();
    show();
    newGame(ANSWER_YES);
    QApplication::processEvents();
    const QImage shot = board().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& picture = board().picture();
    for (QPoint p : {QPoint(212, 212), QPoint(269, 212), QPoint(12, 30), QPoint(68, 30), QPoint(10, 200),
                     QPoint(300, 300), QPoint(479, 479), QPoint(0, 0)})
        EXPECT_EQ(shot.pixel(p + QPoint(2, 2)), picture.pixel(p)) << p.x() << "," << p.y();
}

// ---- Skins ------------------------------------------------------------------

TEST_F(WindowTest, StartUpShowsSkinOneUnderTheEmptyGrid)
{
    open();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(w->state().SkinIndex, 1);
    EXPECT_EQ(QString::fromStdString(w->state().SkinPath), QDir(dir.path()).filePath("pic/Board1.jpg"));
    const QImage skin = fileImage(skinFile(1));
    EXPECT_EQ(px(100, 100), skin.pixel(100, 100));
    EXPECT_EQ(px(0, 0), skin.pixel(0, 0));
    EXPECT_EQ(board().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, SwitchingSkinsMovesTheMarkAndRepaintsEveryDisc)
{
    open();
    newGame(ANSWER_NO);
    const GameState before = w->state();
    const QString info = label("lblInfo")->text();
    const QString player = label("lblPlayer")->text();

    action("mBoard_2")->trigger();
    EXPECT_EQ(action("mBoard_1")->text(), "Default");
    EXPECT_EQ(action("mBoard_2")->text(), "Light Wood *");
    EXPECT_EQ(action("mBoard_3")->text(), "Light Wood2");
    EXPECT_EQ(w->state().SkinIndex, 2);
    EXPECT_TRUE(QString::fromStdString(w->state().SkinPath).endsWith("/pic/Board2.jpg"));
    const QImage skin2 = fileImage(skinFile(2));
    EXPECT_EQ(px(100, 100), skin2.pixel(100, 100));
    EXPECT_EQ(px(30, 12), board().edgeColours().light.rgb());
    expectDiscsMatchBoard(skin2);
    EXPECT_EQ(w->state().Board, before.Board);
    EXPECT_EQ(w->state().PlayerTotal, before.PlayerTotal);
    EXPECT_EQ(label("lblInfo")->text(), info);
    EXPECT_EQ(label("lblPlayer")->text(), player);

    // Choosing the marked item again keeps the captions and redraws all.
    w->DrawChess(0, 0, BLACK);
    action("mBoard_2")->trigger();
    EXPECT_EQ(action("mBoard_2")->text(), "Light Wood *");
    EXPECT_EQ(action("mBoard_1")->text(), "Default");
    EXPECT_EQ(px(41, 41), skin2.pixel(41, 41)) << "the stray disc went with the reload";
    expectDiscsMatchBoard(skin2);
    EXPECT_TRUE(boxes.size() == 1) << "only the New Game question";
}

TEST(LoadBoardImage, ReadsWhatCanBeShownAndRefusesTheRest)
{
    QTemporaryDir dir;
    const QByteArray jpeg = ShippedSkinBytes(2);
    ASSERT_FALSE(jpeg.isEmpty());
    auto write = [&](const QString& name, const QByteArray& data) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(120, 80, QImage::Format_RGB32).save(&buffer, "PNG");
    }

    EXPECT_EQ(LoadBoardImage(write("whole.jpg", jpeg)).size(), QSize(480, 480));
    EXPECT_EQ(LoadBoardImage(write("png.jpg", png)).size(), QSize(120, 80)) << "read by content, not by name";
    EXPECT_TRUE(LoadBoardImage(write("cut.jpg", jpeg.left(jpeg.size() / 2))).isNull());
    EXPECT_TRUE(LoadBoardImage(write("header.jpg", jpeg.left(200))).isNull());
    EXPECT_TRUE(LoadBoardImage(write("empty.jpg", {})).isNull());
    EXPECT_TRUE(LoadBoardImage(write("text.jpg", "not an image at all")).isNull());
    EXPECT_TRUE(LoadBoardImage(dir.filePath("missing.jpg")).isNull());
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    EXPECT_TRUE(LoadBoardImage(dir.filePath("folder.jpg")).isNull());
}

// ---- Pointer read-out -------------------------------------------------------

TEST(NumberText, PutsABlankOrAMinusBeforeTheDigits)
{
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(468), " 468");
    EXPECT_EQ(NumberText(-45), "-45");
    EXPECT_EQ(NumberText(-1), "-1");
    EXPECT_EQ(NumberText(std::numeric_limits<long>::min()).left(2), "-9");
}

TEST_F(WindowTest, PointerReadOutShowsPositionAndCell)
{
    open();
    show();
    const std::vector<std::tuple<int, QString, QString>> examples{
        {0, " 0", " 0"},     {11, " 11", " 0"},   {12, " 12", " 0"},  {68, " 68", " 0"},  {69, " 69", " 1"},
        {467, " 467", " 7"}, {468, " 468", " 8"}, {479, " 479", " 8"}, {-44, "-44", " 0"}, {-45, "-45", "-1"},
    };
    for (const auto& [v, position, cell] : examples) {
        QMouseEvent move(QEvent::MouseMove, QPointF(widgetPoint(v, 100)), QPointF(), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&board(), &move);
        EXPECT_EQ(label("LabelX")->text(), position) << v;
        EXPECT_EQ(label("IntPosX")->text(), cell) << v;
        EXPECT_EQ(label("LabelY")->text(), " 100");
        EXPECT_EQ(label("IntPosY")->text(), " 1");
        QMouseEvent moveY(QEvent::MouseMove, QPointF(widgetPoint(100, v)), QPointF(), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&board(), &moveY);
        EXPECT_EQ(label("LabelY")->text(), position) << v;
        EXPECT_EQ(label("IntPosY")->text(), cell) << v;
    }
    EXPECT_EQ(label("LabelX")->x(), 144) << "self-sizing labels keep their left edge";
    const int narrow = label("LabelX")->width();
    QTest::mouseMove(&board(), widgetPoint(5, 5));
    EXPECT_EQ(label("LabelX")->text(), " 5");
    EXPECT_LT(label("LabelX")->width(), narrow + 1);
    QTest::mouseMove(&board(), widgetPoint(468, 5));
    EXPECT_GT(label("LabelX")->width(), label("IntPosX")->width());
}

// ---- Play through the real widgets ------------------------------------------

TEST_F(WindowTest, WholeGamePlayedWithTheMouseReachesItsResult)
{
    open();
    show();
    script.answers.push_back(ANSWER_YES);
    QTest::keyClick(w.get(), Qt::Key_F2);
    ASSERT_TRUE(w->state().GameStarted) << "F2 starts a game";
    EXPECT_TRUE(button("cmdPass")->isEnabled());
    EXPECT_EQ(board().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(board().cursor().hotSpot(), QPoint(2, 3));

    const QImage skin = fileImage(skinFile(1));
    Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    int turn = 0;
    while (!w->state().GameOver && turn < 100) {
        if (const auto target = FirstLegalPlacement(w->state()))
            QTest::mouseClick(&board(), buttons[turn % 3], Qt::NoModifier, cellPoint(target->first, target->second));
        else
            QTest::mouseClick(button("cmdPass"), Qt::LeftButton);
        ++turn;
        expectDiscsMatchBoard(skin);
        ASSERT_TRUE(boxes.size() == 1 || w->state().GameOver)
            << boxes.size() << " boxes, the last: " << (boxes.empty() ? "none" : boxes.back().text.toStdString());
    }
    ASSERT_TRUE(w->state().GameOver);
    const bool lost = w->state().PlayerTotal < w->state().ComputerTotal;
    EXPECT_EQ(boxes.back().title, lost ? "you lost" : "you win");
    EXPECT_EQ(boxes.back().style, Style::Information);
    EXPECT_EQ(label("lblInfo")->text(), lost ? "you lost!" : "you win!");
    EXPECT_FALSE(button("cmdPass")->isEnabled());

    const size_t shown = boxes.size();
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(0, 0));
    EXPECT_EQ(boxes.size(), shown) << "clicks after the end do nothing";
}

TEST_F(WindowTest, RefusedClicksShowTheirBoxes)
{
    open();
    show();
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(2, 4));
    EXPECT_TRUE(boxes.empty()) << "no game yet";
    newGame(ANSWER_YES);
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(3, 3));
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(0, 0));
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, widgetPoint(470, 470));
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, "Already occupied!");
    EXPECT_EQ(boxes[1].title, "Oop!!!");
    EXPECT_EQ(boxes[1].style, Style::Exclamation);
    EXPECT_EQ(boxes[2].text, "Invalid position!");
}

TEST_F(WindowTest, AltPWorksOnlyWhilePassIsEnabled)
{
    open();
    show();
    QTest::keyClick(w.get(), Qt::Key_P, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_TRUE(boxes.empty()) << "a disabled Pass cannot be reached";
    newGame(ANSWER_YES);
    QTest::keyClick(w.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(w->state().Board(2, 3), WHITE) << "the computer took the turn at once";
}

// A mnemonic followed at once by a click: the two act in the order given,
// and nothing runs inside a box that the other opened.
TEST_F(WindowTest, KeysAndClicksActInTheOrderGivenAndNeverInsideABox)
{
    struct Case {
        const char* name;
        Qt::Key key;
        int col, row;
        std::vector<QString> titles;
    };
    const std::vector<Case> cases{
        {"Alt+A, then an occupied cell", Qt::Key_A, 3, 3, {"", "About Pennalt", "Oop!!!"}},
        {"Alt+P, then a cell", Qt::Key_P, 4, 2, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        show();
        newGame(ANSWER_YES);
        boxOpenMs = 200;
        mostOpenBoxes = 0;
        QTest::keyClick(w.get(), c.key, Qt::AltModifier);
        QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(c.col, c.row));
        QTest::qWait(300);
        boxOpenMs = 0;
        EXPECT_EQ(boxTitles(), c.titles);
        EXPECT_LE(mostOpenBoxes, 1) << "a box opened inside another";

        // The same input through the flow alone, in the order given.
        GameState state;
        FakeWindow model;
        Game game(state, model, "/nowhere");
        game.frmGame_Load();
        game.mNewGame_Click();
        if (c.key == Qt::Key_P)
            game.cmdPass_Click();
        ClickCell(game, c.col, c.row);
        EXPECT_EQ(pictureOf(w->state().Board), pictureOf(state.Board));
        boxes.clear();
    }
}

// ---- About and exit ---------------------------------------------------------

TEST_F(WindowTest, AboutShowsItsOwnTitle)
{
    open();
    show();
    QTest::mouseClick(button("cmdAbout"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "About Pennalt");
    EXPECT_EQ(boxes[0].style, 64);
    EXPECT_FALSE(boxes[0].text.isEmpty());
    EXPECT_FALSE(boxes[0].text.contains('\n'));
}

TEST_F(WindowTest, ExitAnsweredNoLeavesEverythingAsItWas)
{
    open();
    show();
    newGame(ANSWER_YES);
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    const GameState before = w->state();
    const QImage picture = board().picture();
    const QString info = label("lblInfo")->text(), player = label("lblPlayer")->text();

    script.answers = {ANSWER_NO, ANSWER_NO, ANSWER_NO};
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    button("cmdPass")->setFocus();
    QTest::keyClick(w.get(), Qt::Key_F4, Qt::ControlModifier);
    action("mExit")->trigger();
    ASSERT_EQ(boxes.size(), 4u);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(boxes[i].text, "Exit game?");
        EXPECT_EQ(boxes[i].style, Style::Question + Style::YesNo);
        EXPECT_EQ(boxes[i].title, "") << "the application title is shown";
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->state().Board, before.Board);
    EXPECT_EQ(board().picture(), picture);
    EXPECT_EQ(label("lblInfo")->text(), info);
    EXPECT_EQ(label("lblPlayer")->text(), player);
    EXPECT_TRUE(button("cmdPass")->isEnabled());
}

TEST_F(WindowTest, ExitAnsweredYesClosesAndTheCloseBoxAsksNothing)
{
    open();
    show();
    script.answers = {ANSWER_YES};
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());

    boxes.clear();
    open();
    show();
    newGame(ANSWER_YES);
    boxes.clear();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(boxes.empty());
}

// ---- Message boxes ----------------------------------------------------------

namespace {

// What a real box showed before the test pressed a button on it.
struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

} // namespace

TEST(MessageBox, StyleNumbersGiveIconsButtonsAndTheDefaultTitle)
{
    struct Case {
        int style;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        int result;
    };
    const std::vector<Case> cases{
        {Style::Question + Style::YesNo, "", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, ANSWER_YES},
        {Style::Question + Style::YesNo, "", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, ANSWER_NO},
        {Style::Information + Style::YesNo, "", QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, ANSWER_YES},
        {Style::Exclamation, "Oop!!!", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, ANSWER_OK},
        {Style::Information, "you win", QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, ANSWER_OK},
    };
    for (const Case& c : cases) {
        auto seen = std::make_shared<BoxSeen>();
        QTimer::singleShot(0, [seen, press = c.press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            box->button(press)->click();
        });
        const int result = ShowMessageBox(nullptr, "text", c.style, c.title);
        EXPECT_EQ(result, c.result) << c.style;
        EXPECT_EQ(seen->title, c.title.isEmpty() ? "Kalvado" : c.title);
        EXPECT_EQ(seen->icon, c.icon) << c.style;
        EXPECT_EQ(seen->buttons, c.buttons) << c.style;
    }
}

// ---- Stored images ----------------------------------------------------------

TEST(StoredImages, TheBoardCursorIsATwoColourCursorWithItsHotSpot)
{
    auto u16 = [](const QByteArray& d, int at) { return qFromLittleEndian<quint16>(d.constData() + at); };
    QFile cur(sourcePath("window/images/board.cur"));
    ASSERT_TRUE(cur.open(QIODevice::ReadOnly));
    const QByteArray c = cur.readAll();
    EXPECT_EQ(u16(c, 2), 2) << "cursor";
    EXPECT_EQ(u16(c, 4), 1);
    EXPECT_EQ(quint8(c[6]), 32);
    EXPECT_EQ(quint8(c[7]), 32);
    EXPECT_EQ(u16(c, 10), 2) << "hot spot x";
    EXPECT_EQ(u16(c, 12), 3) << "hot spot y";
    EXPECT_EQ(u16(c, 22 + 14), 1) << "two colours";
    const QCursor cursor = LoadCursorFile(sourcePath("window/images/board.cur"));
    EXPECT_EQ(cursor.hotSpot(), QPoint(2, 3));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(StoredImages, BoardImagesAreBaselineJpegsOfTheBoardSizeAndDiffer)
{
    std::vector<QImage> images;
    for (const char* file : {"window/images/default.jpg", "pic/Board1.jpg", "pic/Board2.jpg", "pic/Board3.jpg"}) {
        QFile f(sourcePath(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QByteArray data = f.readAll();
        const int sof0 = data.indexOf(QByteArray("\xFF\xC0", 2));
        ASSERT_GT(sof0, 0) << file << " is baseline";
        EXPECT_EQ(data.indexOf(QByteArray("\xFF\xC2", 2)), -1) << file << " is not progressive";
        EXPECT_EQ(quint8(data[sof0 + 4]), 8) << "8-bit samples";
        EXPECT_EQ(qFromBigEndian<quint16>(data.constData() + sof0 + 5), 480);
        EXPECT_EQ(qFromBigEndian<quint16>(data.constData() + sof0 + 7), 480);
        EXPECT_EQ(quint8(data[sof0 + 9]), 3) << "three components";
        images.push_back(LoadBoardImage(sourcePath(file)));
        ASSERT_EQ(images.back().size(), QSize(480, 480));
    }
    auto meanColour = [](const QImage& image) {
        long r = 0, g = 0, b = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4) {
                const QRgb p = image.pixel(x, y);
                r += qRed(p), g += qGreen(p), b += qBlue(p);
            }
        return std::array<long, 3>{r / 14400, g / 14400, b / 14400};
    };
    for (size_t a = 0; a < images.size(); ++a)
        for (size_t b = a + 1; b < images.size(); ++b) {
            const auto ma = meanColour(images[a]), mb = meanColour(images[b]);
            long distance = 0;
            for (int k = 0; k < 3; ++k)
                distance += std::abs(ma[k] - mb[k]);
            long differing = 0;
            for (int y = 0; y < 480; y += 8)
                for (int x = 0; x < 480; x += 8)
                    differing += std::abs(qGray(images[a].pixel(x, y)) - qGray(images[b].pixel(x, y))) > 12;
            EXPECT_TRUE(distance > 30 || differing > 1800) << a << " and " << b << " look alike";
        }
}

// On every board image both discs, and the keyboard's cell cursor, stand
// out at 3 : 1 or more from the board pixels around them (all but the
// faintest 2 per cent, which a grain line may darken).
TEST(StoredImages, DiscsAndTheCellCursorStandOutOnEveryBoardImage)
{
    auto faintest = [](std::vector<double> ratios) {
        std::sort(ratios.begin(), ratios.end());
        return ratios[ratios.size() / 50];
    };
    auto outline = [](const QRect& r, auto each) {
        for (int x = r.left(); x <= r.right(); ++x)
            each(x, r.top()), each(x, r.bottom());
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            each(r.left(), y), each(r.right(), y);
    };
    for (const char* file : {"window/images/default.jpg", "pic/Board1.jpg", "pic/Board2.jpg", "pic/Board3.jpg"}) {
        SCOPED_TRACE(file);
        const QImage image = LoadBoardImage(sourcePath(file));
        ASSERT_EQ(image.size(), QSize(SURFACE_SIZE, SURFACE_SIZE));
        std::vector<double> black, white, cursor;
        forEachCell([&](int col, int row) {
            // The ring of three pixels just outside the disc.
            const QPoint c = DiscCentre(col, row);
            for (int y = c.y() - DISC_RADIUS - 3; y <= c.y() + DISC_RADIUS + 3; ++y)
                for (int x = c.x() - DISC_RADIUS - 3; x <= c.x() + DISC_RADIUS + 3; ++x) {
                    const double d = std::hypot(x - c.x(), y - c.y());
                    if (d <= DISC_RADIUS + 0.5 || d > DISC_RADIUS + 3)
                        continue;
                    black.push_back(ContrastRatio(Qt::black, image.pixelColor(x, y)));
                    white.push_back(ContrastRatio(Qt::white, image.pixelColor(x, y)));
                }
            // The pixels that the cursor's outer and inner edge touch.
            const QRect cell = CellRect(col, row);
            const int outside = CURSOR_INSET - CURSOR_WIDTH / 2 - 1, inside = CURSOR_INSET + CURSOR_WIDTH / 2 + 1;
            for (const QRect& r : {cell.adjusted(outside, outside, -outside, -outside),
                                   cell.adjusted(inside, inside, -inside, -inside)})
                outline(r, [&](int x, int y) { cursor.push_back(ContrastRatio(QColor(CURSOR_EDGE), image.pixelColor(x, y))); });
        });
        EXPECT_GE(faintest(black), 3.0) << "black disc";
        EXPECT_GE(faintest(white), 3.0) << "white disc";
        EXPECT_GE(faintest(cursor), 3.0) << "the cursor's edge on the board";
    }
    // The cursor never touches a disc, but wherever it passes one, one of
    // its two colours stands out from it.
    for (const QColor disc : {QColor(Qt::black), QColor(Qt::white)}) {
        EXPECT_GE(std::max(ContrastRatio(QColor(CURSOR_EDGE), disc), ContrastRatio(QColor(CURSOR_MIDDLE), disc)), 3.0);
    }
}

// Contrast as the accessibility guidelines reckon it, and the shades and
// palettes the window takes from it.
TEST(Contrast, RatiosShadesAndReadablePalettes)
{
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(255, 0, 0), Qt::white), 4.0, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 255), Qt::white), 8.59, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 255), QColor(0x22, 0x20, 0x20)), 1.89, 0.01);
    const QColor red(255, 0, 0), blue(0, 0, 255);
    const struct {
        QColor background;
        bool keepsRed, keepsBlue;
    } windows[] = {
        {QColor(0xef, 0xef, 0xef), true, true},  // the default light window
        {QColor(0x22, 0x20, 0x20), true, false}, // dark
        {QColor(0x7b, 0x7b, 0x7b), false, false}, // mid grey
        {QColor(0xff, 0x00, 0x00), false, false}, // red itself
        {Qt::black, true, false},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.background.name().toStdString());
        for (const auto& [own, keeps] : {std::pair{red, w.keepsRed}, std::pair{blue, w.keepsBlue}}) {
            const QColor shade = ScoreColour(own, w.background);
            if (keeps) {
                EXPECT_EQ(shade, own);
                continue;
            }
            EXPECT_GE(ContrastRatio(shade, w.background), 4.5);
            EXPECT_LT(ContrastRatio(shade, w.background), 4.9) << "no further from its own colour than needed";
            if (shade.saturation() > 0) {
                EXPECT_NEAR(shade.hsvHue(), own.hsvHue(), 2) << "red stays red and blue blue";
            }
        }
    }
    QPalette grey;
    grey.setColor(QPalette::Window, QColor(0x7b, 0x7b, 0x7b));
    grey.setColor(QPalette::WindowText, QColor(0x30, 0x30, 0x30));
    grey.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    grey.setColor(QPalette::HighlightedText, Qt::white);
    const QPalette readable = ReadablePalette(grey);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_GE(ContrastRatio(readable.color(group, QPalette::WindowText), readable.color(group, QPalette::Window)), 4.5);
        EXPECT_GE(ContrastRatio(readable.color(group, QPalette::HighlightedText), readable.color(group, QPalette::Highlight)), 4.5);
        EXPECT_EQ(readable.color(group, QPalette::HighlightedText), QColor(Qt::white)) << "the selection gives way";
        EXPECT_EQ(readable.color(group, QPalette::Window), grey.color(group, QPalette::Window));
    }
    QPalette plain(Qt::black, Qt::white, Qt::white, Qt::gray, Qt::gray, Qt::black, Qt::white, Qt::white, Qt::white);
    plain.setColor(QPalette::Highlight, Qt::black);
    plain.setColor(QPalette::HighlightedText, Qt::white);
    plain.setColor(QPalette::ToolTipBase, Qt::white);
    plain.setColor(QPalette::ToolTipText, Qt::black);
    EXPECT_EQ(ReadablePalette(plain), plain) << "a readable palette stays as it is";
}
