// Plays many seeded random games through the real game window on the
// offscreen platform and compares resident memory after a warm-up with
// resident memory at the end.
//
//   soak [games] [seed]          (default 2000 games, seed 1)
//
// Prints the figures; exits 1 when memory grew beyond noise or a game broke.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "support/BoxScript.h"
#include "support/OffscreenApp.h"
#include "support/Placements.h"
#include "board/BoardSurface.h"
#include "frmGame.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The window's own controls, as a player uses them.
struct Controls {
    frmGame& window;
    void trigger(const char* action) { window.findChild<QAction*>(action)->trigger(); }
    void pass() { window.findChild<QPushButton*>("cmdPass")->click(); }
    void release(float x, float y)
    {
        auto* board = window.findChild<BoardSurface*>("picBoard");
        const QPointF at = QPointF(x, y) + QPointF(board->contentsRect().topLeft());
        QMouseEvent event(QEvent::MouseButtonRelease, at, board->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(board, &event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const auto app = makeOffscreenApplication(argc, argv);
    const long games = argc > 1 ? std::atol(argv[1]) : 2000;
    std::mt19937 rng(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);
    std::uniform_int_distribution<int> percent(0, 99);

    long boxes = 0;
    BoxScript script;
    frmGame window(QDir(QStringLiteral(KALVADO_SOURCE_DIR)).absolutePath(),
                   [&](QWidget*, const QString&, int style, const QString&) {
                       ++boxes;
                       return script.answer(style);
                   });
    window.show();
    const GameState& state = window.state();
    Controls controls{window};

    const long warmUp = std::max(1L, games / 50);
    long startKiB = 0, placements = 0, ended = 0;
    for (long game = 0; game < games; ++game) {
        if (game == warmUp)
            startKiB = residentKiB();
        if (game % 97 == 0)
            controls.trigger(("mBoard_" + std::to_string(1 + percent(rng) % 3)).c_str());
        script.answers = {percent(rng) < 50 ? ANSWER_YES : ANSWER_NO};
        controls.trigger("mNewGame");
        for (int action = 0; action < 400 && !state.GameOver; ++action) {
            const int roll = percent(rng);
            if (roll < 5) {
                controls.pass();
                continue;
            }
            if (roll < 12) {
                controls.release(static_cast<float>(percent(rng) * 5 - 10), static_cast<float>(percent(rng) * 5 - 10));
                continue;
            }
            const auto legal = LegalPlacements(state);
            if (legal.empty()) {
                controls.pass();
                continue;
            }
            const auto [col, row] = legal[static_cast<std::size_t>(percent(rng)) % legal.size()];
            controls.release(static_cast<float>(DiscCentre(col, row).x), static_cast<float>(DiscCentre(col, row).y));
            ++placements;
        }
        ended += state.GameOver;
        QCoreApplication::processEvents();
    }
    const long endKiB = residentKiB();
    const long grown = endKiB - startKiB;
    std::printf("games %ld, ended %ld, placements %ld, boxes %ld\n", games, ended, placements, boxes);
    std::printf("resident after warm-up %ld KiB, at the end %ld KiB, grown %ld KiB\n", startKiB, endKiB, grown);
    // Noise: allocator arenas settle in steps of a few hundred KiB.
#if defined(KALVADO_SANITIZE)
    // AddressSanitizer's quarantine holds on to freed memory by design, so
    // resident memory says nothing here; LeakSanitizer checks at exit.
    const bool steady = true;
    std::printf("memory not compared under AddressSanitizer\n");
#else
    const bool steady = grown < 2048;
#endif
    const bool finished = ended == games;
    if (!steady)
        std::printf("memory grew beyond noise\n");
    if (!finished)
        std::printf("some games did not reach their end\n");
    return steady && finished ? 0 : 1;
}
