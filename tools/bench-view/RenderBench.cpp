// Google Benchmark figures for the board drawing: a full paint, one animation frame and the hit
// test, at the 600-pixel board, drawn off screen with the pictures the build made.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "board/Perft.h"
#include "platform/AppFolder.h"
#include "view/BoardRenderer.h"

namespace {

using namespace halmora;

struct Scene {
    CGameBoard board;
    CBoardRenderer renderer;
    Scene() {
        SetApplicationFolder(HALMORA_GAMEFILES);
        SetUpStartPosition(board, {true, true, true, true, true, true});
        renderer.SetBoard(&board);
        renderer.Resize(1000, 700);  // the 600 board
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void BM_PaintWholeBoard(benchmark::State& state) {
    Scene& s = TheScene();
    for (auto _ : state)
        s.renderer.Paint();
}
BENCHMARK(BM_PaintWholeBoard)->Unit(benchmark::kMillisecond);

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
