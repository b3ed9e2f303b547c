// The position values of every player kept up to date while a search makes and takes back moves,
// so that a leaf costs what its move changed rather than a whole evaluation. For each player it
// keeps the class of every marble's six shape terms and each marble's distance to its nearest
// own marble; a move refreshes only the terms that look at the two cells it changed. Totals once
// worked out are remembered for the position and for every earlier position on the way to it
// that had the same total, so that the siblings of a leaf find them. Values are bit for bit those
// of CPositionEvaluator: the shape terms are summed in the same order, leaving out those that add
// nothing, which cannot change a sum.
//
//   values.Reset(board);
//   board.ApplyMove(from, to);    values.Make(board, from, to);
//   values.LeafValues(board, depth, out);
//   board.TakeBackMove(from, to); values.Unmake();
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "ai/Evaluation.h"
#include "board/BasicBoard.h"

namespace halmora {

class CPositionValues {
public:
    static constexpr int kMaxMoves = 96;  // made and not yet taken back

    CPositionValues(int moveCount, std::span<const PlayerColor> players);

    // Works everything out afresh for the board.
    void Reset(const CBasicBoard& b);
    // After board.ApplyMove(from, to).
    void Make(const CBasicBoard& b, int from, int to);
    // After the board took back the last move made.
    void Unmake();

    // T(p) = S1 + S2 + S3 of a player of the game.
    float Total(const CBasicBoard& b, PlayerColor p);
    // E(p) - depth for every player p of the game; other entries are left as they are.
    void LeafValues(const CBasicBoard& b, int depth, std::array<float, kColorCount>& out);

private:
    static constexpr int kTerms = kTriangleHoles * 6;

    // Totals known for one position, and since which made move each has stayed the same.
    struct Known {
        std::array<float, kColorCount> progressAndZone;  // S1 + S2
        std::array<float, kColorCount> total;
        std::array<uint8_t, kColorCount> totalSince;
        std::array<uint8_t, kColorCount> progressAndZoneSince;
        uint8_t progressAndZoneKnown;  // a bit per colour
        uint8_t totalKnown;
    };
    // What a made move changed, to be put back when it is taken back.
    struct Undo {
        Known known;
        std::array<uint64_t, kColorCount> adding;
        std::array<int, kTriangleHoles> nearest;
        std::array<uint8_t, kTriangleHoles> apart;
        int logStart;
        uint8_t colour;
        uint8_t marble;
    };

    void RefreshTerm(const BasicCell* cells, int place, int d, bool logged);
    void RefreshMarble(const CBasicBoard& b, PlayerColor c, int marble, bool logged);
    void RefreshNearest(const CBasicBoard& b, PlayerColor c, int marble);
    float Shape(PlayerColor p) const;

    CPositionEvaluator evaluator_;
    std::array<PlayerColor, kColorCount> players_{};
    int playerCount_ = 0;
    // Per colour: the class of each marble's term in each direction (neighbour class * 4 + the
    // class beyond), by marble * 6 + direction; the terms that add something; each marble's
    // nearest own marble and the distances between its marbles.
    uint8_t term_[kColorCount * kTerms] = {};  // colour * 60 + term
    uint64_t adding_[kColorCount] = {};
    int nearest_[kColorCount][kTriangleHoles] = {};
    uint8_t apart_[kColorCount][kTriangleHoles][kTriangleHoles] = {};
    uint8_t dirty_ = 0;  // colours whose totals the move being made changes
    Known known_{};
    std::array<Undo, kMaxMoves> undo_{};
    int depth_ = 0;
    // Terms changed by the moves made, as (colour * 60 + term, old class).
    struct Changed {
        uint16_t term;
        uint8_t was;
    };
    std::array<Changed, kMaxMoves * 64> log_{};
    int logSize_ = 0;
};

}  // namespace halmora
