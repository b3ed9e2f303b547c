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

// ScoreMove in two halves, so that a search can skip the dearer one for a move that cannot be
// kept: ScoreBase fills every component but Build and the total; FinishScore adds them.
void ScoreBase(const CBasicBoard& b, const MarbleContext& m, int end, Score& s);
void FinishScore(const CBasicBoard& b, const MarbleContext& m, int end, Score& s);
// No total FinishScore can give is above this.
double TotalBound(const MarbleContext& m, const Score& base);

// Scores a whole candidate (its start and end decide).
void ScoreCandidate(Candidate& candidate, const CBasicBoard& b, int moveCount);

// Every candidate of colour c, marble by marble in index order, generated and scored.
void GenerateCandidates(const CBasicBoard& b, PlayerColor c, int moveCount,
                        std::array<MarbleCandidates, kTriangleHoles>& out);

// Keeps at most `limit` of the candidates offered in all-moves order and writes their indices to
// `kept` in slot order. The threshold starts at 0 and the eviction slot at the first; both change
// only when a kept move is replaced, so while the list fills anything above 0 is appended. A
// candidate whose total equals the threshold while nothing is kept yet is dropped.
class CandidateSelector {
public:
    CandidateSelector(int limit, int16_t* kept) : limit_(limit), kept_(kept) {}

    int Count() const { return count_; }
    bool Full() const { return count_ == limit_; }
    float Threshold() const { return threshold_; }

    template <class ScoreOf>
    void Offer(int x, const Score& s, ScoreOf scoreOf) {
        const bool take =
            s.total > threshold_ || (s.total == threshold_ && count_ > 0 &&
                                     s.startDistance > scoreOf(kept_[slot_]).startDistance);
        if (!take)
            return;
        if (count_ < limit_) {
            kept_[count_++] = static_cast<int16_t>(x);
            return;
        }
        kept_[slot_] = static_cast<int16_t>(x);
        threshold_ = 1.1f;
        for (int i = 0; i < count_; ++i) {
            const float t = scoreOf(kept_[i]).total;
            if (t < threshold_) {
                threshold_ = t;
                slot_ = i;
            }
        }
    }

private:
    int limit_;
    int16_t* kept_;
    int count_ = 0;
    float threshold_ = 0.0f;
    int slot_ = 0;
};

template <class ScoreOf>
int SelectCandidates(int count, int limit, ScoreOf scoreOf, int16_t* kept) {
    CandidateSelector selector(limit, kept);
    for (int x = 0; x < count; ++x)
        selector.Offer(x, scoreOf(x), scoreOf);
    return selector.Count();
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

    // Totals of every player of the game, by slot in the player list.
    void Totals(const CBasicBoard& b, float* totals) const;

    // LeafValues for the position after `mover` went from `from` to `to` (place indices), given
    // the totals before that move: a player who did not move keeps its total unless the move
    // passed within two steps of one of its marbles, the furthest its shape value looks.
    void LeafValuesAfter(const CBasicBoard& b, int depth, const float* totalsBefore,
                         PlayerColor mover, int from, int to,
                         std::array<float, kColorCount>& out) const;

    // E(p) alone: T(p) less the best T of the other players.
    float Value(const CBasicBoard& b, PlayerColor p) const;

    // E(p) - depth for every player from the totals by slot in the player list.
    void ValuesFromTotals(const float* totals, int depth,
                          std::array<float, kColorCount>& out) const;

private:
    int moveCount_;
    std::array<PlayerColor, kColorCount> players_{};
    int playerCount_ = 0;
};

}  // namespace halmora
