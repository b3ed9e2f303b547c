// Google Benchmark figures for the board drawing: a full paint at each board size, a paint that
// must compose the star again (after a rotation), one animation frame and the hit test, drawn off
// screen with the pictures the build made.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "board/Perft.h"
#include "platform/AppFolder.h"
#include "view/BoardRenderer.h"

namespace {

using namespace halmora;

// Board-area sizes that give the 300, 400 and 600 board.
constexpr int kAreaWidth[3] = {500, 700, 1000};
constexpr int kAreaHeight[3] = {350, 500, 700};

struct Scene {
    CGameBoard board;
    CBoardRenderer renderer;
    explicit Scene(int boardSize) {
        SetApplicationFolder(HALMORA_GAMEFILES);
        SetUpStartPosition(board, {true, true, true, true, true, true});
        renderer.SetBoard(&board);
        renderer.Resize(kAreaWidth[boardSize], kAreaHeight[boardSize]);
    }
};

Scene& TheScene(int boardSize = 2) {
    static Scene scenes[3] = {Scene(0), Scene(1), Scene(2)};
    return scenes[boardSize];
}

void BM_PaintWholeBoard(benchmark::State& state) {
    Scene& s = TheScene(static_cast<int>(state.range(0)));
    for (auto _ : state)
        s.renderer.Paint();
}
BENCHMARK(BM_PaintWholeBoard)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A rotation changes the triangles' colours, so the next paint composes the star again.
void BM_PaintAfterRotation(benchmark::State& state) {
    Scene& s = TheScene(2);
    for (auto _ : state) {
        s.board.Rotate(0);
        s.renderer.Paint();
    }
}
BENCHMARK(BM_PaintAfterRotation)->Unit(benchmark::kMillisecond);

// What one step of a gliding marble draws: the old marble rectangle restored, the marble drawn
// at its new point.
void BM_AnimationFrame(benchmark::State& state) {
    Scene& s = TheScene();
    s.renderer.Paint();
    const PixelSize m = s.renderer.MarbleSize();
    int x = s.board.ScreenX({8, 9});
    const int y = s.board.ScreenY({8, 9});
    for (auto _ : state) {
        s.renderer.RedrawRegion(x, y, m.width, m.height);
        x = x == 400 ? 380 : 400;
        s.renderer.DrawMarbleAt(x, y, 3);
    }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);

// Hovering over a hole: its cell restored and a target disc drawn.
void BM_HoverCell(benchmark::State& state) {
    Scene& s = TheScene();
    s.renderer.Paint();
    for (auto _ : state) {
        s.renderer.DrawCell({8, 9});
        s.renderer.DrawHoleDisc(kPossibleTargetRgb, {8, 9});
    }
}
BENCHMARK(BM_HoverCell)->Unit(benchmark::kMicrosecond);

void BM_HitTest(benchmark::State& state) {
    Scene& s = TheScene();
    Place hole;
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.renderer.HitTest(300 + x, 350, hole));
        x = (x + 7) % 400;
    }
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
