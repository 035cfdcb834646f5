#include "Game.h"

#include <utility>

#include "BoardGeometry.h"
#include "Rules.h"
#include "SkinPath.h"
#include "Steps.h"
#include "Texts.h"

namespace kalvado {

Game::Game(GameState& state, WindowOps& window, std::string exeDir)
    : m_state(state)
    , m_window(window)
    , m_exeDir(std::move(exeDir))
{
}

// Runs one user action and reports what it did.
template <typename Body>
Outcome Game::report(Body&& body)
{
    m_outcome = {};
    body();
    m_outcome.human = m_state.PlayerColor;
    m_outcome.playerTotal = m_state.PlayerTotal;
    m_outcome.computerTotal = m_state.ComputerTotal;
    return m_outcome;
}

Outcome Game::frmGame_Load()
{
    return report([&] { load(); });
}

void Game::load()
{
    RunSteps(
        {
            [&] { m_state.SkinIndex = 1; },
            [&] { m_state.GameStarted = false; },
            [&] {
                m_state.SkinPath = SkinFilePath(m_exeDir, 1);
                m_window.loadSkin(m_state.SkinPath);
            },
            [&] { ResetGame(); },
        },
        [&] {
            m_window.MsgBox(NO_SKIN_TEXT, Style::Information, NO_SKIN_TITLE);
            m_window.showDefaultImage();
        });
}

void Game::ResetGame()
{
    ClearBoard(m_state);
    m_window.DrawBoard();
    m_window.showTotals(0, 0);
    m_countedSinceReset = false;
    m_state.GameOver = false;
    m_state.PassPending = false;
}

Outcome Game::mNewGame_Click()
{
    return report([&] { newGame(); });
}

void Game::newGame()
{
    int answer = 0;
    RunSteps(
        {
            [&] { m_window.setBoardCursor(); },
            [&] { ResetGame(); },
            [&] {
                // Re-showing the image is what wipes the last game's discs.
                if (!m_state.SkinPath.empty())
                    m_window.loadSkin(m_state.SkinPath);
                else
                    m_window.repaintBoard();
            },
            [&] { m_window.DrawBoard(); },
            [&] { setStatus(""); },
            [&] {
                m_state.Board(3, 3) = BLACK;
                m_state.Board(4, 4) = BLACK;
                m_state.Board(4, 3) = WHITE;
                m_state.Board(3, 4) = WHITE;
            },
            [&] {
                m_window.DrawChess(3, 3, BLACK);
                m_window.DrawChess(4, 4, BLACK);
                m_window.DrawChess(3, 4, WHITE);
                m_window.DrawChess(4, 3, WHITE);
            },
            [&] { answer = m_window.MsgBox(NEW_GAME_QUESTION, Style::Information + Style::YesNo); },
            [&] { m_state.GameStarted = true; },
            [&] { m_window.setPassEnabled(true); },
            [&] {
                if (answer == ANSWER_YES) {
                    m_state.PlayerColor = BLACK;
                    m_state.ComputerColor = WHITE;
                    m_outcome.newGameAs = BLACK;
                } else {
                    m_state.PlayerColor = WHITE;
                    m_state.ComputerColor = BLACK;
                    m_outcome.newGameAs = WHITE;
                    ComputerGo();
                }
            },
        },
        [&] { m_window.showDefaultImage(); });
}

Outcome Game::picBoard_MouseUp(int /*button*/, int /*shift*/, float x, float y)
{
    return report([&] {
        // A release off the grid is not a placement attempt.
        if (const auto cell = CellAt(x, y))
            placeAt(cell->col, cell->row);
    });
}

Outcome Game::PlaceAt(int col, int row)
{
    return report([&] {
        if (onBoard(col, row))
            placeAt(col, row);
    });
}

void Game::placeAt(int col, int row)
{
    if (!m_state.GameStarted || m_state.GameOver)
        return;
    if (m_state.Board(col, row) != EMPTY) {
        m_window.MsgBox(ALREADY_OCCUPIED, Style::Exclamation, REFUSED_TITLE);
        return;
    }
    if (SpotValue(m_state, col, row, m_state.PlayerColor) == 0) {
        m_window.MsgBox(INVALID_POSITION, Style::Exclamation, REFUSED_TITLE);
        return;
    }
    placeDisc(col, row, m_state.PlayerColor);
    if (m_state.GameOver) {
        AnnounceResult();
        m_window.setPassEnabled(false);
        return;
    }
    ComputerGo();
}

Outcome Game::cmdPass_Click()
{
    return report([&] { ComputerGo(); });
}

// The Option menu's skins. A skin that cannot be shown leaves the built-in
// image in its place; the choice and the discs on the board stay.
Outcome Game::mBoard_Click(int index)
{
    return report([&] { chooseSkin(index); });
}

void Game::chooseSkin(int index)
{
    std::string path;
    RunSteps(
        {
            [&] {
                if (index == m_state.SkinIndex)
                    return;
                m_window.markSkinItem(m_state.SkinIndex, false);
                m_window.markSkinItem(index, true);
                m_state.SkinIndex = checked16(index);
            },
            [&] { path = SkinFilePath(m_exeDir, index); },
            [&] { m_window.loadSkin(path); },
            [&] { m_state.SkinPath = path; },
            [&] { m_window.DrawBoard(); },
            [&] {
                forEachCell([&](int col, int row) {
                    const Cell cell = m_state.Board(col, row);
                    if (cell == BLACK || cell == WHITE)
                        m_window.DrawChess(col, row, cell);
                });
            },
        },
        [&] {
            m_window.MsgBox(NO_SKIN_TEXT, Style::Information, NO_SKIN_TITLE);
            m_window.showDefaultImage();
        });
}

void Game::placeDisc(int col, int row, Cell side)
{
    auto discsOf = [&] {
        int n = 0;
        forEachCell([&](int c, int r) { n += m_state.Board(c, r) == side; });
        return n;
    };
    const int before = discsOf();
    m_window.DrawChess(col, row, side);
    m_state.Board(col, row) = side;
    ChangChess(m_state, m_window, col, row, side);
    m_countedSinceReset = true;
    m_outcome.placements.push_back({side, col, row, discsOf() - before - 1});
}

void Game::setStatus(const std::string& text)
{
    m_window.setCaption(Label::Info, text);
    m_status = text;
    m_outcome.status = text;
}

void Game::RefreshCaptions()
{
    m_window.setCaption(Label::Info, m_status);
    // ResetGame zeroes the labels but keeps the last counts.
    if (m_countedSinceReset)
        m_window.showTotals(m_state.PlayerTotal, m_state.ComputerTotal);
    else
        m_window.showTotals(0, 0);
    // Before start-up has chosen a skin the form's own mark stands.
    if (m_state.SkinIndex != 0)
        for (int n = 1; n <= 3; ++n)
            m_window.markSkinItem(n, n == m_state.SkinIndex);
}

void Game::ComputerGo()
{
    if (!m_state.GameStarted) {
        m_window.MsgBox(NO_GAME_TEXT, Style::Exclamation, NO_GAME_TITLE);
        return;
    }
    if (m_state.GameOver) {
        endGame();
        return;
    }
    if (!FindMove(m_state, m_state.ComputerColor)) {
        setStatus(COMPUTER_STUCK_TEXT);
        noPlacement();
        return;
    }
    setStatus("");
    placeDisc(m_state.BestCol, m_state.BestRow, m_state.ComputerColor);
    if (m_state.GameOver) {
        endGame();
        return;
    }
    if (FindMove(m_state, m_state.PlayerColor)) {
        setStatus("");
        return;
    }
    setStatus(HUMAN_STUCK_TEXT);
    noPlacement();
}

// The first time in a game that a side cannot place, play goes on; the
// second time, whichever side it is, the game ends.
void Game::noPlacement()
{
    if (!m_state.PassPending) {
        m_state.PassPending = true;
        return;
    }
    m_state.GameOver = true;
    endGame();
}

void Game::endGame()
{
    m_window.setPassEnabled(false);
    AnnounceResult();
}

void Game::AnnounceResult()
{
    // A tie goes to the human.
    if (m_state.PlayerTotal < m_state.ComputerTotal) {
        m_outcome.result = Result::ComputerWins;
        m_window.MsgBox(LOST_TEXT, Style::Information, LOST_TITLE);
        setStatus(LOST_TEXT);
    } else {
        m_outcome.result = Result::HumanWins;
        m_window.MsgBox(WIN_TEXT, Style::Information, WIN_TITLE);
        setStatus(WIN_TEXT);
    }
}

} // namespace kalvado
