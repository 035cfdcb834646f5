// Plays the real kalvado binary on a private X server with real X input,
// and checks from outside the process what a player would see: the titles
// of the window and of every message box, and the pixels of the board.
// The flow with a recording fake window runs alongside as the model that
// says what each action must show.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <map>
#include <string>

#include "support/BoardPicture.h"
#include "support/FakeWindow.h"
#include "support/Placements.h"
#include "support/Product.h"
#include "support/ScreenBoard.h"
#include "Game.h"
#include "SkinPath.h"
#include "Rules.h"
#include "XSession.h"

using namespace kalvado;
using namespace kalvado::e2e;
using namespace kalvado::test;

namespace {

std::string env(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::string gameBinary()
{
    return env("KALVADO_E2E_BIN", KALVADO_BUILD_BIN);
}

// One running game window and the model of what it must show.
class Player {
public:
    Player(XSession& x, const std::string& exeDir)
        : m_x(x)
        , m_exeDir(exeDir)
        , m_game(m_state, m_model, exeDir)
    {
    }

    GameState& model() { return m_state; }
    Window window() const { return m_window; }

    // The Load handler of the model, and the boxes it says come first.
    void expectStartUp(bool skinMissing)
    {
        if (skinMissing)
            m_model.unreadable.insert(SkinFilePath(m_exeDir, 1));
        m_game.frmGame_Load();
    }

    void attach(Window window, const QImage& skin, bool mirrored = false)
    {
        m_window = window;
        m_skin = skin;
        locateBoard(mirrored);
    }

    // Answers every box the model expects, in order, checking its title;
    // `whileOpen` looks at each before it is answered.
    void answerBoxes(const std::vector<Box>& boxes, BoxScript script = {}, const std::function<void()>& whileOpen = {})
    {
        for (const BoxAnswer& box : BoxAnswers(boxes, std::move(script))) {
            const Window shown = m_x.waitWindow(box.title);
            ASSERT_NE(shown, 0u) << "no box titled \"" << box.title << "\"";
            if (whileOpen)
                whileOpen();
            m_x.key(shown, box.key);
            ASSERT_TRUE(m_x.waitFor([&] { return m_x.findWindow(box.title) != shown; }, 5000)) << box.title << " stays";
        }
    }

    void newGame(int answer, const std::function<void()>& whileOpen = {})
    {
        m_model.clearRecords();
        m_model.script.answers.push_back(answer);
        m_game.mNewGame_Click();
        m_x.key(m_window, "F2");
        answerBoxes(m_model.boxes, {{answer}}, whileOpen);
    }

    void clickPicture(QPoint picture, int button = 1)
    {
        m_model.clearRecords();
        m_game.picBoard_MouseUp(button, 0, static_cast<float>(picture.x()), static_cast<float>(picture.y()));
        m_x.click(m_boardOrigin + picture, button);
        answerBoxes(m_model.boxes);
    }

    void clickCell(int col, int row, int button = 1)
    {
        clickPicture(DiscCentre(col, row), button);
    }

    void pass()
    {
        m_model.clearRecords();
        m_game.cmdPass_Click();
        clickButton("cmdPass");
        answerBoxes(m_model.boxes);
    }

    void switchSkin(int index, const QImage& skin, bool loads)
    {
        // Key events queued while the menu opens go to the open menu: the
        // toolkit routes keys to its active popup.
        m_x.key(m_window, "alt+o");
        std::string keys;
        for (int i = 1; i < index; ++i)
            keys += "Down ";
        m_x.key(m_window, keys + "Return");
        if (!loads)
            answerBoxes({{NO_SKIN_TEXT, Style::Information, NO_SKIN_TITLE}});
        m_skin = skin;
    }

    void clickButton(const char* name) { m_x.click(m_clientOrigin + FormGeometry(name).center()); }

    // The keyboard alone: arrows from where the cell cursor stands, then
    // Return; Alt+P for Pass.
    void placeByKeys(int col, int row)
    {
        std::string keys;
        for (; m_cursor.x() < col; m_cursor.rx()++)
            keys += "Right ";
        for (; m_cursor.x() > col; m_cursor.rx()--)
            keys += "Left ";
        for (; m_cursor.y() < row; m_cursor.ry()++)
            keys += "Down ";
        for (; m_cursor.y() > row; m_cursor.ry()--)
            keys += "Up ";
        m_model.clearRecords();
        ClickCell(m_game, col, row);
        m_x.key(m_window, keys + "Return");
        answerBoxes(m_model.boxes);
    }
    void passByKeys()
    {
        m_model.clearRecords();
        m_game.cmdPass_Click();
        m_x.key(m_window, "alt+p");
        answerBoxes(m_model.boxes);
    }
    QPoint boardOrigin() const { return m_boardOrigin; }
    // Where the window's client area (below the menu bar) starts in a
    // windowShot().
    QPoint clientInShot() const { return {0, m_menuHeight}; }

    // The screen shows the model's board on the current skin, with the grid.
    void expectBoard(const char* when)
    {
        QImage shot;
        std::string mismatch;
        const bool same = m_x.waitFor(
            [&] {
                shot = m_x.grab();
                mismatch = compare(shot);
                return mismatch.empty();
            },
            4000);
        EXPECT_TRUE(same) << when << ": " << mismatch;
    }

    QImage windowShot()
    {
        const QImage shot = m_x.grab();
        const QSize client = ClientSize();
        return shot.copy(QRect(m_clientOrigin - QPoint(0, m_menuHeight), client + QSize(0, m_menuHeight)));
    }

private:
    QRgb at(const QImage& shot, int x, int y) const
    {
        return shot.pixel(m_boardOrigin + QPoint(x, y));
    }

    // The menu bar's height is the toolkit's; find where the skin's pixels
    // stand on the screen instead of guessing it.
    void locateBoard(bool mirrored)
    {
        const QPoint top = m_x.origin(m_window) + PictureInClient(mirrored);
        std::optional<QPoint> found;
        ASSERT_TRUE(m_x.waitFor([&] { return (found = FindPicture(m_x.grab(), m_skin, QRect(top, QSize(1, 61)))).has_value(); },
                                5000))
            << "the skin is nowhere on the screen";
        m_menuHeight = found->y() - top.y();
        m_boardOrigin = *found;
        m_clientOrigin = m_x.origin(m_window) + QPoint(0, m_menuHeight);
    }

    std::string compare(const QImage& shot) const
    {
        const int last = CELL_SIZE - 1;
        const int frameEnd = FRAME_LEFT + FRAME_SIZE - 1;
        const QRgb light = at(shot, BOARD_ORIGIN + 18, BOARD_ORIGIN);
        const QRgb shadow = at(shot, BOARD_ORIGIN + 18, BOARD_ORIGIN + last);
        if (light == shadow || qGray(light) <= qGray(shadow))
            return "grid edges lack their light and shadow";
        for (int k = 0; k < BOARD_SIZE; ++k)
            for (int j = 0; j < BOARD_SIZE; ++j) {
                const QRect cell = CellRect(j, k);
                const int mid = cell.left() + 20;
                if (at(shot, mid, cell.top()) != light || at(shot, cell.top(), mid) != light
                    || at(shot, mid, cell.top() + last) != shadow || at(shot, cell.top() + last, mid) != shadow)
                    return "grid line wrong near cell " + std::to_string(j) + "," + std::to_string(k);
            }
        for (int i = 20; i < 460; i += 41) {
            if (at(shot, i, FRAME_LEFT) != shadow || at(shot, FRAME_LEFT, i) != shadow || at(shot, i, frameEnd) != light
                || at(shot, frameEnd, i) != light)
                return "frame wrong at " + std::to_string(i);
            if (at(shot, i, FRAME_LEFT + 1) != m_skin.pixel(i, FRAME_LEFT + 1)
                || at(shot, frameEnd - 1, i) != m_skin.pixel(frameEnd - 1, i))
                return "the frame's inner rows must stay untouched at " + std::to_string(i);
        }
        return DiscMismatch(shot, m_boardOrigin, m_state.Board, m_skin);
    }

    XSession& m_x;
    std::string m_exeDir;
    GameState m_state;
    FakeWindow m_model;
    Game m_game;
    Window m_window = 0;
    QImage m_skin;
    QPoint m_cursor{0, 0};
    int m_menuHeight = 0;
    QPoint m_boardOrigin, m_clientOrigin;
};

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.ok()) << "Xvfb could not be started";
        ASSERT_TRUE(QFileInfo(QString::fromStdString(gameBinary())).isExecutable()) << gameBinary();
    }

    // The program with its accessibility tree on the AT-SPI bus, in a new
    // game of the player's as black.
    void startAccessibleGame(Player& player, pid_t& game, Window& window)
    {
        ASSERT_TRUE(x.startAccessibility()) << "no D-Bus session or AT-SPI bus";
        player.expectStartUp(false);
        game = x.start({gameBinary()});
        window = x.waitWindow(MainTitle(), 10000);
        ASSERT_NE(window, 0u);
        player.attach(window, SourceImage("pic/Board1.jpg"));
        player.newGame(ANSWER_YES);
    }

    // The real executable's folder, where the game looks for pic/.
    static std::string exeDir()
    {
        return QFileInfo(QFileInfo(QString::fromStdString(gameBinary())).canonicalFilePath()).absolutePath().toStdString();
    }

    XSession x;
};

} // namespace

// The short game that every build and every installed tree plays: start-up,
// New Game, two placements, a refused cell and Exit answered Yes.
TEST_F(EndToEnd, AShortGameFromStartToExit)
{
    Player player(x, exeDir());
    player.expectStartUp(false);
    const pid_t game = x.start({gameBinary()});
    const Window window = x.waitWindow(MainTitle(), 10000);
    ASSERT_NE(window, 0u) << "no window titled exactly \"" << MainTitle() << "\"";
    player.attach(window, SourceImage("pic/Board1.jpg"));
    player.expectBoard("start-up");
    player.newGame(ANSWER_YES);
    for (int move = 1; move <= 2; ++move) {
        const auto target = FirstLegalPlacement(player.model());
        ASSERT_TRUE(target.has_value());
        player.clickCell(target->first, target->second);
        player.expectBoard(("move " + std::to_string(move)).c_str());
    }
    player.clickCell(3, 3);
    player.expectBoard("an occupied cell refused");
    player.clickButton("cmdExit");
    player.answerBoxes({{"Exit game?", Style::Question + Style::YesNo, ""}}, {{ANSWER_YES}});
    int code = -1;
    EXPECT_TRUE(x.waitExit(game, 10000, &code)) << "Exit answered Yes ends the program";
    EXPECT_EQ(code, 0) << "a clean exit (a sanitizer report would change it)";
}

TEST_F(EndToEnd, APlayerPlaysAWholeGameWithEveryControl)
{
    Player player(x, exeDir());
    player.expectStartUp(false);
    const pid_t game = x.start({gameBinary()});
    ASSERT_GT(game, 0);
    const Window window = x.waitWindow(MainTitle(), 10000);
    ASSERT_NE(window, 0u) << "no window titled exactly \"" << MainTitle() << "\"";
    for (const auto& [id, title] : x.topLevelTitles())
        EXPECT_EQ(title.find("Kalvado"), std::string::npos) << "stray window " << title;
    const QImage skin1 = SourceImage("pic/Board1.jpg");
    player.attach(window, skin1);
    player.expectBoard("start-up");

    player.clickCell(2, 4);
    player.expectBoard("a click before any game");
    player.newGame(ANSWER_NO);
    player.expectBoard("the computer opened as black");
    ASSERT_EQ(player.model().Board(2, 4), BLACK);

    player.newGame(ANSWER_YES);
    player.expectBoard("a new game as black");
    player.clickCell(3, 3);        // occupied
    player.clickCell(0, 0, 3);     // right button, nothing outflanked
    player.clickPicture({470, 470}); // beyond the grid: ignored
    player.expectBoard("refused clicks");
    player.pass();
    player.expectBoard("pass at the start");

    player.switchSkin(2, SourceImage("pic/Board2.jpg"), true);
    player.expectBoard("skin switched to Light Wood");

    int moves = 0;
    while (!player.model().GameOver && moves < 80 && !testing::Test::HasFatalFailure()) {
        if (const auto target = FirstLegalPlacement(player.model()))
            player.clickCell(target->first, target->second);
        else
            player.pass();
        player.expectBoard(("move " + std::to_string(++moves)).c_str());
        if (moves == 6) {
            const char* shot = std::getenv("KALVADO_E2E_SCREENSHOT");
            if (shot)
                player.windowShot().save(shot);
        }
    }
    ASSERT_TRUE(player.model().GameOver) << "the game reached its result box";

    player.clickButton("cmdAbout");
    player.answerBoxes({{"", Style::Information, "About Pennalt"}});

    // Ctrl+F4 and No: everything stays.
    x.key(window, "ctrl+F4");
    player.answerBoxes({{"Exit game?", Style::Question + Style::YesNo, ""}}, {{ANSWER_NO}});
    player.expectBoard("exit answered no");
    ASSERT_TRUE(x.running(game));

    player.clickButton("cmdExit");
    player.answerBoxes({{"Exit game?", Style::Question + Style::YesNo, ""}}, {{ANSWER_YES}});
    int code = -1;
    EXPECT_TRUE(x.waitExit(game, 10000, &code)) << "Exit answered Yes ends the program";
    EXPECT_EQ(code, 0) << "a clean exit (a sanitizer report would change it)";
}

// The close box ends the program at once, also while one of its boxes is
// open (Qt itself would drop the request to a window that a box blocks).
TEST_F(EndToEnd, TheCloseBoxEndsTheProgramWithoutAQuestion)
{
    for (const bool boxOpen : {false, true}) {
        SCOPED_TRACE(boxOpen ? "with a box open" : "with no box open");
        const pid_t game = x.start({gameBinary()});
        const Window window = x.waitWindow(MainTitle(), 10000);
        ASSERT_NE(window, 0u);
        Player player(x, exeDir());
        player.expectStartUp(false);
        player.attach(window, SourceImage("pic/Board1.jpg"));
        player.newGame(ANSWER_YES);
        player.clickCell(4, 2);
        if (boxOpen) {
            x.click(player.boardOrigin() + DiscCentre(4, 2)); // occupied now
            ASSERT_NE(x.waitWindow("Oop!!!"), 0u);
        }
        x.sendClose(window);
        int code = -1;
        EXPECT_TRUE(x.waitExit(game, 10000, &code));
        EXPECT_EQ(code, 0);
        for (const auto& [id, title] : x.topLevelTitles())
            ADD_FAILURE() << "left open: " << title;
    }
}

TEST_F(EndToEnd, WithoutThePicFolderTheBoxComesFirstAndTheBuiltInImageServes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath("kalvado");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(gameBinary()), copy));
    const pid_t game = x.start({copy.toStdString()});

    const Window box = x.waitWindow("No skin source", 10000);
    ASSERT_NE(box, 0u);
    EXPECT_EQ(x.findWindow(MainTitle()), 0u) << "the box comes before the window";
    x.key(box, "Return");
    const Window window = x.waitWindow(MainTitle(), 10000);
    ASSERT_NE(window, 0u);

    Player player(x, dir.path().toStdString());
    player.expectStartUp(true);
    player.attach(window, SourceImage("window/images/default.jpg"));
    player.expectBoard("built-in image at start-up");
    player.newGame(ANSWER_YES);
    player.clickCell(4, 2);
    player.expectBoard("playing on the built-in image");
    player.switchSkin(3, SourceImage("window/images/default.jpg"), false);
    player.expectBoard("a failed switch keeps the built-in image");
    x.stop(game);
}

// A careless or hostile client on the session bus calls every method of
// the game's accessible objects with extreme numbers: the program lives and
// answers, and neither its game nor its boxes change.
TEST_F(EndToEnd, AHostileAccessibilityClientCannotHarmTheGame)
{
    Player player(x, exeDir());
    pid_t game = -1;
    Window window = 0;
    ASSERT_NO_FATAL_FAILURE(startAccessibleGame(player, game, window));
    player.clickCell(4, 2);
    player.expectBoard("before the client");
    ASSERT_TRUE(x.waitFor([&] { return x.accessibilityTree(game).find("table|Board|64") != std::string::npos; }, 10000));

    const std::string said = x.accessibilityClient("atspi_hostile.py", game);
    EXPECT_NE(said.find("1 passed, 0 failed"), std::string::npos) << said;
    ASSERT_TRUE(x.running(game)) << said;
    EXPECT_TRUE(x.answersPing(window, 2000));
    for (const auto& [id, title] : x.topLevelTitles())
        EXPECT_EQ(title, MainTitle()) << "a box opened";
    player.expectBoard("after the client");
    x.stop(game);
}

// On a German desktop: the window's title, the New Game box with Qt's own
// Ja and Nein, one move, and the line said of it, all in German.
// The real program on a German and on a Hebrew desktop: the title, the New
// Game box with Qt's own buttons, one move on the board (on the Hebrew
// desktop the form is mirrored, the board as printed), and what a screen
// reader is told of it. Cell names and numbers keep their order inside the
// Hebrew sentence, isolated (U+2068 ... U+2069).
TEST_F(EndToEnd, OnAGermanOrHebrewDesktopTheGameSpeaksItsLanguage)
{
    ASSERT_TRUE(x.startAccessibility()) << "no D-Bus session or AT-SPI bus";
#define ISOLATED(text) "\u2068" text "\u2069"
    const struct {
        const char* language;
        const char* title;
        std::vector<std::string> box; // its text and Qt's buttons
        const char* said;
        const char* score;
    } desktops[] = {
        {"de", "Pennalt (Schwarz und Weiß)", {"label|Neues Spiel! Willst du anfangen?|0", "button|Ja|0", "button|Nein|0"},
         "Du hast auf E3 gesetzt und 1 Stein umgedreht. Der Computer hat auf D3 gesetzt und 1 Stein umgedreht. "
         "Du 3, Computer 3.",
         "label|Spieler:03|0"},
        {"he", "Pennalt (שחור-לבן)", {"label|משחק חדש! התור הראשון יהיה שלך?|0", "button|כן|0", "button|לא|0"},
         "המהלך שלך: " ISOLATED("E3") ", התהפכה " ISOLATED("1") " דיסקית. מהלך המחשב: " ISOLATED("D3")
         ", התהפכה " ISOLATED("1") " דיסקית. התוצאה: לך " ISOLATED("3") ", למחשב " ISOLATED("3") ".",
         "label|שחקן:" ISOLATED("03") "|0"},
    };
    for (const auto& d : desktops) {
        SCOPED_TRACE(d.language);
        Player player(x, exeDir());
        player.expectStartUp(false);
        const pid_t game = x.start({"env", std::string("LANGUAGE=") + d.language, gameBinary()});
        const Window window = x.waitWindow(d.title, 10000);
        ASSERT_NE(window, 0u) << "no window titled in the language";
        player.attach(window, SourceImage("pic/Board1.jpg"), d.language == std::string("he"));
        auto shows = [&](const std::string& part, std::string& tree) {
            return x.waitFor([&] { return (tree = x.accessibilityTree(game)).find(part) != std::string::npos; }, 10000);
        };
        std::string box;
        // (A push button's role is "button" to newer AT-SPI.)
        player.newGame(ANSWER_YES, [&] { shows(d.box.back(), box); });
        for (const std::string& part : d.box)
            EXPECT_NE(box.find(part), std::string::npos) << part << "\n" << box;
        player.clickCell(4, 2);
        player.expectBoard("one move");
        std::string tree;
        EXPECT_TRUE(shows(d.said, tree)) << tree;
        EXPECT_NE(tree.find(d.score), std::string::npos) << tree;
        x.stop(game);
    }
#undef ISOLATED
}

// A whole game with the keyboard alone, and the board as a screen reader
// finds it over AT-SPI: a table named Board of 64 named cells.
TEST_F(EndToEnd, AWholeGameWithKeysAloneAndTheBoardAsATableOverATSPI)
{
    Player player(x, exeDir());
    pid_t game = -1;
    Window window = 0;
    ASSERT_NO_FATAL_FAILURE(startAccessibleGame(player, game, window));
    player.expectBoard("new game by keys");

    std::string tree;
    ASSERT_TRUE(x.waitFor([&] { return (tree = x.accessibilityTree(game)).find("table|Board|64") != std::string::npos; },
                          10000))
        << tree;
    int cells = 0;
    for (std::size_t at = tree.find("table cell|"); at != std::string::npos; at = tree.find("table cell|", at + 1))
        ++cells;
    EXPECT_EQ(cells, 64) << tree;
    for (const char* cell : {"table cell|A1, empty|0", "table cell|D4, black|0", "table cell|E4, white|0",
                             "table cell|H8, empty|0"})
        EXPECT_NE(tree.find(cell), std::string::npos) << cell << "\n" << tree;
    EXPECT_NE(tree.find("status bar||0"), std::string::npos) << "the empty status line\n" << tree;

    int moves = 0;
    while (!player.model().GameOver && moves < 80 && !testing::Test::HasFatalFailure()) {
        if (const auto target = FirstLegalPlacement(player.model()))
            player.placeByKeys(target->first, target->second);
        else
            player.passByKeys();
        player.expectBoard(("key move " + std::to_string(++moves)).c_str());
    }
    ASSERT_TRUE(player.model().GameOver) << "the game reached its result box";
    x.stop(game);
}

// At fractional and whole scales a click at a cell's centre on the screen
// plays that cell, and the discs appear where the model puts them.
TEST_F(EndToEnd, ClicksPlayTheirCellsAtEveryScale)
{
    for (const double scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        const pid_t game = x.start({"env", "QT_SCALE_FACTOR=" + std::to_string(scale), gameBinary()});
        const Window window = x.waitWindow(MainTitle(), 10000);
        ASSERT_NE(window, 0u);
        GameState state;
        FakeWindow model;
        Game flow(state, model, exeDir());
        flow.frmGame_Load();
        flow.mNewGame_Click();
        x.key(window, "F2");
        const Window question = x.waitWindow(APP_TITLE);
        ASSERT_NE(question, 0u);
        x.key(question, "Return");
        ASSERT_TRUE(x.waitGone(APP_TITLE));
        // The box is gone from the screen before the handler that opened it
        // has returned; a ping answered means the game is back in its own
        // event loop and the first click cannot fall into the box's.
        ASSERT_TRUE(x.answersPing(window, 5000));

        // The two black discs' middle is the picture's (241, 241); from it
        // every cell's centre follows.
        std::optional<QPointF> middle;
        // The band of the board's rows 3 and 4.
        const QPoint client = x.origin(window);
        const QRect band(client + QPoint(static_cast<int>(PictureInClient().x() * scale), static_cast<int>(150 * scale)),
                         QSize(static_cast<int>(SURFACE_SIZE * scale), static_cast<int>(250 * scale)));
        ASSERT_TRUE(x.waitFor([&] { return (middle = BlackDiscsMiddle(x.grab(), band)).has_value(); }, 4000));
        // (Each disc's centre pixel has its middle half a pixel further on.)
        const QPointF origin = *middle - (QPointF(QPoint(DiscCentre(3, 3)) + QPoint(DiscCentre(4, 4))) / 2 + QPointF(0.5, 0.5)) * scale;
        auto onScreen = [&](int col, int row) {
            return (origin + (QPointF(QPoint(DiscCentre(col, row))) + QPointF(0.5, 0.5)) * scale).toPoint();
        };
        for (int move = 0; move < 4 && !state.GameOver; ++move) {
            const auto cell = FirstLegalPlacement(state);
            ASSERT_TRUE(cell.has_value());
            ClickCell(flow, cell->first, cell->second);
            x.click(onScreen(cell->first, cell->second));
            BoardCells shown{};
            const bool same = x.waitFor([&] { return (shown = ShownDiscs(x.grab(), onScreen)) == state.Board; }, 4000);
            ASSERT_TRUE(same) << "after move " << move << " the screen shows\n"
                              << pictureOf(shown) << "where the model has\n"
                              << pictureOf(state.Board);
        }
        x.stop(game);
        ASSERT_TRUE(x.waitGone(MainTitle()));
    }
}

TEST_F(EndToEnd, FindsItsSkinsInAnOddFolderAndThroughALink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QString::fromUtf8("Spiele – Kälvado"));
    ASSERT_TRUE(QDir().mkpath(folder + "/pic"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(gameBinary()), folder + "/kalvado"));
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(QFile::copy(QDir(KALVADO_SOURCE_DIR).filePath(QString("pic/Board%1.jpg").arg(n)),
                                folder + QString("/pic/Board%1.jpg").arg(n)));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("bin")));
    ASSERT_TRUE(QFile::link(folder + "/kalvado", dir.filePath("bin/kalvado")));

    for (const QString& program : {folder + "/kalvado", dir.filePath("bin/kalvado")}) {
        SCOPED_TRACE(program.toStdString());
        const pid_t game = x.start({program.toStdString()});
        const Window window = x.waitWindow(MainTitle(), 10000);
        ASSERT_NE(window, 0u);
        EXPECT_EQ(x.findWindow("No skin source"), 0u);
        Player player(x, folder.toStdString());
        player.expectStartUp(false);
        player.attach(window, SourceImage("pic/Board1.jpg"));
        player.expectBoard("skin 1 found");
        player.switchSkin(2, SourceImage("pic/Board2.jpg"), true);
        player.expectBoard("skin 2 found");
        x.sendClose(window);
        int code = -1;
        EXPECT_TRUE(x.waitExit(game, 10000, &code));
        EXPECT_EQ(code, 0);
    }
}

namespace {

double luminance(QRgb c)
{
    auto linear = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text's colour and its background in a part of the screen: the commonest
// colour is the background, the one that stands out from it most the text.
struct TextColours {
    QRgb text = 0;
    QRgb background = 0;
    double ratio() const { return contrast(text, background); }
};

TextColours textIn(const QImage& shot, const QRect& area)
{
    std::map<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++count[shot.pixel(x, y) | 0xff000000];
    TextColours found;
    found.background = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    found.text = found.background;
    for (const auto& [colour, n] : count)
        if (contrast(colour, found.background) > contrast(found.text, found.background))
            found.text = colour;
    return found;
}

} // namespace

// On the desktop colour schemes of qt6ct (dark, mid-grey, light) and a
// high-contrast one, the window follows the scheme and every text on it
// reads at 4.5 : 1 or more; the score keeps pure red and blue where they
// reach 3 : 1, else takes a readable shade of the same hue.
TEST_F(EndToEnd, EveryTextIsReadableOnEveryDesktopScheme)
{
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platformthemes/libqt6ct.so";
    if (!QFileInfo::exists(plugin))
        GTEST_SKIP() << "qt6ct is not installed (bash scripts/deps.sh test installs it)";
    const QString shipped = "/usr/share/qt6ct/colors/";
    const QStringList schemes = {shipped + "darker.conf", shipped + "dusk.conf", shipped + "airy.conf",
                                 shipped + "simple.conf", QString(KALVADO_SOURCE_DIR) + "/tests/e2e/high-contrast.conf"};
    for (const QString& scheme : schemes) {
        SCOPED_TRACE(scheme.toStdString());
        ASSERT_TRUE(QFileInfo::exists(scheme));
        QTemporaryDir config;
        ASSERT_TRUE(QDir(config.path()).mkpath("qt6ct"));
        {
            QSettings qt6ct(config.filePath("qt6ct/qt6ct.conf"), QSettings::IniFormat);
            qt6ct.setValue("Appearance/color_scheme_path", scheme);
            qt6ct.setValue("Appearance/custom_palette", true);
            qt6ct.setValue("Appearance/style", "Fusion");
        }
        Player player(x, exeDir());
        player.expectStartUp(false);
        const pid_t game = x.start({"env", "QT_QPA_PLATFORMTHEME=qt6ct", "XDG_CONFIG_HOME=" + config.path().toStdString(),
                                    gameBinary()});
        const Window window = x.waitWindow(MainTitle(), 10000);
        ASSERT_NE(window, 0u);
        player.attach(window, SourceImage("pic/Board1.jpg"));
        const bool dark = scheme.endsWith("/darker.conf");
        if (dark) {
            player.newGame(ANSWER_YES);
            for (int move = 0; move < 6 && !player.model().GameOver; ++move) {
                if (const auto target = FirstLegalPlacement(player.model()))
                    player.clickCell(target->first, target->second);
                else
                    player.pass();
                player.expectBoard("a move on the dark scheme");
            }
        }
        const QImage shot = player.windowShot();
        const QPoint client = player.clientInShot();
        EXPECT_NE(textIn(shot, QRect(client + QPoint(0, 60), QSize(8, 20))).background, qRgb(0xef, 0xef, 0xef))
            << "the window takes the scheme's colour, not the toolkit's own";
        auto inFrame = [&](const char* frame, const char* label) {
            return QRect(client + FormGeometry(frame).topLeft() + FormGeometry(label).topLeft(), FormGeometry(label).size());
        };
        const std::pair<const char*, QRect> texts[] = {
            {"menu bar", QRect(0, 0, 200, client.y())},
            {"Label4", inFrame("fraInfo", "Label4")},
            {"Label5", inFrame("fraInfo", "Label5")},
            {"LabelX", inFrame("fraInfo", "LabelX")},
            {"cmdAbout", FormGeometry("cmdAbout").adjusted(4, 4, -4, -4).translated(client)},
            {"cmdExit", FormGeometry("cmdExit").adjusted(4, 4, -4, -4).translated(client)},
        };
        for (const auto& [name, area] : texts)
            EXPECT_GE(textIn(shot, area).ratio(), 4.5) << name;
        for (const auto& [name, own] : {std::pair{"lblPlayer", qRgb(255, 0, 0)}, std::pair{"lblCom", qRgb(0, 0, 255)}}) {
            const TextColours score = textIn(shot, inFrame("fraScore", name));
            if (contrast(own, score.background) >= 3.0) {
                // (Smoothing keeps the thin strokes a few levels off.)
                EXPECT_NEAR(qRed(score.text), qRed(own), 8) << name << " keeps its colour";
                EXPECT_NEAR(qGreen(score.text), qGreen(own), 8) << name << " keeps its colour";
                EXPECT_NEAR(qBlue(score.text), qBlue(own), 8) << name << " keeps its colour";
            } else {
                EXPECT_GE(score.ratio(), 4.5) << name;
                const QColor shade(score.text);
                EXPECT_NEAR(shade.hsvHue(), QColor(own).hsvHue(), 4) << name << " keeps its hue";
            }
        }
        if (const char* light = std::getenv("KALVADO_E2E_SCREENSHOT"); light && dark) {
            QString path = QString::fromLocal8Bit(light);
            if (path.endsWith(".png"))
                path.chop(4);
            shot.save(path + "-dark.png");
        }
        x.stop(game);
        ASSERT_TRUE(x.waitGone(MainTitle()));
    }
}
