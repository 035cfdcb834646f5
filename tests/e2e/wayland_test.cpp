// The real program as a native Wayland client: weston runs with its X11
// backend inside the private X server, the game draws into it, and xdotool's
// input reaches the game through weston. A whole game is played to its
// result, with the board checked on the screen against the flow model, the
// board cursor checked after a box, and the protocol log (WAYLAND_DEBUG)
// read for the app_id, the result box and anything else on stderr.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/BoardPicture.h"
#include "support/FakeWindow.h"
#include "support/Placements.h"
#include "support/Product.h"
#include "support/ScreenBoard.h"
#include "Game.h"
#include "XSession.h"

using namespace kalvado;
using namespace kalvado::e2e;
using namespace kalvado::test;

namespace {

std::string readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

} // namespace

TEST(Wayland, AWholeGameAsANativeWaylandClient)
{
    XSession x;
    ASSERT_TRUE(x.ok());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile ini(dir.filePath("weston.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[core]\nidle-time=0\n\n[shell]\npanel-position=none\nbackground-color=0xff404040\n");
    ini.close();
    // The pointer waits outside weston's window, so that it enters it with
    // the first move; weston's X11 backend heeds a pointer only after that.
    x.moveTo(QPoint(1790, 1190));
    const std::string socket = "kalvado-" + std::to_string(getpid());
    const pid_t weston = x.start({"sh", "-c",
                                  "exec weston --backend=x11-backend.so --width=1200 --height=900 --socket=" + socket
                                      + " --config=" + dir.filePath("weston.ini").toStdString() + " >/dev/null 2>&1"});
    ASSERT_GT(weston, 0);
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(XSession::waitFor([&] { return QFile::exists(QString::fromStdString(runtime + "/" + socket)); }, 10000))
        << "weston did not start";

    const QString log = dir.filePath("stderr.txt");
    // Under AddressSanitizer leaks are not checked here: the Wayland client
    // library and Qt's Wayland plugin keep a few protocol objects until the
    // process ends, where no suppression can name them (the plugin is gone
    // by then). The game's own code is leak-checked by every other run.
    std::string sanitizer;
    if (const char* asan = std::getenv("ASAN_OPTIONS"))
        sanitizer = "ASAN_OPTIONS=" + std::string(asan) + ":detect_leaks=0 ";
    const pid_t game = x.start({"sh", "-c",
                                sanitizer + "WAYLAND_DISPLAY=" + socket + " QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "
                                    + std::string(KALVADO_BUILD_BIN) + " 2>" + log.toStdString()});
    ASSERT_GT(game, 0);
    const QImage skin = SourceImage("pic/Board1.jpg");
    std::optional<QPoint> picture;
    ASSERT_TRUE(XSession::waitFor([&] { return (picture = FindPicture(x.grab(), skin, x.grab().rect())).has_value(); }, 10000))
        << "the board is nowhere on weston's screen";

    GameState state;
    FakeWindow model;
    Game flow(state, model, "/nowhere");
    flow.frmGame_Load();
    auto boardShown = [&] { return XSession::waitFor([&] { return ShownDiscs(x.grab(), *picture) == state.Board; }, 5000); };
    // The buttons, where the form puts them beside the picture.
    auto button = [&](const char* name) { return *picture - PictureInClient() + FormGeometry(name).center(); };
    // Weston gives the keyboard to the window clicked, and to a box when it
    // opens. A box is known by the protocol log: its window gets a title when
    // it opens and is destroyed when it closes.
    auto logLines = [&] {
        const std::string said = readAll(log);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < said.size();) {
            const std::size_t end = std::min(said.find('\n', at), said.size());
            lines.push_back(said.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    };
    // libwayland writes an object as "xdg_toplevel@32", or since 1.23 as
    // "xdg_toplevel#32".
    auto toplevelRequest = [](const std::string& line, const std::string& request) {
        return (line.find("-> xdg_toplevel@") != std::string::npos || line.find("-> xdg_toplevel#") != std::string::npos)
               && line.find(request) != std::string::npos;
    };
    auto toplevels = [&](const std::string& request) {
        int n = 0;
        for (const std::string& line : logLines())
            n += toplevelRequest(line, request);
        return n;
    };
    // The box that is the window titled after `titled` others has the
    // keyboard once weston tells the game of a keyboard entering after it.
    auto boxHasKeyboard = [&](int titled) {
        int titles = 0;
        for (const std::string& line : logLines()) {
            if (toplevelRequest(line, ".set_title("))
                ++titles;
            else if (titles > titled && line.find("wl_keyboard") != std::string::npos
                     && line.find(".enter(") != std::string::npos && line.find("->") == std::string::npos)
                return true;
        }
        return false;
    };
    // `titled`: how many windows had been given a title before the input
    // that opens the box.
    auto answerBox = [&](const BoxAnswer& answer, int titled) {
        const int gone = toplevels(".destroy()");
        EXPECT_TRUE(XSession::waitFor([&] { return toplevels(".set_title(") > titled; }, 5000)) << "no box opened";
        EXPECT_TRUE(XSession::waitFor([&] { return boxHasKeyboard(titled); }, 5000)) << "the box has no keyboard";
        x.xdotool(std::string("key ") + answer.key);
        EXPECT_TRUE(XSession::waitFor([&] { return toplevels(".destroy()") > gone; }, 5000)) << "the box stays";
    };

    // Weston learns where the pointer is only from its motion, so every
    // click comes after a move onto its spot.
    auto click = [&](QPoint at) {
        x.moveTo(at + QPoint(3, 3));
        x.moveTo(at);
        x.click(at);
    };
    click(*picture + QPoint(SURFACE_SIZE - 10, SURFACE_SIZE - 10)); // the strip beyond the grid: no move
    model.clearRecords();
    flow.mNewGame_Click();
    int titled = toplevels(".set_title(");
    x.xdotool("key F2");
    answerBox(BoxAnswers(model.boxes).at(0), titled);
    ASSERT_TRUE(boardShown()) << "New Game";

    // The board cursor is back once the box has gone: its disc sits right of
    // and below the arrow's tip.
    const QPoint empty = *picture + DiscCentre(0, 0) - QPoint(15, 15);
    x.moveTo(empty);
    x.moveTo(empty + QPoint(1, 1));
    EXPECT_TRUE(XSession::waitFor([&] { return (x.grab().pixel(empty + QPoint(1 + 18, 1 + 19)) & 0xffffff) == 0; }, 3000))
        << "the board cursor is not on the board after the New Game box";

    int moves = 0;
    while (!state.GameOver && moves < 80 && !testing::Test::HasFatalFailure()) {
        model.clearRecords();
        titled = toplevels(".set_title(");
        if (const auto cell = FirstLegalPlacement(state)) {
            ClickCell(flow, cell->first, cell->second);
            click(*picture + DiscCentre(cell->first, cell->second));
        } else {
            flow.cmdPass_Click();
            click(button("cmdPass"));
        }
        const auto answers = BoxAnswers(model.boxes);
        for (std::size_t i = 0; i < answers.size(); ++i)
            answerBox(answers[i], titled + static_cast<int>(i));
        x.moveTo(*picture + QPoint(SURFACE_SIZE - 10, SURFACE_SIZE - 10)); // weston draws the cursor into the screen
        ASSERT_TRUE(boardShown()) << "move " << ++moves << ":\n" << pictureOf(state.Board);
    }
    ASSERT_TRUE(state.GameOver);
    const std::string result = state.PlayerTotal < state.ComputerTotal ? "you lost" : "you win";

    titled = toplevels(".set_title(");
    click(button("cmdExit"));
    answerBox({APP_TITLE, "Return"}, titled); // Yes
    int code = -1;
    EXPECT_TRUE(x.waitExit(game, 10000, &code)) << "Exit answered Yes ends the program";
    EXPECT_EQ(code, 0);

    // Everything on stderr is the protocol log; Qt said nothing of its own.
    const std::string said = readAll(log);
    EXPECT_NE(said.find("set_app_id(\"org.kalvado.kalvado\")"), std::string::npos) << "the app_id is the desktop entry's";
    EXPECT_NE(said.find("set_title(\"" + result + "\")"), std::string::npos) << "no result box titled " << result;
    std::string other;
    std::size_t at = 0;
    while (at < said.size()) {
        const std::size_t end = std::min(said.find('\n', at), said.size());
        const std::string line = said.substr(at, end - at);
        if (!line.empty() && line[0] != '[' && line.find("QStandardPaths: XDG_RUNTIME_DIR") == std::string::npos)
            other += line + "\n";
        at = end + 1;
    }
    EXPECT_EQ(other, "") << "the game wrote to stderr on Wayland";
    x.stop(weston);
}
