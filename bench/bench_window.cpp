// One click's whole handling in the real window: the player's disc, the
// computer's reply and the repaint of the surface.
#include <QAction>
#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include "BoardGeometry.h"
#include "board/BoardSurface.h"
#include "support/OffscreenApp.h"
#include "frmGame.h"

using namespace kalvado;

namespace {

int answerYes(QWidget*, const QString&, int, const QString&)
{
    return ANSWER_YES;
}

void BM_ClickAndReply(benchmark::State& s)
{
    frmGame window(QString(), answerYes);
    window.show();
    QApplication::processEvents();
    BoardSurface* board = window.findChild<BoardSurface*>("picBoard");
    const QPoint cell42 = DiscCentre(4, 2) + QPoint(SURFACE_BORDER, SURFACE_BORDER); // the opening placement
    for (auto _ : s) {
        s.PauseTiming();
        window.findChild<QAction*>("mNewGame")->trigger();
        QApplication::processEvents();
        s.ResumeTiming();
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, cell42);
        board->repaint();
    }
    if (window.state().Board(4, 2) != BLACK)
        s.SkipWithError("the click was not played");
}
BENCHMARK(BM_ClickAndReply)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    const auto app = kalvado::test::makeOffscreenApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
