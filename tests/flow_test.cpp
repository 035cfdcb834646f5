#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>
#include <vector>

#include "support/BoardPicture.h"
#include "support/FakeWindow.h"
#include "support/Placements.h"
#include "Game.h"
#include "BoardGeometry.h"
#include "Rules.h"
#include "SkinPath.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

const std::string EXE_DIR = "/opt/kalvado";
const std::string SKIN1 = "/opt/kalvado/pic/Board1.jpg";

const Box QUESTION{"New game! You go first?", Style::Information + Style::YesNo, ""};
const Box OCCUPIED{"Already occupied!", Style::Exclamation, "Oop!!!"};
const Box INVALID{"Invalid position!", Style::Exclamation, "Oop!!!"};
const Box WIN{"you win!", Style::Information, "you win"};
const Box LOST{"you lost!", Style::Information, "you lost"};
const Box NO_SKIN{"No source skin, default is use, you can't change skin.", Style::Information, "No skin source"};
const Box NO_GAME{"You should start a game first! Press F2 to start a new game!", Style::Exclamation, "No game define!"};

const char* const COMPUTER_STUCK = "i have no road to go, now is your turn!";
const char* const HUMAN_STUCK = "you have no road to go, press 'Pass'!";

class FlowTest : public testing::Test {
protected:
    GameState state;
    FakeWindow window;
    Game game{state, window, EXE_DIR};

    void load()
    {
        game.frmGame_Load();
        window.clearRecords();
    }
    void newGame(int answer)
    {
        window.script.answers.push_back(answer);
        game.mNewGame_Click();
    }
    void click(int col, int row) { ClickCell(game, col, row); }

    // Puts a running game in a given position, as if play had led there.
    void setPosition(const std::vector<std::string>& picture, Cell human)
    {
        load();
        newGame(human == BLACK ? ANSWER_YES : ANSWER_NO);
        state.Board = boardFrom(picture);
        CountChess(state, window);
        window.screen = state.Board.raw();
        state.GameOver = false;
        window.clearRecords();
    }
};

} // namespace

// ---- Positions and paths ----------------------------------------------------

TEST(CellFromPosition, MapsPixelsToCellsWithTheGridAndItsMargins)
{
    const std::vector<std::pair<float, int>> cases{
        {-102, -2}, {-101, -1}, {-57.5f, -1}, {-45, -1}, {-44, 0}, {0, 0}, {5, 0}, {11, 0}, {12, 0}, {68, 0}, {68.5f, 0},
        {68.6f, 1}, {69, 1}, {125, 1}, {126, 2}, {239, 3}, {240, 4}, {410, 6}, {411, 7}, {467, 7}, {468, 8},
        {479, 8}, {1000, 17},
    };
    for (auto [x, expected] : cases) {
        const auto cell = CellFromPosition(x);
        ASSERT_TRUE(cell.has_value()) << x;
        EXPECT_EQ(*cell, expected) << "x = " << x;
    }
}

TEST(CellFromPosition, RefusesPositionsThatAreNoNumberOrTooLarge)
{
    for (float x : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(), 3.0e9f, -3.0e9f, 2.0e6f, -2.0e6f})
        EXPECT_FALSE(CellFromPosition(x).has_value()) << x;
    EXPECT_EQ(CellFromPosition(32767.0f * 57 + 12), 32767);
}

TEST(SkinFilePath, UsesOneSeparatorBetweenTheFolderAndPic)
{
    EXPECT_EQ(SkinFilePath("/opt/kalvado", 1), "/opt/kalvado/pic/Board1.jpg");
    EXPECT_EQ(SkinFilePath("/", 2), "/pic/Board2.jpg");
    EXPECT_EQ(SkinFilePath("/home/a b/Spiele – Kälvado", 3), "/home/a b/Spiele – Kälvado/pic/Board3.jpg");
}

// ---- Start-up and New Game -------------------------------------------------

// The Load handler: skin 1 under the empty grid, no game, and the failure
// box with the built-in image when anything of that goes wrong.
TEST_F(FlowTest, LoadShowsSkinOneUnderTheEmptyGridOrFallsBack)
{
    const struct {
        const char* name;
        std::function<void()> breakIt;
        std::vector<Box> boxes;
        std::string background;
        bool grid;
    } cases[] = {
        {"skin 1 readable", [] {}, {}, SKIN1, true},
        {"skin 1 unreadable", [&] { window.unreadable.insert(SKIN1); }, {NO_SKIN}, "default", true},
        {"a failure inside ResetGame", [&] { window.failingOps.insert("DrawBoard"); }, {NO_SKIN}, "default", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state = GameState{};
        window = FakeWindow{};
        c.breakIt();
        game.frmGame_Load();
        EXPECT_EQ(window.boxes, c.boxes);
        if (!c.boxes.empty()) {
            EXPECT_NE(window.atBoxes[0].background, "default") << "the box before the built-in image";
        }
        EXPECT_EQ(window.background, c.background);
        EXPECT_EQ(window.gridDrawn, c.grid) << "the grid over the image";
        EXPECT_EQ(state.SkinIndex, 1);
        EXPECT_EQ(state.SkinPath, SKIN1) << "also when it fails to show";
        EXPECT_EQ(countCells(state.Board, EMPTY), 64) << "cleared";
        EXPECT_FALSE(state.GameStarted || state.GameOver || state.PassPending);
        EXPECT_EQ(state.PlayerColor, 0);
        EXPECT_EQ(state.ComputerColor, 0);
        EXPECT_FALSE(window.passEnabled);
        if (c.grid) {
            EXPECT_EQ(window.caption(Label::Player), "Player total:00");
            EXPECT_EQ(window.caption(Label::Com), "Computer total:00");
        }
    }
}

TEST_F(FlowTest, ClicksAndPassBeforeTheFirstGameDoNothingButExplain)
{
    load();
    click(2, 4);
    game.picBoard_MouseUp(2, 0, 5, 5);
    EXPECT_TRUE(window.log.empty());
    game.cmdPass_Click();
    EXPECT_EQ(window.boxes, std::vector<Box>{NO_GAME});
    EXPECT_EQ(countCells(state.Board, EMPTY), 64);
}

// New Game wipes the last game, asks with the four discs in place, and
// gives the human black on Yes; on No the computer opens as black at once.
// Whatever fails on the way costs only the image: the built-in one shows,
// with no box of its own.
TEST_F(FlowTest, NewGameAsksOverTheFourDiscsAndHandsOutTheSides)
{
    const std::vector<std::string> computerOpened{"........", "........", "........", "...BW...",
                                                  "..BBB...", "........", "........", "........"};
    const struct {
        const char* name;
        std::function<void()> setUp;
        int answer;
        Cell human;
        std::vector<std::string> board;
        std::string background;
        std::string playerTotal, computerTotal;
    } cases[] = {
        {"answered Yes", [&] { load(); }, ANSWER_YES, BLACK, startingPosition(), SKIN1, "Player total:00",
         "Computer total:00"},
        {"answered No", [&] { load(); }, ANSWER_NO, WHITE, computerOpened, SKIN1, "Player total:01",
         "Computer total:04"},
        {"after an ended game",
         [&] {
             setPosition({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB",
                          "BBBBBBW."},
                         BLACK);
             click(7, 7);
             ASSERT_TRUE(state.GameOver);
             ASSERT_EQ(window.caption(Label::Info), "you win!");
             state.PassPending = true;
         },
         ANSWER_NO, WHITE, computerOpened, SKIN1, "Player total:01", "Computer total:04"},
        {"the skin file vanished", [&] { load(); window.unreadable.insert(SKIN1); }, ANSWER_YES, BLACK,
         startingPosition(), "default", "Player total:00", "Computer total:00"},
        {"drawing a disc fails", [&] { load(); window.failingOps.insert("DrawChess"); }, ANSWER_YES, BLACK,
         startingPosition(), "default", "Player total:00", "Computer total:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state = GameState{};
        window = FakeWindow{};
        ASSERT_NO_FATAL_FAILURE(c.setUp());
        window.clearRecords();
        newGame(c.answer);
        EXPECT_EQ(window.boxes, std::vector<Box>{QUESTION}) << "the question alone, never a failure box";
        ASSERT_EQ(window.atBoxes.size(), 1u);
        const bool drawn = window.failingOps.empty();
        if (drawn) {
            EXPECT_EQ(pictureOf(window.atBoxes[0].shown), pictureOf(boardFrom(startingPosition())))
                << "asked with the four discs shown";
        }
        EXPECT_EQ(window.atBoxes[0].status, "") << "the last status went first";
        EXPECT_FALSE(window.atBoxes[0].passEnabled) << "Pass only once the game is on";
        EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom(c.board)));
        EXPECT_EQ(state.PlayerColor, c.human);
        EXPECT_EQ(state.ComputerColor, c.human == BLACK ? WHITE : BLACK);
        EXPECT_TRUE(state.GameStarted);
        EXPECT_FALSE(state.GameOver);
        EXPECT_FALSE(state.PassPending);
        EXPECT_TRUE(window.passEnabled);
        EXPECT_TRUE(window.boardCursor);
        EXPECT_EQ(window.background, c.background);
        EXPECT_TRUE(window.gridDrawn || !drawn) << "the grid over the new image";
        EXPECT_EQ(window.caption(Label::Info), "");
        EXPECT_EQ(window.caption(Label::Player), c.playerTotal) << "counted at the first placement only";
        EXPECT_EQ(window.caption(Label::Com), c.computerTotal);
        EXPECT_EQ(state.SkinPath, SKIN1) << "kept to be tried again";
        if (drawn) {
            EXPECT_EQ(window.shown(), state.Board);
        }
    }

    // A skin file that comes back shows again at the next New Game.
    state = GameState{};
    window = FakeWindow{};
    load();
    window.unreadable.insert(SKIN1);
    newGame(ANSWER_YES);
    ASSERT_EQ(window.background, "default");
    window.unreadable.clear();
    newGame(ANSWER_YES);
    EXPECT_EQ(window.background, SKIN1);

    // Without a path there is nothing to load: the surface is only repainted.
    load();
    state.SkinPath.clear();
    newGame(ANSWER_YES);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "repaint"), 1);
    EXPECT_EQ(std::count_if(window.log.begin(), window.log.end(),
                            [](const std::string& e) { return e.rfind("loadSkin", 0) == 0; }),
              0);
}

// ---- The skin menu ----------------------------------------------------------

// Each choice moves the mark, shows the chosen image (or the built-in one
// with the failure box) and puts the grid and every disc back on top.
TEST_F(FlowTest, SkinChoiceMovesTheMarkAndRepaintsEveryDiscOverTheImage)
{
    struct Case {
        int index;
        bool readable;
        std::string background;
        std::vector<Box> boxes;
    };
    const std::string skin2 = SkinFilePath(EXE_DIR, 2), skin3 = SkinFilePath(EXE_DIR, 3);
    for (const Case& c : std::vector<Case>{{2, true, skin2, {}},
                                           {3, false, "default", {NO_SKIN}},
                                           {1, true, SKIN1, {}}}) {
        SCOPED_TRACE(c.index);
        setPosition({"........", "........", "..BBB...", "...BW...", "...WB...", "........", "........", "........"},
                    BLACK);
        const GameState before = state;
        window.unreadable.clear();
        if (!c.readable)
            window.unreadable.insert(SkinFilePath(EXE_DIR, c.index));
        game.mBoard_Click(c.index);
        EXPECT_EQ(window.markedSkins, std::set<int>{c.index});
        EXPECT_EQ(state.SkinIndex, c.index);
        EXPECT_EQ(state.SkinPath, SkinFilePath(EXE_DIR, c.index)) << "kept even when it fails to show";
        EXPECT_EQ(window.boxes, c.boxes);
        EXPECT_EQ(window.background, c.background);
        EXPECT_TRUE(window.gridDrawn);
        EXPECT_EQ(state.Board, before.Board);
        EXPECT_EQ(window.shown(), state.Board);
        EXPECT_EQ(window.log.back().rfind("DrawChess", 0), 0u) << "the discs go on last";
        // Back to skin 1 for the next case, as the menu would.
        game.mBoard_Click(1);
    }
}

// ---- The human's move -------------------------------------------------------

TEST_F(FlowTest, AcceptedPlacementIsPaintedFlippedCountedAndAnswered)
{
    load();
    newGame(ANSWER_YES);
    window.clearRecords();
    click(4, 2);
    EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom({"........", "........", "...WB...", "...WB...", "...WB...",
                                                           "........", "........", "........"})))
        << "E3 turned E4, the computer's D3 turned D4";
    EXPECT_EQ(window.shown(), state.Board);
    EXPECT_EQ(window.caption(Label::Player), "Player total:03");
    EXPECT_EQ(window.caption(Label::Com), "Computer total:03");
    EXPECT_EQ(window.caption(Label::Info), "");
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(FlowTest, RefusedPlacementsExplainAndChangeNothing)
{
    load();
    newGame(ANSWER_YES);
    const GameState before = state;
    const FakeWindow shownBefore = window;
    window.clearRecords();

    click(3, 3);
    click(0, 0);
    click(5, 5);
    EXPECT_EQ(window.boxes, (std::vector<Box>{OCCUPIED, INVALID, INVALID}));
    EXPECT_EQ(state.Board, before.Board);
    EXPECT_EQ(window.shown(), shownBefore.shown());
    EXPECT_EQ(window.captions, shownBefore.captions);
    EXPECT_EQ(window.log.size(), 3u) << "nothing but the boxes";
}

TEST_F(FlowTest, AnyButtonAndTheMarginsAddressCells)
{
    load();
    newGame(ANSWER_YES);
    window.clearRecords();
    game.picBoard_MouseUp(4, 1, 5, 5); // middle button with shift, left of and above the grid
    EXPECT_EQ(window.boxes, std::vector<Box>{INVALID}) << "(0,0) was tried";
    game.picBoard_MouseUp(2, 0, 68, static_cast<float>(DiscCentre(0, 3).y)); // right button, x = 68 is still column 0
    game.picBoard_MouseUp(2, 0, 69, static_cast<float>(DiscCentre(0, 3).y)); // x = 69 is column 1
    EXPECT_EQ(window.boxes, (std::vector<Box>{INVALID, INVALID, INVALID}));
    game.picBoard_MouseUp(2, 0, 240, 182); // (4,2), a legal placement
    EXPECT_EQ(state.Board(4, 2), BLACK);
}

TEST_F(FlowTest, ReleasesOffTheGridAreIgnored)
{
    load();
    newGame(ANSWER_YES);
    const GameState before = state;
    window.clearRecords();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (auto [x, y] : std::vector<std::pair<float, float>>{
             {468, 100}, {100, 468}, {479, 479}, {-45, 100}, {100, -200}, {nan, 100}, {100, 1e30f}, {-1e30f, nan}})
        game.picBoard_MouseUp(1, 0, x, y);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(state.Board, before.Board);
    // A release outside the surface that maps onto the grid is an attempt.
    game.picBoard_MouseUp(1, 0, -30, -30);
    EXPECT_EQ(window.boxes, std::vector<Box>{INVALID});
}

// ---- The computer's turn, passing and the end -------------------------------

namespace {

// One action of a played-out position and what the player sees after it.
struct Step {
    std::optional<std::pair<int, int>> click = {}; // else Pass
    std::vector<Box> boxes = {};
    std::string status = {};
    bool over = false;
    std::optional<bool> pending = {};
    // While the result box was open: whether Pass could still be pressed,
    // and the status line then.
    std::optional<bool> passAtResult = {};
    std::optional<std::string> statusAtResult = {};
    std::vector<std::tuple<int, int, Cell>> cells = {};
    std::optional<std::pair<int, int>> totals = {};
};

struct Ending {
    const char* name;
    std::vector<std::string> position; // empty: the starting position
    Cell human;
    bool pendingBefore;
    std::vector<Step> steps;
};

const std::vector<std::string> COMPUTER_CORNERED{"BW......", "........", "........", "........",
                                                 "........", "........", "........", "........"};
// The computer (black) can only play C8; then white has nothing.
const std::vector<std::string> HUMAN_CORNERED{"WW......", "........", "........", "........",
                                              "........", "........", "........", "BW......"};
const std::vector<std::string> NEITHER_AFTER_A1{".WB.....", "........", "........", "........",
                                                "........", "........", "........", "W......."};

const Ending ENDINGS[] = {
    {"the human fills the board: a tie is the human's win, announced before Pass goes",
     {"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWB."}, WHITE, false,
     {{.click = {{7, 7}}, .boxes = {WIN}, .status = "you win!", .over = true, .passAtResult = true,
       .statusAtResult = "", .totals = {{32, 32}}},
      {.click = {{0, 0}}, .status = "you win!", .over = true}}},
    {"the human takes the computer's last disc and wins without a reply",
     {".BW.....", "........", "........", "........", "........", "........", "........", "........"}, WHITE, false,
     {{.click = {{0, 0}}, .boxes = {WIN}, .status = "you win!", .over = true, .passAtResult = true, .totals = {{3, 0}}}}},
    {"Pass at the start hands the opening to the computer, and is not a no-placement", {}, BLACK, false,
     {{.pending = false, .cells = {{2, 3, WHITE}, {3, 3, WHITE}}}}},
    {"Pass while an earlier no-placement stands keeps it pending", {}, BLACK, true,
     {{.pending = true, .cells = {{2, 3, WHITE}}}}},
    {"the computer cannot place: the human is told, and the second time ends the game", COMPUTER_CORNERED, BLACK, false,
     {{.status = COMPUTER_STUCK, .pending = true},
      {.boxes = {WIN}, .status = "you win!", .over = true, .passAtResult = false, .statusAtResult = COMPUTER_STUCK}}},
    {"the human cannot place after the computer's reply: told to pass, and the next no-placement ends it",
     HUMAN_CORNERED, WHITE, false,
     {{.status = HUMAN_STUCK, .pending = true, .cells = {{1, 7, BLACK}}},
      {.click = {{0, 0}}, .boxes = {OCCUPIED}, .status = HUMAN_STUCK, .pending = true},
      {.click = {{5, 5}}, .boxes = {INVALID}, .status = HUMAN_STUCK, .pending = true},
      {.boxes = {LOST}, .status = "you lost!", .over = true, .passAtResult = false}}},
    {"an earlier no-placement makes the next one end the game at once", HUMAN_CORNERED, WHITE, true,
     {{.boxes = {LOST}, .status = "you lost!", .over = true, .passAtResult = false, .cells = {{5, 5, EMPTY}}}}},
    {"neither side can place after the human: the next Pass ends it", NEITHER_AFTER_A1, BLACK, false,
     {{.click = {{0, 0}}, .status = COMPUTER_STUCK, .pending = true},
      {.boxes = {WIN}, .status = "you win!", .over = true, .passAtResult = false}}},
    {"neither side can place after the human with one already pending: over at once", NEITHER_AFTER_A1, BLACK, true,
     {{.click = {{0, 0}}, .boxes = {WIN}, .status = "you win!", .over = true}}},
    {"the computer fills the board: Pass goes before the result",
     {"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "WBBBBBB."}, BLACK, false,
     {{.boxes = {WIN}, .status = "you win!", .over = true, .passAtResult = false, .cells = {{7, 7, WHITE}},
       .totals = {{56, 8}}}}},
    {"the computer takes the human's last disc; a turn after the end only announces again", COMPUTER_CORNERED, WHITE,
     false,
     {{.boxes = {LOST}, .status = "you lost!", .over = true, .passAtResult = false, .totals = {{0, 3}}},
      {.boxes = {LOST}, .status = "you lost!", .over = true, .passAtResult = false, .statusAtResult = "you lost!"}}},
};

} // namespace

class EndingTest : public FlowTest, public testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, PlaysOutWithTheStatusBoxesAndPassTheRulesGive)
{
    const Ending& e = GetParam();
    SCOPED_TRACE(e.name);
    setPosition(e.position.empty() ? startingPosition() : e.position, e.human);
    state.PassPending = e.pendingBefore;
    for (std::size_t i = 0; i < e.steps.size(); ++i) {
        const Step& step = e.steps[i];
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const BoardCells before = state.Board;
        window.clearRecords();
        if (step.click)
            click(step.click->first, step.click->second);
        else
            game.cmdPass_Click();
        EXPECT_EQ(window.boxes, step.boxes);
        EXPECT_EQ(window.caption(Label::Info), step.status);
        EXPECT_EQ(state.GameOver, step.over);
        EXPECT_EQ(window.passEnabled, !step.over);
        if (step.pending) {
            EXPECT_EQ(state.PassPending, *step.pending);
        }
        if (step.passAtResult) {
            ASSERT_FALSE(window.atBoxes.empty());
            EXPECT_EQ(window.atBoxes.back().passEnabled, *step.passAtResult);
        }
        if (step.statusAtResult) {
            EXPECT_EQ(window.atBoxes.back().status, *step.statusAtResult);
        }
        for (const auto& [col, row, code] : step.cells) {
            EXPECT_EQ(state.Board(col, row), code) << col << "," << row;
        }
        if (step.totals) {
            EXPECT_EQ(state.PlayerTotal, step.totals->first);
            EXPECT_EQ(state.ComputerTotal, step.totals->second);
        }
        if (step.click && state.GameOver && before == state.Board) {
            EXPECT_TRUE(window.log.empty()) << "a click after the end is ignored";
        }
        EXPECT_EQ(window.shown(), state.Board);
    }
}

INSTANTIATE_TEST_SUITE_P(Flow, EndingTest, testing::ValuesIn(ENDINGS),
                         [](const testing::TestParamInfo<Ending>& info) { return "case" + std::to_string(info.index); });

// ---- What each action reports ----------------------------------------------

// Each action's outcome comes back as a value: what was placed by whom, the
// status it left, the result, the colours and the totals (which only the

// A change of language shows the status line, the totals and the skin's
// mark again from the game: the zeros of a new game although the last
// counts are kept, then the counts, the status and a moved mark.
TEST_F(FlowTest, CaptionsAreShownAgainAsTheGameLastSetThem)
{
    auto shownAgain = [&] {
        auto shown = [&] {
            return std::tuple{window.caption(Label::Info), window.caption(Label::Player), window.caption(Label::Com),
                              window.markedSkins};
        };
        const auto before = shown();
        window.captions.clear();
        window.markedSkins.clear();
        game.RefreshCaptions();
        EXPECT_EQ(shown(), before);
    };
    load();
    shownAgain();
    newGame(ANSWER_YES);
    click(4, 2);
    newGame(ANSWER_NO);
    ASSERT_EQ(window.caption(Label::Player), "Player total:01") << "the computer opened";
    newGame(ANSWER_YES);
    ASSERT_NE(state.PlayerTotal, 0);
    shownAgain();
    setPosition({"BW......", "........", "........", "........", "........", "........", "........", "........"}, WHITE);
    game.mBoard_Click(3);
    game.cmdPass_Click();
    ASSERT_EQ(window.caption(Label::Info), "you lost!");
    shownAgain();
}
// first placement counts), all that the window says of it.
TEST_F(FlowTest, EachActionReportsWhatItDid)
{
    const std::vector<std::string> opening{"BW......", "........", "........", "........",
                                           "........", "........", "........", "........"};
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::function<Outcome()> action;
        std::vector<Placement> placements;
        std::optional<std::string> status;
        std::optional<Result> result;
        std::optional<Cell> newGameAs;
        Cell human;
        std::array<int, 2> totals;
    } cases[] = {
        {"placement and reply", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(4, 2); },
         {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, "", {}, {}, BLACK, {3, 3}},
        {"the same by a release in the cell", [&] { load(); newGame(ANSWER_YES); },
         [&] { return ClickCell(game, 4, 2); }, {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, "", {}, {}, BLACK, {3, 3}},
        {"new game as white", [&] { load(); window.script.answers.push_back(ANSWER_NO); }, [&] { return game.mNewGame_Click(); },
         {{BLACK, 2, 4, 1}}, "", {}, WHITE, WHITE, {1, 4}},
        {"a pass the computer cannot answer", [&] { setPosition(opening, BLACK); }, [&] { return game.cmdPass_Click(); },
         {}, COMPUTER_STUCK, {}, {}, BLACK, {1, 1}},
        {"a placement that ends the game",
         [&] { setPosition({".BW.....", "........", "........", "........", "........", "........", "........", "........"}, WHITE); },
         [&] { return game.PlaceAt(0, 0); }, {{WHITE, 0, 0, 1}}, "you win!", Result::HumanWins, {}, WHITE, {3, 0}},
        {"a refused placement", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(3, 3); }, {}, {}, {}, {},
         BLACK, {0, 0}},
        {"off the board", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(8, -1); }, {}, {}, {}, {},
         BLACK, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state = GameState{};
        window = FakeWindow{};
        c.setUp();
        window.clearRecords();
        const Outcome outcome = c.action();
        EXPECT_EQ(outcome.placements, c.placements);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.newGameAs, c.newGameAs);
        EXPECT_EQ(outcome.human, c.human);
        EXPECT_EQ((std::array<int, 2>{outcome.playerTotal, outcome.computerTotal}), c.totals);
    }
}

// ---- Whole games ------------------------------------------------------------

TEST_F(FlowTest, WholeGamesReachAResultThatMatchesTheBoardAfterEitherAnswer)
{
    for (int answer : {ANSWER_YES, ANSWER_NO}) {
        load();
        newGame(answer);
        int actions = 0;
        while (!state.GameOver && actions < 100) {
            PlayFirstLegalOrPass(state, game);
            ++actions;
            EXPECT_EQ(window.shown(), state.Board);
        }
        ASSERT_TRUE(state.GameOver) << "answer " << answer;
        const int human = countCells(state.Board, state.PlayerColor);
        const int computer = countCells(state.Board, state.ComputerColor);
        EXPECT_EQ(state.PlayerTotal, human);
        EXPECT_EQ(state.ComputerTotal, computer);
        const Box& result = human < computer ? LOST : WIN;
        EXPECT_EQ(window.boxes.back(), result);
        EXPECT_EQ(window.caption(Label::Info), result.text);
        EXPECT_FALSE(window.passEnabled);
    }
}
