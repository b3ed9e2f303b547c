#include "board/BoardCells.h"

#include "board/GameBoard.h"

namespace halmora {

BoardCells BoardCells::Snapshot(const CGameBoard& board) {
    BoardCells snap;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const HoleRecord& h = board.Hole(col, row);
            BoardCell& cell = snap.cells[PlaceIndex(col, row)];
            cell.isHole = h.isHole ? 1 : 0;
            cell.zone = ToColor8(h.zone);
            cell.occupant = ToColor8(h.occupant);
            if (cell.zone != kNoColor8) {
                const int index = board.ZoneIndexOf({col, row});
                cell.weight = static_cast<uint8_t>(index < 0 ? 1 : ZoneWeightAt(index));
            }
        }
    }
    return snap;
}

}  // namespace halmora
