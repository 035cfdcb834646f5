#include <benchmark/benchmark.h>

#include "Rules.h"

using namespace kalvado;

namespace {

class NullWindow : public WindowOps {
public:
    void DrawChess(int, int, Cell) override {}
    void DrawBoard() override {}
    void setCaption(Label, const std::string&) override {}
    void setPassEnabled(bool) override {}
    void loadSkin(const std::string&) override {}
    void repaintBoard() override {}
    void showDefaultImage() override {}
    void setBoardCursor() override {}
    void markSkinItem(int, bool) override {}
    void showTotals(int, int) override {}
    int MsgBox(const std::string&, int, const std::string&) override { return ANSWER_OK; }
};

GameState startingState()
{
    GameState state;
    ClearBoard(state);
    state.Board(3, 3) = BLACK;
    state.Board(4, 4) = BLACK;
    state.Board(4, 3) = WHITE;
    state.Board(3, 4) = WHITE;
    state.PlayerColor = BLACK;
    state.ComputerColor = WHITE;
    return state;
}

// Greedy against greedy until neither side can place; returns placements.
int playGreedyGame(GameState& state, WindowOps& window)
{
    Cell mover = BLACK;
    int placements = 0;
    int stuck = 0;
    while (!state.GameOver && stuck < 2) {
        if (!FindMove(state, mover)) {
            ++stuck;
        } else {
            stuck = 0;
            state.Board(state.BestCol, state.BestRow) = mover;
            ChangChess(state, window, state.BestCol, state.BestRow, mover);
            ++placements;
        }
        mover = mover == BLACK ? WHITE : BLACK;
    }
    return placements;
}

GameState midGameState()
{
    GameState state = startingState();
    NullWindow window;
    Cell mover = BLACK;
    for (int i = 0; i < 20 && FindMove(state, mover); ++i) {
        state.Board(state.BestCol, state.BestRow) = mover;
        ChangChess(state, window, state.BestCol, state.BestRow, mover);
        mover = mover == BLACK ? WHITE : BLACK;
    }
    return state;
}

void BM_SpotValueMidGame(benchmark::State& s)
{
    GameState state = midGameState();
    FindMove(state, BLACK);
    const int col = state.BestCol;
    const int row = state.BestRow;
    for (auto _ : s)
        benchmark::DoNotOptimize(SpotValue(state, col, row, BLACK));
}
BENCHMARK(BM_SpotValueMidGame);

void BM_FindMoveStart(benchmark::State& s)
{
    GameState state = startingState();
    for (auto _ : s)
        benchmark::DoNotOptimize(FindMove(state, BLACK));
}
BENCHMARK(BM_FindMoveStart);

void BM_FindMoveMidGame(benchmark::State& s)
{
    GameState state = midGameState();
    for (auto _ : s)
        benchmark::DoNotOptimize(FindMove(state, BLACK));
}
BENCHMARK(BM_FindMoveMidGame);

void BM_WholeGreedyGame(benchmark::State& s)
{
    NullWindow window;
    for (auto _ : s) {
        GameState state = startingState();
        benchmark::DoNotOptimize(playGreedyGame(state, window));
    }
}
BENCHMARK(BM_WholeGreedyGame);

} // namespace
