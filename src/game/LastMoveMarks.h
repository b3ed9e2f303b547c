// The path of the last move, marked on its holes (each hole's lastMove, in the mover's colour)
// for the renderer to show, from the moment the move is made until the next one starts.
#pragma once

#include "board/GameBoard.h"
#include "board/Move.h"
#include "game/BoardCanvas.h"

namespace halmora {

class CLastMoveMarks {
public:
    // Marks the path's holes and draws them again.
    void Mark(CGameBoard& board, CBoardCanvas& canvas, const Move& path, PlayerColor mover);
    // Takes every mark off; with a canvas the holes are drawn again at once, without one the
    // caller repaints.
    void Clear(CGameBoard& board, CBoardCanvas* canvas);
    // A new board carries no marks.
    void Forget() { shown_ = false; }
    bool Shown() const { return shown_; }

private:
    bool shown_ = false;
};

}  // namespace halmora
