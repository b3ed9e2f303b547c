// How the computer opponent judges one candidate move: seven components and their weighted
// total. The totals decide which few moves of a position are looked at, and in which order.
#pragma once

#include <cstdint>

#include "board/Move.h"

namespace halmora {

struct Score {
    float total = 0;
    float execution = 0;  // progress toward the marble's own target hole
    float center = 0;     // 1.0 unless the move ends in a third player's triangle
    float startZone = 0;  // leaving the home triangle
    float endZone = 0;    // entering or going deeper into the target triangle
    float forward = 0;    // nearer to the tip of the target triangle
    float closeness = 0;  // always 0
    float build = 0;      // own marbles that could jump over the moved marble
    float spare = 0;
    int32_t startDistance = 0;  // start hole to the tip of the target triangle
};

struct Candidate : Move {
    Score score;
};

// One marble's candidates, and a colour's ten of them, in generation order.
struct MarbleCandidates {
    int32_t count = 0;
    Candidate moves[kMaxMoves];
};

}  // namespace halmora
