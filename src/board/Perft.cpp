#include "board/Perft.h"

#include "board/MoveGenerator.h"

namespace halmora {

void SetUpStartPosition(CGameBoard& board, const std::array<bool, kColorCount>& seated) {
    board.SetUp(TriangleColoursFor(seated));
    for (PlayerColor c = 0; c < kColorCount; ++c)
        if (seated[c])
            board.PlaceMarbles(c);
}

uint64_t Perft(CBasicBoard& board, std::span<const PlayerColor> order, int turn, int depth) {
    if (depth == 0)
        return 1;
    const PlayerColor c = order[turn];
    const int next = (turn + 1) % static_cast<int>(order.size());
    uint64_t leaves = 0;
    MoveList list;
    for (int marble = 0; marble < kTriangleHoles; ++marble) {
        GenerateMoves(board, board.Marbles(c)[marble], list);
        if (depth == 1) {
            leaves += static_cast<uint64_t>(list.count);
            continue;
        }
        for (int i = 0; i < list.count; ++i) {
            board.ApplyMove(list.moves[i]);
            leaves += Perft(board, order, next, depth - 1);
            board.TakeBackMove(list.moves[i]);
        }
    }
    return leaves;
}

}  // namespace halmora
