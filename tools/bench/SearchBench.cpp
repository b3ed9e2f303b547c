// Google Benchmark figures for the search as the game uses it: how soon every thread of a Master
// search has stopped after Stop (force move, a new game, closing the window).
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "ai/Bench.h"
#include "ai/MoveSearch.h"

namespace {

using namespace halmora;
using Clock = std::chrono::steady_clock;

void BM_StopLatency(benchmark::State& state) {
    const std::vector<BenchPosition> positions = MakeBenchPositions();
    const BenchPosition* p = &positions.front();
    for (const BenchPosition& candidate : positions)
        if (candidate.name == "6p middle")
            p = &candidate;
    for (auto _ : state) {
        CMoveSearch search(p->board, p->order[0], LevelRating(6), CMoveSearch::kNoBudget,
                           p->moveCount, p->order, Move{});
        std::thread thinker([&search] { search.Run(); });
        // Well into the search, every thread busy.
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const auto stop = Clock::now();
        search.Stop();
        thinker.join();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - stop).count());
    }
}
BENCHMARK(BM_StopLatency)->Arg(50)->Arg(500)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
