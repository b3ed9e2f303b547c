// Google Benchmark figures for the move generator on both board forms.
#include <benchmark/benchmark.h>

#include <vector>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "board/Perft.h"
#include "board/RandomPlay.h"

namespace {

using namespace halmora;

struct Position {
    CGameBoard board;
    BoardCells cells;
};

// A six-player middle game: the board is crowded, so chains are long.
const Position& MiddleGame() {
    static const Position position = [] {
        Position p;
        const std::array<bool, kColorCount> seated{true, true, true, true, true, true};
        const PlayerColor order[] = {0, 1, 2, 3, 4, 5};
        SetUpStartPosition(p.board, seated);
        SplitMix64 random(20261206);
        PlayRandomMoves(p.board, order, 60, random);
        p.cells = BoardCells::Snapshot(p.board);
        return p;
    }();
    return position;
}

void BM_GenerateOnSnapshot(benchmark::State& state) {
    const BoardCells& cells = MiddleGame().cells;
    MoveList list;
    int64_t moves = 0;
    for (auto _ : state) {
        for (int i = 0; i < kPlaceCount; ++i) {
            if (cells.cells[i].occupant == kNoColor8)
                continue;
            GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
            moves += list.count;
        }
        benchmark::DoNotOptimize(list);
    }
    state.counters["moves/s"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GenerateOnSnapshot);

void BM_GenerateOnBasicBoard(benchmark::State& state) {
    CBasicBoard basic;
    basic.BuildFrom(MiddleGame().board);
    MoveList list;
    int64_t moves = 0;
    for (auto _ : state) {
        for (PlayerColor c = 0; c < kColorCount; ++c) {
            for (const Place p : basic.Marbles(c)) {
                GenerateMoves(basic, p, list);
                moves += list.count;
            }
        }
        benchmark::DoNotOptimize(list);
    }
    state.counters["moves/s"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GenerateOnBasicBoard);

void BM_Perft2PlayersDepth3(benchmark::State& state) {
    CGameBoard board;
    SetUpStartPosition(board, {true, false, false, true, false, false});
    CBasicBoard basic;
    basic.BuildFrom(board);
    const PlayerColor order[] = {0, 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(Perft(basic, order, 0, 3));
}
BENCHMARK(BM_Perft2PlayersDepth3)->Unit(benchmark::kMillisecond);

}  // namespace
