// A fixed set of positions searched at every level to full depth: the node counts and moves are a
// signature of the search, and the time gives its speed. Positions are made by code from seeds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ai/MoveSearch.h"
#include "board/GameBoard.h"
#include "board/Move.h"

namespace halmora {

struct BenchPosition {
    std::string name;  // e.g. "4p middle"
    CGameBoard board;
    std::vector<PlayerColor> order;  // turn order; the first colour is to move
    int moveCount = 0;
};

std::vector<BenchPosition> MakeBenchPositions();

struct BenchLine {
    const BenchPosition* position;
    int seatType;
    uint64_t nodes;
    uint64_t candidates;
    double milliseconds;
    std::string move;  // "c,r c,r ..." or "none"
};

struct BenchResult {
    uint64_t signature = 0;
    uint64_t nodes = 0;
    uint64_t candidates = 0;
    double milliseconds = 0;
};

// Searches every position at the seat types from..to (2 Novice .. 6 Master) with no budget,
// reporting each search to `report` (may be empty).
BenchResult RunBench(const std::vector<BenchPosition>& positions, int fromSeatType, int toSeatType,
                     const std::function<void(const BenchLine&)>& report,
                     const SearchSetup& setup = {});

}  // namespace halmora
