// Feeds arbitrary sequences of user actions through the game flow with the
// recording fake window and stops at the first broken rule. Skin files may
// turn unreadable at any time, so a switch or a later New Game can fail.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/FakeWindow.h"
#include "Game.h"
#include "support/Invariants.h"
#include "support/Placements.h"
#include "SkinPath.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool empty() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    float number()
    {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = (bits << 8) | byte();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string exeDir = "/opt/kalvado";
    GameState state;
    FakeWindow window;
    Game game(state, window, exeDir);
    Input in(data, size);
    if (in.byte() & 1)
        window.unreadable.insert(SkinFilePath(exeDir, 1));
    game.frmGame_Load();

    for (int events = 0; !in.empty() && events < 2000; ++events) {
        const BoardCells before = state.Board;
        const bool wasStarted = state.GameStarted;
        bool fresh = false;
        window.clearRecords();
        switch (in.byte() % 6) {
        case 0:
            window.script.answers.push_back(in.byte() & 1 ? ANSWER_YES : ANSWER_NO);
            game.mNewGame_Click();
            fresh = true;
            break;
        case 1:
            game.cmdPass_Click();
            break;
        case 2: { // a release somewhere around a cell, any button and keys
            const int col = in.byte() % 10 - 1;
            const int row = in.byte() % 10 - 1;
            const int button = in.byte(), shift = in.byte();
            game.picBoard_MouseUp(button, shift, static_cast<float>(CellRect(col, row).left + in.byte() % CELL_SIZE),
                                  static_cast<float>(CellRect(col, row).top + in.byte() % CELL_SIZE));
            break;
        }
        case 3: { // any position at all: negative, huge, not finite
            const float x = in.number();
            const float y = in.number();
            game.picBoard_MouseUp(1, 0, x, y);
            break;
        }
        case 4: { // a skin from the Option menu, its file readable or not
            const int index = in.byte() % 3 + 1;
            const std::string path = SkinFilePath(exeDir, index);
            if (in.byte() & 1)
                window.unreadable.insert(path);
            else
                window.unreadable.erase(path);
            game.mBoard_Click(index);
            break;
        }
        default:
            PlayFirstLegalOrPass(state, game);
            break;
        }
        if (state.GameStarted) {
            const std::string broken = CheckInvariants(state, window, before, wasStarted && !fresh);
            if (!broken.empty())
                fail(broken);
        } else {
            for (const Box& box : window.boxes)
                if (box.title != "No game define!" && box.title != NO_SKIN_TITLE)
                    fail("a box before any game: " + box.text);
            if (countCells(state.Board, EMPTY) != 64)
                fail("discs before any game");
        }
    }
    return 0;
}
