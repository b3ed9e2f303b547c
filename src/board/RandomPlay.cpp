#include "board/RandomPlay.h"

#include <vector>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"

namespace halmora {

uint64_t SplitMix64::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool PickRandomMove(const CGameBoard& board, PlayerColor c, SplitMix64& random, Move& out) {
    const BoardCells cells = BoardCells::Snapshot(board);
    std::vector<Move> moves;
    MoveList list;
    for (int i = 0; i < kPlaceCount; ++i) {
        if (cells.cells[i].occupant != c)
            continue;
        GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
        moves.insert(moves.end(), list.moves.begin(), list.moves.begin() + list.count);
    }
    if (moves.empty())
        return false;
    out = moves[random.Below(static_cast<uint32_t>(moves.size()))];
    return true;
}

int PlayRandomMoves(CGameBoard& board, std::span<const PlayerColor> order, int plies,
                    SplitMix64& random) {
    int made = 0;
    Move m;
    for (int ply = 0; ply < plies; ++ply) {
        if (!PickRandomMove(board, order[ply % order.size()], random, m))
            continue;
        board.MoveMarble(m.Start(), m.End());
        ++made;
    }
    return made;
}

}  // namespace halmora
