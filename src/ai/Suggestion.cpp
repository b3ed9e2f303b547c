#include "ai/Suggestion.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "ai/Evaluation.h"
#include "board/MoveGenerator.h"

namespace halmora {

std::optional<Candidate> PickCandidate(const CBasicBoard& b, PlayerColor c, int moveCount,
                                       const Move& previous, bool orBestScored) {
    // About a third of a megabyte: off the stack of whoever asks.
    auto lists = std::make_unique<std::array<MarbleCandidates, kTriangleHoles>>();
    std::vector<const Candidate*> all;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const Place start = b.Marbles(c)[k];
        if (b.Cell(start).occupant != ToColor8(c))
            continue;  // a colour with fewer than ten marbles leaves unused entries
        MarbleCandidates& list = (*lists)[k];
        GenerateMoves(b, start, list);
        const MarbleContext m = MakeMarbleContext(b, c, k, moveCount);
        for (int i = 0; i < list.count; ++i) {
            list.moves[i].score = ScoreMove(b, m, PlaceIndex(list.moves[i].End()));
            all.push_back(&list.moves[i]);
        }
    }

    std::vector<const Candidate*> pool;
    for (const Candidate* x : all)
        if (!Undoes(*x, previous))
            pool.push_back(x);
    if (pool.empty())
        pool = all;
    if (pool.empty())
        return std::nullopt;

    int16_t kept[1];
    const auto scoreOf = [&pool](int i) -> const Score& { return pool[i]->score; };
    if (SelectCandidates(static_cast<int>(pool.size()), 1, scoreOf, kept) == 1)
        return *pool[kept[0]];
    if (!orBestScored)
        return std::nullopt;
    return **std::max_element(pool.begin(), pool.end(), [](const Candidate* x, const Candidate* y) {
        return x->score.total < y->score.total;
    });
}

bool SuggestMove(const CGameBoard& board, PlayerColor colour, int moveCount, Candidate& out) {
    if (colour < 0 || colour >= kColorCount)
        return false;
    CBasicBoard b;
    b.BuildFrom(board);
    if (!b.Playing(colour))
        return false;
    const std::optional<Candidate> picked = PickCandidate(b, colour, moveCount, Move{}, false);
    if (picked)
        out = *picked;
    return picked.has_value();
}

}  // namespace halmora
