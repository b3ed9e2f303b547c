#include "game/LastMoveMarks.h"

namespace halmora {

void CLastMoveMarks::Mark(CGameBoard& board, CBoardCanvas& canvas, const Move& path,
                          PlayerColor mover) {
    for (int i = 0; i < path.count; ++i) {
        if (!InsideGrid(path.places[i]))
            continue;
        board.Hole(path.places[i]).lastMove = static_cast<int8_t>(mover);
        canvas.DrawCell(path.places[i]);
    }
    shown_ = path.count > 0;
}

void CLastMoveMarks::Clear(CGameBoard& board, CBoardCanvas* canvas) {
    if (!shown_)
        return;
    shown_ = false;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            HoleRecord& h = board.Hole(col, row);
            if (h.lastMove == kNoColor)
                continue;
            h.lastMove = kNoColor;
            if (canvas != nullptr)
                canvas->DrawCell({col, row});
        }
    }
}

}  // namespace halmora
