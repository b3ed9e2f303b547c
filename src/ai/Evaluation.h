// Scoring of candidate moves, selection of the few a search looks at, and the value of a
// position for every player. All of it reads the compact board's kept-up-to-date tables and
// the distance table; nothing allocates. The floating-point steps are fixed (single-precision
// fields, double-precision sums where noted) because one unit in the last place can change
// which candidates are kept.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "ai/Score.h"
#include "board/BasicBoard.h"

namespace halmora {

// What the scoring of every move of one marble shares.
struct MarbleContext {
    PlayerColor colour;
    int marble;
    int start;           // place index
    int target;          // place index of the marble's assigned target hole
    int distance;        // marble to its target now
    uint8_t targetZone;  // target colour as an 8-bit zone
    int tip;             // place index of the target triangle's tip
    int startDistance;
    uint8_t startZone;
    uint8_t startKind;
    bool countStartZone;  // the game is far enough on: move count / players >= 11
};

MarbleContext MakeMarbleContext(const CBasicBoard& b, PlayerColor c, int marble, int moveCount);

// Scores the move of the context's marble to `end` (a place index) on the board before the move.
Score ScoreMove(const CBasicBoard& b, const MarbleContext& m, int end);

// Scores a whole candidate (its start and end decide).
void ScoreCandidate(Candidate& candidate, const CBasicBoard& b, int moveCount);

// Every candidate of colour c, marble by marble in index order, generated and scored.
void GenerateCandidates(const CBasicBoard& b, PlayerColor c, int moveCount,
                        std::array<MarbleCandidates, kTriangleHoles>& out);

// Keeps at most `limit` candidates of `count`, each known by its total and start distance, and
// writes their indices to `kept` in slot order. Returns how many are kept. A candidate whose
// total equals the threshold while nothing is kept yet is dropped.
template <class ScoreOf>
int SelectCandidates(int count, int limit, ScoreOf scoreOf, int16_t* kept) {
    int keptCount = 0;
    float threshold = 0.0f;
    int slot = 0;
    for (int x = 0; x < count; ++x) {
        const Score& s = scoreOf(x);
        const bool take =
            s.total > threshold || (s.total == threshold && keptCount > 0 &&
                                    s.startDistance > scoreOf(kept[slot]).startDistance);
        if (!take)
            continue;
        if (keptCount < limit) {
            kept[keptCount++] = static_cast<int16_t>(x);
        } else if (keptCount == limit) {
            kept[slot] = static_cast<int16_t>(x);
            threshold = 1.1f;
            for (int i = 0; i < keptCount; ++i) {
                const float t = scoreOf(kept[i]).total;
                if (t < threshold) {
                    threshold = t;
                    slot = i;
                }
            }
        }
    }
    return keptCount;
}

// Position values for the players of a game.
class CPositionEvaluator {
public:
    CPositionEvaluator(int moveCount, std::span<const PlayerColor> players);

    float Progress(const CBasicBoard& b, PlayerColor p) const;  // S1
    float Zone(const CBasicBoard& b, PlayerColor p) const;      // S2
    float Shape(const CBasicBoard& b, PlayerColor p) const;     // S3
    float Total(const CBasicBoard& b, PlayerColor p) const;     // T = S1 + S2 + S3

    // E(p) - depth for every player p of the game; other entries are left as they are.
    void LeafValues(const CBasicBoard& b, int depth, std::array<float, kColorCount>& out) const;

    // E(p) alone: T(p) less the best T of the other players.
    float Value(const CBasicBoard& b, PlayerColor p) const;

private:
    int moveCount_;
    std::array<PlayerColor, kColorCount> players_{};
    int playerCount_ = 0;
};

}  // namespace halmora
