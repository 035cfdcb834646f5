#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <tuple>

#include "support/BoardPicture.h"
#include "support/FakeWindow.h"
#include "Rules.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

GameState stateWith(const std::vector<std::string>& picture, Cell playerColor = BLACK)
{
    GameState state;
    state.Board = boardFrom(picture);
    state.PlayerColor = playerColor;
    state.ComputerColor = playerColor == BLACK ? WHITE : BLACK;
    state.GameStarted = true;
    return state;
}

std::pair<int, int> best(const GameState& state)
{
    return {state.BestCol, state.BestRow};
}

// "Player total:04": the caption of a total, in two digits.
std::string totalCaption(const char* side, int total)
{
    return std::string(side) + " total:" + (total < 10 ? "0" : "") + std::to_string(total);
}

std::vector<std::string> emptyPicture()
{
    return std::vector<std::string>(8, "........");
}

} // namespace

TEST(Board, StoresColumnFastestAndRefusesCellsOffTheBoard)
{
    BoardCells board;
    board(3, 3) = BLACK;
    board(4, 3) = WHITE;
    EXPECT_EQ(board.raw()[27], BLACK);
    EXPECT_EQ(board.raw()[28], WHITE);
    board(7, 7) = WHITE;
    EXPECT_EQ(board.raw()[63], WHITE);

    for (auto [col, row] : {std::pair{-1, 0}, {8, 0}, {0, -1}, {0, 8}, {8, 8}, {-1, 7}, {1000, 0}})
        EXPECT_THROW(board(col, row) = BLACK, std::out_of_range) << col << "," << row;
    const BoardCells copy = board;
    EXPECT_THROW((void)copy(0, 8), std::out_of_range);
}

TEST(Board, ClearBoardEmptiesEveryCellAndNothingElse)
{
    GameState state;
    forEachCell([&](int col, int row) { state.Board(col, row) = (col + row) % 2 ? WHITE : BLACK; });
    state.PlayerTotal = 30;
    state.ComputerTotal = 34;
    state.BestCol = 5;
    state.BestRow = 6;
    state.PlayerColor = WHITE;
    state.GameOver = true;
    state.SkinIndex = 2;

    ClearBoard(state);

    EXPECT_EQ(countCells(state.Board, EMPTY), 64);
    EXPECT_EQ(state.PlayerTotal, 30);
    EXPECT_EQ(state.ComputerTotal, 34);
    EXPECT_EQ(state.BestCol, 5);
    EXPECT_EQ(state.BestRow, 6);
    EXPECT_EQ(state.PlayerColor, WHITE);
    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(state.SkinIndex, 2);
}

// ---- SpotValue --------------------------------------------------------------

struct SpotCase {
    const char* name;
    std::vector<std::string> picture;
    int col, row;
    Cell player;
    int expected;
};

void PrintTo(const SpotCase& c, std::ostream* os)
{
    *os << c.name;
}

class SpotValueCases : public testing::TestWithParam<SpotCase> {};

TEST_P(SpotValueCases, ScoresOutflankedDiscsPlusPositionBonus)
{
    const SpotCase& c = GetParam();
    const GameState state = stateWith(c.picture);
    EXPECT_EQ(SpotValue(state, c.col, c.row, c.player), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SpotValueCases,
    testing::Values(
        SpotCase{"corner_bonus", {".WB.....", "........", "........", "........", "........", "........", "........", "........"}, 0, 0, BLACK, 8},
        SpotCase{"top_edge_bonus", {"....WB..", "........", "........", "........", "........", "........", "........", "........"}, 3, 0, BLACK, 4},
        SpotCase{"left_edge_bonus", {"........", "........", "........", ".WB.....", "........", "........", "........", "........"}, 0, 3, BLACK, 4},
        SpotCase{"bottom_edge_bonus", {"........", "........", "........", "........", "........", "........", "........", "..BW...."}, 4, 7, BLACK, 4},
        SpotCase{"right_edge_bonus", {"........", "........", "........", "........", ".....BW.", "........", "........", "........"}, 7, 4, BLACK, 4},
        SpotCase{"run_to_edge_outflanks_nothing", {".WWWWWWW", "........", "........", "........", "........", "........", "........", "........"}, 0, 0, BLACK, 0},
        SpotCase{"run_broken_by_empty_cell", {"........", "........", "........", "..W.WB..", "........", "........", "........", "........"}, 1, 3, BLACK, 0},
        SpotCase{"own_disc_adjacent_closes_nothing", {"........", "........", "........", "..BW....", "........", "........", "........", "........"}, 1, 3, BLACK, 0},
        SpotCase{"right_and_down", {"........", "........", "...WB...", "..W.....", "..B.....", "........", "........", "........"}, 2, 2, BLACK, 2},
        SpotCase{"down_run_on_top_edge", {"........", ".WWB....", ".W......", ".W......", ".B......", "........", "........", "........"}, 1, 0, BLACK, 3 + 3},
        SpotCase{"three_down_and_two_right_add_up", {"........", "...WWB..", "..W.....", "..W.....", "..W.....", "..B.....", "........", "........"}, 2, 1, BLACK, 5},
        SpotCase{"longest_run_in_every_direction", {"WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "BBBBBBBB"}, 0, 0, BLACK, 6 + 6 + 7},
        SpotCase{"white_scores_too", {"........", "........", "........", "...BW...", "...WB...", "........", "........", "........"}, 5, 4, WHITE, 1}),
    [](const testing::TestParamInfo<SpotCase>& info) { return std::string(info.param.name); });

TEST(SpotValue, StartingPositionOffersEachSideExactlyFourSingleFlips)
{
    const GameState state = stateWith(startingPosition());
    const std::map<Cell, std::set<std::pair<int, int>>> expected{
        {BLACK, {{2, 4}, {3, 5}, {4, 2}, {5, 3}}},
        {WHITE, {{2, 3}, {3, 2}, {4, 5}, {5, 4}}},
    };
    for (const auto& entry : expected) {
        // Named copies: clang 14 cannot capture a structured binding in a lambda.
        const Cell side = entry.first;
        const auto& cells = entry.second;
        forEachCell([&](int col, int row) {
            if (state.Board(col, row) != EMPTY)
                return;
            EXPECT_EQ(SpotValue(state, col, row, side), cells.count({col, row}) ? 1 : 0)
                << "side " << side << " at " << col << "," << row;
        });
    }
}

TEST(SpotValue, ScoresAnOccupiedCellAsIfItWereEmpty)
{
    GameState state = stateWith(startingPosition());
    const int asEmpty = SpotValue(state, 4, 2, BLACK);
    state.Board(4, 2) = WHITE;
    EXPECT_EQ(SpotValue(state, 4, 2, BLACK), asEmpty);
}

TEST(SpotValue, RefusesCellsOffTheBoardAndSidesThatAreNotSides)
{
    const GameState state = stateWith(startingPosition());
    EXPECT_THROW(SpotValue(state, 8, 0, BLACK), std::out_of_range);
    EXPECT_THROW(SpotValue(state, 0, -1, BLACK), std::out_of_range);
    EXPECT_THROW(SpotValue(state, 2, 4, EMPTY), std::invalid_argument);
    EXPECT_THROW(SpotValue(state, 2, 4, 2), std::invalid_argument);
}

// ---- ChangChess and CountChess ----------------------------------------------

// Either side's opening: the one disc turned is painted, and the totals
// count for the human and the computer whichever colour each plays.
TEST(ChangChess, OpeningsTurnPaintAndCountForTheRightSides)
{
    const struct {
        const char* name;
        Cell human;
        int col, row;
        Cell mover;
        std::vector<std::string> after, painted;
        int player, computer;
    } cases[] = {
        {"the human as black", BLACK, 4, 2, BLACK,
         {"........", "........", "....B...", "...BB...", "...WB...", "........", "........", "........"},
         {"........", "........", "........", "....B...", "........", "........", "........", "........"}, 4, 1},
        {"the computer as black", WHITE, 2, 4, BLACK,
         {"........", "........", "........", "...BW...", "..BBB...", "........", "........", "........"},
         {"........", "........", "........", "........", "...B....", "........", "........", "........"}, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = stateWith(startingPosition(), c.human);
        FakeWindow window;
        state.Board(c.col, c.row) = c.mover;
        ChangChess(state, window, c.col, c.row, c.mover);
        EXPECT_EQ(pictureOf(state.Board), pictureOf(boardFrom(c.after)));
        EXPECT_EQ(pictureOf(window.shown()), pictureOf(boardFrom(c.painted))) << "the turned disc alone is painted";
        EXPECT_EQ(state.PlayerTotal, c.player);
        EXPECT_EQ(state.ComputerTotal, c.computer);
        EXPECT_EQ(window.caption(Label::Player), totalCaption("Player", c.player));
        EXPECT_EQ(window.caption(Label::Com), totalCaption("Computer", c.computer));
        EXPECT_FALSE(state.GameOver);
    }
}

TEST(ChangChess, PaintsDirectionByDirectionFromThePlacedCellOutwards)
{
    // From (3,1): a run of two to the left, one down, three down-right.
    GameState state = stateWith({"........", "BWW.....", "...WW...", "...B.W..", "......W.", ".......B",
                                 "........", "........"},
                                BLACK);
    FakeWindow window;
    state.Board(3, 1) = BLACK;
    ChangChess(state, window, 3, 1, BLACK);
    EXPECT_EQ(window.log, (std::vector<std::string>{"DrawChess 2,1 0", "DrawChess 1,1 0", "DrawChess 3,2 0",
                                                    "DrawChess 4,2 0", "DrawChess 5,3 0", "DrawChess 6,4 0",
                                                    "lblPlayer=Player total:10", "lblCom=Computer total:00"}));
    EXPECT_TRUE(state.GameOver) << "the last white disc turned";
}

TEST(ChangChess, TurnsDownBeforeRight)
{
    GameState state = stateWith({"........", "........", "...WB...", "..W.....", "..B.....", "........",
                                 "........", "........"},
                                BLACK);
    FakeWindow window;
    state.Board(2, 2) = BLACK;
    ChangChess(state, window, 2, 2, BLACK);
    ASSERT_GE(window.log.size(), 2u);
    EXPECT_EQ(window.log[0], "DrawChess 2,3 0");
    EXPECT_EQ(window.log[1], "DrawChess 3,2 0");
}

TEST(ChangChess, LeavesOpenRunsAloneEvenWhenLong)
{
    const std::vector<std::string> before{"B.......", ".WWWWWW.", "........", "........", "........", "........",
                                          "........", "B......."};
    GameState state = stateWith(before, BLACK);
    // (0,1) sees a run of six white discs reaching the empty (7,1); down it
    // sees nothing; no direction is closed.
    state.Board(0, 1) = BLACK;
    FakeWindow window;
    ChangChess(state, window, 0, 1, BLACK);
    BoardCells expected = boardFrom(before);
    expected(0, 1) = BLACK;
    EXPECT_EQ(pictureOf(state.Board), pictureOf(expected));
    EXPECT_EQ(window.log.size(), 2u) << "only the two totals captions";
}

// The totals and their captions, and the end of the game on a full board or
// a side without discs, which a recount never takes back.
TEST(CountChess, CountsBothSidesAndEndsTheGameOnAFullBoardOrAnEmptySide)
{
    const std::vector<std::string> twoBlack{"B.......", "B.......", "........", "........",
                                            "........", "........", "........", "........"};
    const struct {
        const char* name;
        std::vector<std::string> picture;
        Cell human;
        bool overBefore;
        int player, computer;
        bool over;
    } cases[] = {
        {"a full board, whatever the totals", std::vector<std::string>(8, "BBBBWWWW"), BLACK, false, 32, 32, true},
        {"the computer has no disc", twoBlack, BLACK, false, 2, 0, true},
        {"the human has no disc", twoBlack, WHITE, false, 0, 2, true},
        {"mid-game", startingPosition(), BLACK, false, 2, 2, false},
        {"an ended game stays ended", startingPosition(), BLACK, true, 2, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = stateWith(c.picture, c.human);
        state.GameOver = c.overBefore;
        FakeWindow window;
        CountChess(state, window);
        EXPECT_EQ(state.PlayerTotal, c.player);
        EXPECT_EQ(state.ComputerTotal, c.computer);
        EXPECT_EQ(state.GameOver, c.over);
        EXPECT_EQ(window.caption(Label::Player), totalCaption("Player", c.player));
        EXPECT_EQ(window.caption(Label::Com), totalCaption("Computer", c.computer));
    }
}

TEST(ChangChess, CountsThePlacedDiscOnlyWhenTheCallerStoredIt)
{
    GameState state = stateWith(startingPosition(), BLACK);
    FakeWindow window;
    ChangChess(state, window, 4, 2, BLACK); // (4,2) itself not stored
    EXPECT_EQ(state.Board(4, 2), EMPTY);
    EXPECT_EQ(state.PlayerTotal, 3);
}

// ---- FindMove ---------------------------------------------------------------

TEST(FindMove, OpeningChoicesFollowTheScanOrder)
{
    GameState state = stateWith(startingPosition());
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(2, 4));
    ASSERT_TRUE(FindMove(state, WHITE));
    EXPECT_EQ(best(state), std::pair(2, 3));

    state.Board(4, 2) = BLACK;
    state.Board(4, 3) = BLACK;
    ASSERT_TRUE(FindMove(state, WHITE));
    EXPECT_EQ(best(state), std::pair(3, 2));
}

TEST(FindMove, EqualValuesGoToTheLowerColumnThenTheLowerRow)
{
    // Black's only placements are single flips in column 2, at rows 1 and 5.
    GameState state = stateWith({"........", "........", "..W.....", "..B.....", "..W.....", "........",
                                 "........", "........"});
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(2, 1));

    state = stateWith({"........", "........", "........", "..W.....", "..B...WB", "........", "........",
                       "........"});
    // Single flips at (2,2) and (5,4): the lower column wins.
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(2, 2));
}

namespace {

void put(GameState& state, Cell code, std::initializer_list<std::pair<int, int>> cells)
{
    for (auto [col, row] : cells)
        state.Board(col, row) = code;
}

// (2,2) outflanks seven: three right, three down, one down-right.
GameState innerSevenPosition()
{
    GameState state = stateWith(emptyPicture());
    put(state, WHITE, {{3, 2}, {4, 2}, {5, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 3}});
    put(state, BLACK, {{6, 2}, {2, 6}, {4, 4}});
    return state;
}

} // namespace

TEST(FindMove, CornerAndEdgeBonusesAgainstInnerFlipsWithScanOrderOnTies)
{
    GameState state = innerSevenPosition();
    put(state, WHITE, {{7, 6}});
    put(state, BLACK, {{7, 5}});
    ASSERT_EQ(SpotValue(state, 2, 2, BLACK), 7);
    ASSERT_EQ(SpotValue(state, 7, 7, BLACK), 8);
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(7, 7)) << "corner with one flip beats seven inner flips";

    put(state, WHITE, {{3, 1}});
    put(state, BLACK, {{4, 0}});
    ASSERT_EQ(SpotValue(state, 2, 2, BLACK), 8);
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(2, 2)) << "eight inner flips, earlier in the scan, win the tie";

    put(state, EMPTY, {{7, 6}, {7, 5}});
    put(state, WHITE, {{0, 6}});
    put(state, BLACK, {{0, 5}});
    ASSERT_EQ(SpotValue(state, 0, 7, BLACK), 8);
    ASSERT_TRUE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), std::pair(0, 7)) << "the corner, earlier in the scan, wins the tie";
}

TEST(FindMove, WithoutAPlacementReportsFalseAndKeepsTheLastChoice)
{
    GameState state = stateWith(startingPosition());
    ASSERT_TRUE(FindMove(state, WHITE));
    const auto before = best(state);

    state = stateWith(std::vector<std::string>(8, "BBBBWWWW"));
    state.BestCol = static_cast<std::int16_t>(before.first);
    state.BestRow = static_cast<std::int16_t>(before.second);
    EXPECT_FALSE(FindMove(state, BLACK));
    EXPECT_EQ(best(state), before);

    state = stateWith({"BBBB....", "........", "........", "........", "........", "........", "........",
                       "........"});
    state.BestCol = 6;
    state.BestRow = 1;
    EXPECT_FALSE(FindMove(state, WHITE)) << "white has no disc to close a run";
    EXPECT_EQ(best(state), std::pair(6, 1));
}

// Plays seeded random games through the rules alone and checks, before
// every placement, that FindMove picks the first cell of the highest value
// without touching anything else, and after it that the count is right and
// no disc vanished.
TEST(RulesProperties, HoldOverSeededRandomGames)
{
    std::mt19937 rng(20261207);
    for (int game = 0; game < 300; ++game) {
        GameState state = stateWith(startingPosition(), game % 2 ? BLACK : WHITE);
        FakeWindow window;
        Cell mover = BLACK;
        int passes = 0;
        while (passes < 2 && !state.GameOver) {
            std::vector<std::pair<int, int>> legal;
            int bestValue = 0;
            std::pair<int, int> firstBest{-1, -1};
            ASSERT_NO_FATAL_FAILURE(forEachCell([&](int col, int row) {
                if (state.Board(col, row) != EMPTY)
                    return;
                const int value = SpotValue(state, col, row, mover);
                ASSERT_GE(value, 0);
                ASSERT_LE(value, 55);
                if (value > 0)
                    legal.emplace_back(col, row);
                if (value > bestValue) {
                    bestValue = value;
                    firstBest = {col, row};
                }
            }));
            const BoardCells boardBefore = state.Board;
            const GameState snapshot = state;
            const bool found = FindMove(state, mover);
            ASSERT_EQ(found, !legal.empty());
            ASSERT_EQ(state.Board, boardBefore);
            ASSERT_EQ(state.GameOver, snapshot.GameOver);
            ASSERT_EQ(state.PlayerTotal, snapshot.PlayerTotal);
            if (!found) {
                ASSERT_EQ(best(state), best(snapshot));
                ++passes;
                mover = mover == BLACK ? WHITE : BLACK;
                continue;
            }
            passes = 0;
            ASSERT_EQ(best(state), firstBest);

            const auto [col, row] = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
            const int expectedFlips = SpotValue(state, col, row, mover) - (
                (col == 0 || col == 7) && (row == 0 || row == 7) ? 7 : (col == 0 || col == 7 || row == 0 || row == 7) ? 3 : 0);
            state.Board(col, row) = mover;
            window.clearRecords();
            ChangChess(state, window, col, row, mover);

            int flips = 0;
            ASSERT_NO_FATAL_FAILURE(forEachCell([&](int c, int r) {
                ASSERT_FALSE(boardBefore(c, r) != EMPTY && state.Board(c, r) == EMPTY) << "a disc vanished";
                if (boardBefore(c, r) != EMPTY && boardBefore(c, r) != state.Board(c, r)) {
                    ++flips;
                    ASSERT_EQ(state.Board(c, r), mover);
                    ASSERT_EQ(window.screenAt(c, r), mover) << "flipped but not painted";
                }
            }));
            ASSERT_EQ(flips, expectedFlips);
            ASSERT_EQ(state.PlayerTotal, countCells(state.Board, state.PlayerColor));
            ASSERT_EQ(state.ComputerTotal, countCells(state.Board, state.ComputerColor));
            mover = mover == BLACK ? WHITE : BLACK;
        }
        const int occupied = 64 - countCells(state.Board, EMPTY);
        if (occupied == 64 || state.PlayerTotal == 0 || state.ComputerTotal == 0) {
            EXPECT_TRUE(state.GameOver);
        }
    }
}
