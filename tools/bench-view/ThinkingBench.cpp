// What a player feels while a Master computer thinks on every core: how long a full paint of the
// board takes on the window's thread meanwhile, and how soon Force move gives the game a move to
// show (from the command to the first poll that is no longer choosing; the window polls at its
// idle tick).
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "ai/Bench.h"
#include "game/ComputerPlayer.h"
#include "platform/AppFolder.h"
#include "view/BoardRenderer.h"

namespace {

using namespace halmora;
using Clock = std::chrono::steady_clock;

BenchPosition SixPlayerMiddle() {
    for (BenchPosition& p : MakeBenchPositions())
        if (p.name == "6p middle")
            return p;
    return {};
}

struct ThinkingScene {
    BenchPosition position = SixPlayerMiddle();
    CGameBoard board = position.board;
    CBoardRenderer renderer;
    CComputerPlayer master{position.order[0], 6, ""};

    ThinkingScene() {
        SetApplicationFolder(HALMORA_GAMEFILES);
        renderer.SetBoard(&board);
        renderer.Resize(1000, 700);
    }
    TurnInfo Turn() const {
        TurnInfo turn;
        turn.players = static_cast<int32_t>(position.order.size());
        turn.moveCount = position.moveCount;
        turn.turnOrder = position.order;
        return turn;
    }
    // Forces the move and polls until the computer has one; the time that took. The polls are
    // a tenth of a millisecond apart, so that polling does not take a core from the search.
    double ForceAndCollect() {
        const auto forced = Clock::now();
        master.ForceMove();
        while (master.PollTurn(renderer, board) == kMoveChoosing)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        return std::chrono::duration<double>(Clock::now() - forced).count();
    }
};

void BM_PaintWhileMasterThinks(benchmark::State& state) {
    ThinkingScene s;
    s.renderer.Paint();
    s.master.BeginTurn(s.renderer, s.board, s.Turn());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // every search thread busy
    for (auto _ : state)
        s.renderer.Paint();
    s.ForceAndCollect();
}
BENCHMARK(BM_PaintWhileMasterThinks)->Unit(benchmark::kMillisecond);

void BM_ForceMoveWhileMasterThinks(benchmark::State& state) {
    ThinkingScene s;
    for (auto _ : state) {
        s.board = s.position.board;
        s.master.BeginTurn(s.renderer, s.board, s.Turn());
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        state.SetIterationTime(s.ForceAndCollect());
    }
}
BENCHMARK(BM_ForceMoveWhileMasterThinks)
    ->Arg(50)
    ->Arg(500)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
