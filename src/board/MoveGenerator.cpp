#include "board/MoveGenerator.h"

namespace halmora::detail {
namespace {

constexpr GridLinks MakeLinks() {
    GridLinks links{};
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const int i = PlaceIndex(col, row);
            links.place[i] = {col, row};
            for (int d = 0; d < kDirectionCount; ++d) {
                const Place n = Neighbour({col, row}, d);
                links.neighbour[i][d] = static_cast<int16_t>(InsideGrid(n) ? PlaceIndex(n) : -1);
                const Place l = JumpLanding({col, row}, d);
                const bool inside = l.col >= 1 && l.col <= 18 && l.row >= 1 && l.row <= 18;
                links.landing[i][d] = static_cast<int16_t>(inside ? PlaceIndex(l) : -1);
            }
        }
    }
    return links;
}

}  // namespace

constinit const GridLinks kGridLinks = MakeLinks();

}  // namespace halmora::detail

namespace halmora {

bool AnyMoveEndsOn(const MoveList& list, Place hole) {
    for (int i = 0; i < list.count; ++i)
        if (list.moves[i].End() == hole)
            return true;
    return false;
}

bool HasAnyMove(const BoardCells& board, PlayerColor c) {
    MoveList list;
    for (int i = 0; i < kPlaceCount; ++i) {
        if (board.cells[i].occupant != c)
            continue;
        GenerateMoves(board, Place{i % kGridSize, i / kGridSize}, list);
        if (list.count > 0)
            return true;
    }
    return false;
}

}  // namespace halmora
