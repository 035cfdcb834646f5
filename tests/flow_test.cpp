#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <cmath>
#include <limits>
#include <random>
#include <set>

#include "BoardPicture.h"
#include "FakeWindow.h"
#include "Invariants.h"
#include "Placements.h"
#include "Game.h"
#include "Position.h"
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
        window.answers.push_back(answer);
        game.mNewGame_Click();
    }
    void click(int col, int row) { game.picBoard_MouseUp(1, 0, CellMiddle(col), CellMiddle(row)); }

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

    // The disc on every cell of the surface matches the board.
    void expectScreenMatchesBoard()
    {
        for (int col = 0; col < 8; ++col)
            for (int row = 0; row < 8; ++row)
                ASSERT_EQ(window.screenAt(col, row), state.Board(col, row)) << "cell " << col << "," << row;
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

TEST(NumberText, PutsABlankOrAMinusBeforeTheDigits)
{
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(468), " 468");
    EXPECT_EQ(NumberText(-45), "-45");
    EXPECT_EQ(NumberText(-1), "-1");
    EXPECT_EQ(NumberText(std::numeric_limits<long>::min()).substr(0, 2), "-9");
}

TEST(SkinFilePath, UsesOneSeparatorBetweenTheFolderAndPic)
{
    EXPECT_EQ(SkinFilePath("/opt/kalvado", 1), "/opt/kalvado/pic/Board1.jpg");
    EXPECT_EQ(SkinFilePath("/", 2), "/pic/Board2.jpg");
    EXPECT_EQ(SkinFilePath("/home/a b/Spiele – Kälvado", 3), "/home/a b/Spiele – Kälvado/pic/Board3.jpg");
}

// ---- Start-up ---------------------------------------------------------------

TEST_F(FlowTest, LoadShowsSkinOneWithAnEmptyGridAndNoGame)
{
    game.frmGame_Load();
    EXPECT_EQ(window.log, (std::vector<std::string>{"loadSkin " + SKIN1, "DrawBoard", "lblPlayer=Player total:00",
                                                    "lblCom=Computer total:00"}));
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(state.SkinIndex, 1);
    EXPECT_EQ(state.SkinPath, SKIN1);
    EXPECT_FALSE(state.GameStarted);
    EXPECT_FALSE(state.GameOver);
    EXPECT_FALSE(state.PassPending);
    EXPECT_EQ(state.PlayerColor, 0);
    EXPECT_EQ(state.ComputerColor, 0);
    EXPECT_EQ(countCells(state.Board, EMPTY), 64);
    EXPECT_FALSE(window.passEnabled);
}

TEST_F(FlowTest, LoadWithoutTheSkinFileShowsTheBoxThenTheBuiltInImageUnderTheGrid)
{
    window.unreadable.insert(SKIN1);
    game.frmGame_Load();
    EXPECT_EQ(window.log, (std::vector<std::string>{"loadSkin " + SKIN1, "box " + NO_SKIN.text, "default image",
                                                    "DrawBoard", "lblPlayer=Player total:00",
                                                    "lblCom=Computer total:00"}));
    EXPECT_EQ(window.boxes, std::vector<Box>{NO_SKIN});
    EXPECT_EQ(window.background, "default");
    EXPECT_TRUE(window.gridDrawn);
    EXPECT_EQ(state.SkinPath, SKIN1) << "the path that failed is kept";
}

TEST_F(FlowTest, LoadGoesOnAfterAFailureInsideResetGame)
{
    window.failingOps.insert("DrawBoard");
    game.frmGame_Load();
    EXPECT_EQ(window.boxes, std::vector<Box>{NO_SKIN});
    EXPECT_EQ(window.background, "default");
    EXPECT_EQ(state.SkinIndex, 1);
    EXPECT_EQ(countCells(state.Board, EMPTY), 64) << "ResetGame got as far as clearing";
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

// ---- New Game ---------------------------------------------------------------

TEST_F(FlowTest, NewGameAnsweredYesSetsUpTheHumanAsBlackToMove)
{
    load();
    newGame(ANSWER_YES);
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"cursor", "DrawBoard", "lblPlayer=Player total:00", "lblCom=Computer total:00",
                                        "loadSkin " + SKIN1, "DrawBoard", "lblInfo=", "DrawChess 3,3 0",
                                        "DrawChess 4,4 0", "DrawChess 3,4 1", "DrawChess 4,3 1", "box " + QUESTION.text,
                                        "Pass on"}));
    EXPECT_EQ(window.boxes, std::vector<Box>{QUESTION});
    EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom(startingPosition())));
    EXPECT_EQ(state.PlayerColor, BLACK);
    EXPECT_EQ(state.ComputerColor, WHITE);
    EXPECT_TRUE(state.GameStarted);
    EXPECT_EQ(window.caption(Label::Player), "Player total:00") << "not recounted before the first placement";
    expectScreenMatchesBoard();
}

TEST_F(FlowTest, NewGameAnsweredNoLetsTheComputerOpenAsBlack)
{
    load();
    newGame(ANSWER_NO);
    EXPECT_EQ(state.PlayerColor, WHITE);
    EXPECT_EQ(state.ComputerColor, BLACK);
    EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom({"........", "........", "........", "...BW...", "..BBB...",
                                                           "........", "........", "........"})));
    EXPECT_EQ(window.caption(Label::Player), "Player total:01");
    EXPECT_EQ(window.caption(Label::Com), "Computer total:04");
    EXPECT_EQ(window.caption(Label::Info), "");
    EXPECT_TRUE(window.passEnabled);
    EXPECT_FALSE(state.PassPending);
    expectScreenMatchesBoard();
}

TEST_F(FlowTest, NewGameAfterAnEndedGameStartsAfreshWithTheNewAnswer)
{
    setPosition({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBW."},
                BLACK);
    click(7, 7);
    ASSERT_TRUE(state.GameOver);
    ASSERT_EQ(window.caption(Label::Info), "you win!");
    state.PassPending = true;

    newGame(ANSWER_NO);
    EXPECT_FALSE(state.GameOver);
    EXPECT_FALSE(state.PassPending);
    EXPECT_EQ(state.PlayerColor, WHITE);
    EXPECT_EQ(window.caption(Label::Info), "");
    EXPECT_TRUE(window.passEnabled);
    EXPECT_EQ(64 - countCells(state.Board, EMPTY), 5);
    expectScreenMatchesBoard();
}

TEST_F(FlowTest, NewGameWithAVanishedSkinFallsBackSilentlyAndPlaysOn)
{
    load();
    window.unreadable.insert(SKIN1);
    newGame(ANSWER_YES);
    EXPECT_EQ(window.boxes, std::vector<Box>{QUESTION});
    const auto fallback = std::find(window.log.begin(), window.log.end(), "default image");
    ASSERT_NE(fallback, window.log.end());
    EXPECT_EQ(*(fallback - 1), "loadSkin " + SKIN1);
    EXPECT_EQ(*(fallback + 1), "DrawBoard") << "the grid goes onto the built-in image";
    EXPECT_EQ(window.background, "default");
    EXPECT_EQ(state.SkinPath, SKIN1);
    EXPECT_TRUE(state.GameStarted);
    expectScreenMatchesBoard();

    window.clearRecords();
    newGame(ANSWER_YES);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "loadSkin " + SKIN1), 1) << "tried again";
    EXPECT_EQ(window.boxes, std::vector<Box>{QUESTION});
}

TEST_F(FlowTest, NewGameWithoutASkinPathOnlyRepaints)
{
    load();
    state.SkinPath.clear();
    newGame(ANSWER_YES);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "repaint"), 1);
    EXPECT_EQ(std::count_if(window.log.begin(), window.log.end(),
                            [](const std::string& e) { return e.rfind("loadSkin", 0) == 0; }),
              0);
}

TEST_F(FlowTest, NewGameGoesOnWithTheNextStepAfterAnyFailure)
{
    load();
    window.failingOps.insert("DrawChess");
    newGame(ANSWER_YES);
    EXPECT_EQ(window.boxes, std::vector<Box>{QUESTION}) << "no failure box from New Game";
    EXPECT_TRUE(state.GameStarted);
    EXPECT_TRUE(window.passEnabled);
    EXPECT_EQ(state.PlayerColor, BLACK);
    EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom(startingPosition())));
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
        expectScreenMatchesBoard();
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
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"DrawChess 4,2 0", "DrawChess 4,3 0", "lblPlayer=Player total:04",
                                        "lblCom=Computer total:01", "lblInfo=", "DrawChess 3,2 1", "DrawChess 3,3 1",
                                        "lblPlayer=Player total:03", "lblCom=Computer total:03", "lblInfo="}));
    EXPECT_TRUE(window.boxes.empty());
    expectScreenMatchesBoard();
}

TEST_F(FlowTest, RefusedPlacementsExplainAndChangeNothing)
{
    load();
    newGame(ANSWER_YES);
    const GameState before = state;
    window.clearRecords();

    click(3, 3);
    click(0, 0);
    click(5, 5);
    EXPECT_EQ(window.boxes, (std::vector<Box>{OCCUPIED, INVALID, INVALID}));
    EXPECT_EQ(state.Board, before.Board);
    EXPECT_EQ(window.log.size(), 3u) << "nothing but the boxes";
}

TEST_F(FlowTest, AnyButtonAndTheMarginsAddressCells)
{
    load();
    newGame(ANSWER_YES);
    window.clearRecords();
    game.picBoard_MouseUp(4, 1, 5, 5); // middle button with shift, left of and above the grid
    EXPECT_EQ(window.boxes, std::vector<Box>{INVALID}) << "(0,0) was tried";
    game.picBoard_MouseUp(2, 0, 68, CellMiddle(3)); // right button, x = 68 is still column 0
    game.picBoard_MouseUp(2, 0, 69, CellMiddle(3)); // x = 69 is column 1
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

TEST_F(FlowTest, HumanPlacementThatEndsTheGameIsAnnouncedBeforePassIsDisabled)
{
    setPosition({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWB."},
                WHITE);
    click(7, 7); // fills the board: the computer does not reply
    EXPECT_EQ(state.PlayerTotal, 32);
    EXPECT_EQ(state.ComputerTotal, 32);
    EXPECT_EQ(window.boxes, std::vector<Box>{WIN}) << "a tie is the human's win";
    const auto announced = std::find(window.log.begin(), window.log.end(), "box you win!");
    const auto disabled = std::find(window.log.begin(), window.log.end(), "Pass off");
    ASSERT_NE(disabled, window.log.end());
    EXPECT_LT(announced, disabled);
    EXPECT_EQ(*(announced + 1), "lblInfo=you win!");
    EXPECT_FALSE(window.passEnabled);

    window.clearRecords();
    click(0, 0);
    EXPECT_TRUE(window.log.empty()) << "clicks after the end are ignored";
}

TEST_F(FlowTest, HumanTakingTheLastComputerDiscWinsWithoutAReply)
{
    setPosition({".BW.....", "........", "........", "........", "........", "........", "........", "........"},
                WHITE);
    click(0, 0);
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(state.PlayerTotal, 3);
    EXPECT_EQ(state.ComputerTotal, 0);
    EXPECT_EQ(window.boxes, std::vector<Box>{WIN});
    EXPECT_EQ(window.caption(Label::Info), "you win!");
}

// ---- The computer's turn, passing and the end -------------------------------

TEST_F(FlowTest, PassAtTheStartHandsTheOpeningToTheComputer)
{
    load();
    newGame(ANSWER_YES);
    game.cmdPass_Click();
    EXPECT_EQ(state.Board(2, 3), WHITE);
    EXPECT_EQ(state.Board(3, 3), WHITE);
    EXPECT_EQ(window.caption(Label::Info), "");
    EXPECT_FALSE(state.PassPending) << "a pass is not recorded as such";
    EXPECT_TRUE(window.passEnabled);
    expectScreenMatchesBoard();
}

TEST_F(FlowTest, ComputerWithoutAPlacementTellsTheHumanAndTheSecondTimeEndsTheGame)
{
    setPosition({"BW......", "........", "........", "........", "........", "........", "........", "........"},
                BLACK);
    game.cmdPass_Click();
    EXPECT_EQ(window.caption(Label::Info), COMPUTER_STUCK);
    EXPECT_TRUE(state.PassPending);
    EXPECT_FALSE(state.GameOver);
    EXPECT_TRUE(window.passEnabled);
    EXPECT_TRUE(window.boxes.empty());

    window.clearRecords();
    game.cmdPass_Click();
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(window.log, (std::vector<std::string>{"lblInfo=" + std::string(COMPUTER_STUCK), "Pass off",
                                                    "box you win!", "lblInfo=you win!"}))
        << "the stuck message stands while the tie is announced as a win";
    EXPECT_FALSE(window.passEnabled);
}

TEST_F(FlowTest, HumanWithoutAPlacementMustPassAndThenTheSecondOccasionEndsTheGame)
{
    // The computer (black) can only play (2,7); then white has nothing.
    setPosition({"WW......", "........", "........", "........", "........", "........", "........", "BW......"},
                WHITE);
    game.cmdPass_Click();
    EXPECT_EQ(state.Board(1, 7), BLACK);
    EXPECT_EQ(window.caption(Label::Info), HUMAN_STUCK);
    EXPECT_TRUE(state.PassPending);
    EXPECT_TRUE(window.passEnabled);

    window.clearRecords();
    click(0, 0);
    click(5, 5);
    EXPECT_EQ(window.boxes, (std::vector<Box>{OCCUPIED, INVALID}));

    window.clearRecords();
    game.cmdPass_Click();
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(window.boxes, std::vector<Box>{LOST});
    EXPECT_EQ(window.caption(Label::Info), "you lost!");
    EXPECT_LT(std::find(window.log.begin(), window.log.end(), "Pass off"),
              std::find(window.log.begin(), window.log.end(), "box you lost!"));
}

TEST_F(FlowTest, AnEarlierNoPlacementMakesTheNextOneEndTheGameAtOnce)
{
    setPosition({"WW......", "........", "........", "........", "........", "........", "........", "BW......"},
                WHITE);
    state.PassPending = true;
    game.cmdPass_Click();
    EXPECT_TRUE(state.GameOver);
    EXPECT_GT(countCells(state.Board, EMPTY), 0) << "the board is not full";
    EXPECT_EQ(window.boxes, std::vector<Box>{LOST});
}

TEST_F(FlowTest, PassingWhileAnEarlierNoPlacementStandsKeepsItPending)
{
    load();
    newGame(ANSWER_YES);
    state.PassPending = true;
    game.cmdPass_Click();
    EXPECT_EQ(state.Board(2, 3), WHITE);
    EXPECT_EQ(window.caption(Label::Info), "");
    EXPECT_TRUE(state.PassPending);
    EXPECT_FALSE(state.GameOver);
}

TEST_F(FlowTest, WhenNeitherSideCanPlaceAfterTheHumanTheNextPassEndsTheGame)
{
    const std::vector<std::string> position{".WB.....", "........", "........", "........",
                                            "........", "........", "........", "W......."};
    setPosition(position, BLACK);
    click(0, 0);
    EXPECT_EQ(window.caption(Label::Info), COMPUTER_STUCK);
    EXPECT_FALSE(state.GameOver);
    game.cmdPass_Click();
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(window.boxes, std::vector<Box>{WIN});

    setPosition(position, BLACK);
    state.PassPending = true;
    click(0, 0);
    EXPECT_TRUE(state.GameOver) << "a side had already been stuck: the game ends at once";
    EXPECT_EQ(window.boxes, std::vector<Box>{WIN});
}

TEST_F(FlowTest, ComputerFillingTheBoardDisablesPassBeforeTheResult)
{
    setPosition({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "WBBBBBB."},
                BLACK);
    game.cmdPass_Click();
    EXPECT_EQ(countCells(state.Board, EMPTY), 0);
    EXPECT_EQ(state.ComputerTotal, 8);
    const std::vector<std::string> tail(window.log.end() - 3, window.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Pass off", "box you win!", "lblInfo=you win!"}));
}

TEST_F(FlowTest, ComputerTakingTheHumansLastDiscWins)
{
    setPosition({"BW......", "........", "........", "........", "........", "........", "........", "........"},
                WHITE);
    game.cmdPass_Click();
    EXPECT_EQ(state.PlayerTotal, 0);
    EXPECT_EQ(window.boxes, std::vector<Box>{LOST});
    EXPECT_EQ(window.caption(Label::Info), "you lost!");
    EXPECT_FALSE(window.passEnabled);
}

TEST_F(FlowTest, TurnAfterTheEndOnlyDisablesPassAndAnnouncesAgain)
{
    setPosition({"BW......", "........", "........", "........", "........", "........", "........", "........"},
                WHITE);
    game.cmdPass_Click();
    const BoardCells after = state.Board;
    window.clearRecords();
    game.cmdPass_Click();
    EXPECT_EQ(window.log, (std::vector<std::string>{"Pass off", "box you lost!", "lblInfo=you lost!"}));
    EXPECT_EQ(state.Board, after);
}

// ---- What each action reports ----------------------------------------------

// Each action's outcome comes back as a value, and the sentence a screen
// reader hears is made from it, not from the order of drawing calls.
TEST_F(FlowTest, EachActionReportsWhatItDidAndSaysItOnce)
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
        std::string said;
    } cases[] = {
        {"placement and reply", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(4, 2); },
         {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, "", {},
         "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3."},
        {"the same by a release in the cell", [&] { load(); newGame(ANSWER_YES); },
         [&] { return game.picBoard_MouseUp(1, 0, CellMiddle(4), CellMiddle(2)); },
         {{BLACK, 4, 2, 1}, {WHITE, 3, 2, 1}}, "", {},
         "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3."},
        {"new game as white", [&] { load(); window.answers.push_back(ANSWER_NO); }, [&] { return game.mNewGame_Click(); },
         {{BLACK, 2, 4, 1}}, "", {}, "New game: you play white. Computer played C5 and turned 1. You 1, computer 4."},
        {"a pass the computer cannot answer", [&] { setPosition(opening, BLACK); }, [&] { return game.cmdPass_Click(); },
         {}, COMPUTER_STUCK, {}, COMPUTER_STUCK},
        {"a placement that ends the game",
         [&] { setPosition({".BW.....", "........", "........", "........", "........", "........", "........", "........"}, WHITE); },
         [&] { return game.PlaceAt(0, 0); }, {{WHITE, 0, 0, 1}}, "you win!", Result::HumanWins,
         "You played A1 and turned 1. You 3, computer 0. you win!"},
        {"a refused placement", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(3, 3); }, {}, {}, {}, ""},
        {"off the board", [&] { load(); newGame(ANSWER_YES); }, [&] { return game.PlaceAt(8, -1); }, {}, {}, {}, ""},
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
        EXPECT_EQ(outcome.playerTotal, state.PlayerTotal);
        EXPECT_EQ(Announcement(outcome), c.said);
        EXPECT_EQ(window.said, c.said.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.said})
            << "said through the window once, and only when there is something to say";
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
            expectScreenMatchesBoard();
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

// Seeded random play: New Game with either answer, releases anywhere on or
// off the surface, Pass at any moment. After every event the game must be in
// one of its resting states and the screen must show the board.
TEST_F(FlowTest, InvariantsHoldAfterEveryEventOfSeededRandomGames)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> anywhere(-120.0f, 600.0f);
    std::uniform_int_distribution<int> percent(0, 99);
    load();
    int gamesEnded = 0;
    for (int event = 0; event < 40000; ++event) {
        const BoardCells before = state.Board;
        const bool wasStarted = state.GameStarted;
        const int roll = percent(rng);
        bool fresh = false;
        window.clearRecords();
        if (roll < 2 || (state.GameOver && roll < 30) || !state.GameStarted) {
            window.answers.push_back(percent(rng) < 50 ? ANSWER_YES : ANSWER_NO);
            ASSERT_NO_THROW(game.mNewGame_Click());
            fresh = true;
        } else if (roll < 10) {
            ASSERT_NO_THROW(game.cmdPass_Click());
        } else if (roll < 55) {
            const int col = percent(rng) % 8;
            const int row = percent(rng) % 8;
            ASSERT_NO_THROW(game.picBoard_MouseUp(percent(rng) % 4, 0, CellMiddle(col) + static_cast<float>(percent(rng) % 57) - 28,
                                                  CellMiddle(row) + static_cast<float>(percent(rng) % 57) - 28));
        } else if (roll < 60) {
            ASSERT_NO_THROW(game.picBoard_MouseUp(1, 0, anywhere(rng), anywhere(rng)));
        } else {
            ASSERT_NO_THROW(PlayFirstLegalOrPass(state, game));
        }

        ASSERT_EQ(CheckInvariants(state, window, before, wasStarted && !fresh), "") << "event " << event;
        const std::string info = window.caption(Label::Info);
        gamesEnded += state.GameOver && !window.boxes.empty() && window.boxes.back().text == info;
    }
    EXPECT_GT(gamesEnded, 100) << "random play should finish many games";
}
