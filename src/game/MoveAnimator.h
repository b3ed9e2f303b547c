// Shows a move as the marble gliding from hole to hole along its path at a constant speed in
// pixels per millisecond. Driven by polling: the owner calls Step on every game tick, and each
// call draws at most one frame computed from the time elapsed on the tick count. The board model
// keeps the marble on its start hole (hidden) until the last Step, which makes the move.
#pragma once

#include <cstdint>

#include "board/GameBoard.h"
#include "board/Move.h"
#include "game/BoardCanvas.h"

namespace halmora {

class CMoveAnimator {
public:
    // Begins showing `path` (at least two holes; copied) at `speed` pixels per millisecond.
    void Start(CBoardCanvas& canvas, const Move& path, CGameBoard& board, float speed);
    // Draws the next frame; returns true on the call that ends the animation, after the marble
    // has been moved on the board.
    bool Step(CBoardCanvas& canvas, CGameBoard& board);

private:
    Move path_;
    int segment_ = 0;
    int x_ = 0;
    int y_ = 0;
    float speed_ = 0;
    uint32_t segmentStart_ = 0;
    bool running_ = false;
};

// The point reached after `elapsedMs` on the way from (x0, y0) to (x1, y1) at `speed`, with the
// program's rounding; it snaps to the end as soon as either axis has gone its whole way.
void InterpolatePoint(int x0, int y0, int x1, int y1, float speed, uint32_t elapsedMs, int& x,
                      int& y);

}  // namespace halmora
