#include "ai/Suggestion.h"

#include <array>
#include <memory>

#include "ai/Evaluation.h"

namespace halmora {

bool SuggestMove(const CGameBoard& board, PlayerColor colour, int moveCount, Candidate& out) {
    if (colour < 0 || colour >= kColorCount)
        return false;
    CBasicBoard b;
    b.BuildFrom(board);
    if (!b.Playing(colour))
        return false;
    // About 350 KB: off the stack of whoever asks.
    auto lists = std::make_unique<std::array<MarbleCandidates, kTriangleHoles>>();
    GenerateCandidates(b, colour, moveCount, *lists);
    const Candidate* all[kTriangleHoles * kMaxMoves];
    int count = 0;
    for (const MarbleCandidates& list : *lists)
        for (int i = 0; i < list.count; ++i)
            all[count++] = &list.moves[i];
    int16_t kept[1];
    const int n = SelectCandidates(
        count, 1, [&all](int i) -> const Score& { return all[i]->score; }, kept);
    if (n == 0)
        return false;
    out = *all[kept[0]];
    return true;
}

}  // namespace halmora
