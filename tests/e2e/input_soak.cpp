// Seeded random input to the real program on a private X server, as a fast
// and careless player gives it: clicks with every button anywhere in and
// just around the window (menus and frames too), drags, moves and keys, with
// every box answered as it comes (the Exit question always with No). It
// fails when the program dies other than through Exit answered Yes (then it
// starts again), stops answering the window manager's ping for 2 s while no
// box is open, shows two boxes at once, or, once input has settled, shows
// discs that disagree with its score labels (read over AT-SPI).
//
//   input_soak [--seconds N] [--seed S]      (default 60 s, seed 1)

#include <QImage>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/BoardPicture.h"
#include "support/Product.h"
#include "support/ScreenBoard.h"
#include "XSession.h"

using namespace kalvado;
using namespace kalvado::e2e;
using namespace kalvado::test;

namespace {

const std::set<std::string> BOX_TITLES{APP_TITLE, "Oop!!!", "you win", "you lost", "About Pennalt",
                                        "No game define!", "No skin source"};
const std::vector<std::string> KEYS{"F2",   "alt+p", "alt+a",  "alt+e", "ctrl+F4", "alt+g", "alt+o",  "Up",
                                    "Down", "Left",  "Right",  "space", "Return",  "KP_Enter", "Escape", "Tab"};

struct Totals {
    int player = -1;
    int computer = -1;
};

// "label|Player total:04|0" and its computer twin in the program's tree.
Totals totalsFrom(const std::string& tree)
{
    Totals t;
    auto read = [&](const char* prefix) {
        const std::size_t at = tree.find(prefix);
        return at == std::string::npos ? -1 : std::atoi(tree.c_str() + at + std::string(prefix).size());
    };
    t.player = read("|Player total:");
    t.computer = read("|Computer total:");
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    int seconds = 60;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seconds")
            seconds = std::atoi(argv[i + 1]);
        else if (option == "--seed")
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    XSession x;
    if (!x.ok() || !x.startAccessibility()) {
        std::printf("no X server or no accessibility bus\n");
        return 1;
    }
    std::mt19937 rng(seed);
    auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

    long actions = 0, boxes = 0, restarts = 0, checks = 0, pings = 0;
    std::vector<std::string> failures;
    pid_t game = -1;
    Window window = 0;
    QRect frame; // the window on the screen
    QPoint board; // the board picture's top-left pixel on the screen
    const QImage skin = SourceImage("pic/Board1.jpg");

    std::optional<int> ended; // the program's exit status, once it has ended
    auto alive = [&] {
        int code = -1;
        if (!ended && x.waitExit(game, 0, &code))
            ended = code;
        return !ended;
    };
    auto start = [&]() -> bool {
        ended.reset();
        game = x.start({KALVADO_BUILD_BIN});
        window = x.waitWindow(MainTitle(), 10000);
        if (!window)
            return false;
        // The client area and a menu bar's height or so above it.
        frame = QRect(x.origin(window), ClientSize() + QSize(0, 62));
        // The board's picture, below the menu bar; a new program shows skin 1.
        std::optional<QPoint> found;
        XSession::waitFor(
            [&] { return (found = FindPicture(x.grab(), skin, QRect(frame.topLeft() + PictureInClient(), QSize(1, 61)))).has_value(); },
            5000);
        if (found)
            board = *found;
        return found.has_value();
    };
    if (!start()) {
        std::printf("the game did not start\n");
        return 1;
    }

    auto openBoxes = [&] {
        std::vector<std::pair<Window, std::string>> open;
        for (const auto& [w, title] : x.topLevelTitles())
            if (BOX_TITLES.count(title))
                open.emplace_back(w, title);
        return open;
    };
    auto randomPoint = [&] {
        const QPoint p = frame.topLeft() + QPoint(roll(frame.width() + 40) - 20, roll(frame.height() + 40) - 20);
        return QPoint(std::max(0, p.x()), std::max(0, p.y()));
    };

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    auto lastCheck = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < end && failures.size() < 10) {
        // The program is there, or ended through Exit answered Yes.
        if (!alive()) {
            if (*ended != 0) {
                failures.push_back("the program died with status " + std::to_string(*ended));
                break;
            }
            ++restarts;
            if (!start()) {
                failures.push_back("the program did not start again");
                break;
            }
            continue;
        }
        const auto open = openBoxes();
        if (open.size() > 1) {
            std::string titles;
            for (const auto& [w, title] : open)
                titles += " \"" + title + "\"";
            failures.push_back("two boxes at once:" + titles);
            for (const auto& [w, title] : open)
                x.key(w, "Escape");
            continue;
        }
        if (open.size() == 1 && roll(3) == 0) {
            // Yes/No boxes are titled with the program's name; No is Escape,
            // which also closes every OK box.
            x.key(open.front().first, open.front().second == "Kalvado" ? "Escape" : (roll(2) ? "Return" : "Escape"));
            ++boxes;
            continue;
        }
        if (open.empty()) {
            ++pings;
            if (!x.answersPing(window, 2000) && openBoxes().empty() && alive())
                failures.push_back("no answer to a ping for 2 s with no box open");
        }

        // Once in a while: let input settle and compare the board with the labels.
        if (open.empty() && std::chrono::steady_clock::now() - lastCheck > std::chrono::seconds(4)) {
            lastCheck = std::chrono::steady_clock::now();
            x.xdotool("key Escape");
            // Settled once the game answers a ping; its last paint may still
            // be on the way, so the comparison may take a few looks.
            x.answersPing(window, 2000);
            std::string mismatch;
            bool looked = false;
            XSession::waitFor(
                [&] {
                    if (!openBoxes().empty() || !alive())
                        return mismatch.clear(), true;
                    const BoardCells shown = ShownDiscs(x.grab(), board);
                    const int black = countCells(shown, BLACK), white = countCells(shown, WHITE);
                    const Totals t = totalsFrom(x.accessibilityTree(game));
                    if (!openBoxes().empty() || !alive())
                        return mismatch.clear(), true;
                    looked = true;
                    // New Game shows the starting discs under totals of 00
                    // until the first placement counts them.
                    const bool fresh = t.player == 0 && t.computer == 0 && black == 2 && white == 2;
                    const bool same = fresh || (t.player == black && t.computer == white)
                                      || (t.player == white && t.computer == black);
                    mismatch = same ? std::string()
                                    : "the board shows " + std::to_string(black) + " black and " + std::to_string(white)
                                          + " white discs, the labels " + std::to_string(t.player) + " and "
                                          + std::to_string(t.computer);
                    return same;
                },
                2000);
            checks += looked;
            if (!mismatch.empty())
                failures.push_back(mismatch);
            continue;
        }

        // One random action.
        ++actions;
        const int kind = roll(100);
        if (kind < 45) {
            const QPoint p = randomPoint();
            x.xdotool("mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " click "
                      + std::to_string(1 + roll(3)));
        } else if (kind < 55) {
            const QPoint a = randomPoint(), b = randomPoint();
            x.xdotool("mousemove " + std::to_string(a.x()) + " " + std::to_string(a.y()) + " mousedown 1 mousemove "
                      + std::to_string(b.x()) + " " + std::to_string(b.y()) + " mouseup 1");
        } else if (kind < 65) {
            const QPoint p = randomPoint();
            x.xdotool("mousemove " + std::to_string(p.x()) + " " + std::to_string(p.y()));
        } else {
            x.xdotool("key " + KEYS[static_cast<std::size_t>(roll(static_cast<int>(KEYS.size())))]);
        }
    }
    x.stop(game);

    std::printf("seed %u, %d s: %ld actions, %ld boxes answered, %ld pings, %ld board checks, %ld restarts\n", seed,
                seconds, actions, boxes, pings, checks, restarts);
    for (const std::string& f : failures)
        std::printf("FAILED: %s\n", f.c_str());
    std::printf("%d passed, %d failed\n", failures.empty() ? 1 : 0, failures.empty() ? 0 : 1);
    return failures.empty() ? 0 : 1;
}
