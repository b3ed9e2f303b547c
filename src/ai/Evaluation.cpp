#include "ai/Evaluation.h"

#include "ai/ShapeTables.h"
#include "board/GameBoard.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"

namespace halmora {
namespace {

using detail::kGridLinks;

float CenterFor(uint8_t kind) {
    switch (kind) {
        case 1:
            return 0.6f;
        case 2:
            return 0.4f;
        case 3:
            return 0.2f;
        default:
            return 0.0f;
    }
}

int TipOf(const CBasicBoard& b, PlayerColor target) {
    const CGameBoard* board = b.GameBoard();
    if (board == nullptr || target < 0 || board->ZoneListCount(target) == 0)
        return 0;
    return PlaceIndex(board->ZoneList(target)[0]);
}

}  // namespace

MarbleContext MakeMarbleContext(const CBasicBoard& b, PlayerColor c, int marble, int moveCount) {
    MarbleContext m{};
    m.colour = c;
    m.marble = marble;
    m.start = PlaceIndex(b.Marbles(c)[marble]);
    m.target = PlaceIndex(b.Targets(c).place[marble]);
    m.distance = b.Targets(c).distance[marble];
    const PlayerColor target = b.TargetOf(c);
    m.targetZone = ToColor8(target);
    m.tip = TipOf(b, target);
    m.startDistance = HoleDistanceAt(m.start, m.tip);
    m.startZone = b.Cells()[m.start].zone;
    m.startKind = b.Cells()[m.start].kind;
    m.countStartZone = b.Players() > 0 && moveCount / b.Players() >= 11;
    return m;
}

void ScoreBase(const CBasicBoard& b, const MarbleContext& m, int end, Score& s) {
    const BasicCell& e = b.Cells()[end];
    const uint8_t own = static_cast<uint8_t>(m.colour);
    s.execution = static_cast<float>(0.05 * (m.distance - HoleDistanceAt(end, m.target)));

    const bool thirdTriangle = e.zone != kNoColor8 && e.zone != own && e.zone != m.targetZone;
    s.center = thirdTriangle ? CenterFor(e.kind) : 1.0f;

    s.startZone = 0.0f;
    if (m.startZone == own) {
        if (e.zone != own)
            s.startZone = 1.0f;
        else if (e.kind < m.startKind)
            s.startZone = 0.5f;
    }
    s.endZone = 0.0f;
    if (e.zone == m.targetZone) {
        if (m.startZone != m.targetZone)
            s.endZone = 1.0f;
        else if (e.kind > m.startKind)
            s.endZone = 0.5f;
    }

    const int nearer = HoleDistanceAt(end, m.tip);
    s.forward = m.startDistance > nearer ? 1.0f : m.startDistance == nearer ? 0.1f : 0.0f;
    s.startDistance = m.startDistance;
    s.closeness = 0.0f;
    s.spare = 0.0f;
}

void FinishScore(const CBasicBoard& b, const MarbleContext& m, int end, Score& s) {
    // Own marbles beside the end that could jump over the moved marble toward their targets;
    // the moving marble still stands on its start and counts.
    const BasicCell* cells = b.Cells();
    const uint8_t own = static_cast<uint8_t>(m.colour);
    const TargetRecord& targets = b.Targets(m.colour);
    float build = 0.0f;
    for (int d = 0; d < kDirectionCount; ++d) {
        const int n = kGridLinks.neighbour[end][d];
        if (n < 0 || cells[n].occupant != own)
            continue;
        const int o = kGridLinks.neighbour[end][(d + 3) % kDirectionCount];
        if (o < 0 || cells[o].kind == 0 || cells[o].occupant != kNoColor8)
            continue;
        const int t = PlaceIndex(targets.place[cells[n].marbleIndex]);
        if (HoleDistanceAt(n, t) > HoleDistanceAt(o, t))
            build += 0.5f;
    }
    s.build = build;

    double total =
        0.1 * s.build + 0.3 * s.forward + 0.1 * s.endZone + 0.1 * s.center + 0.2 * s.execution;
    if (m.countStartZone)
        total += 0.2 * s.startZone;
    s.total = static_cast<float>(total);
}

double TotalBound(const MarbleContext& m, const Score& s) {
    // Build is at most six halves; the margin covers the rounding of the real sum.
    double total =
        0.1 * 3.0 + 0.3 * s.forward + 0.1 * s.endZone + 0.1 * s.center + 0.2 * s.execution;
    if (m.countStartZone)
        total += 0.2 * s.startZone;
    return total + 1e-5;
}

Score ScoreMove(const CBasicBoard& b, const MarbleContext& m, int end) {
    Score s;
    ScoreBase(b, m, end, s);
    FinishScore(b, m, end, s);
    return s;
}

void ScoreCandidate(Candidate& candidate, const CBasicBoard& b, int moveCount) {
    const BasicCell& start = b.Cell(candidate.Start());
    const MarbleContext m = MakeMarbleContext(b, start.occupant, start.marbleIndex, moveCount);
    candidate.score = ScoreMove(b, m, PlaceIndex(candidate.End()));
}

void GenerateCandidates(const CBasicBoard& b, PlayerColor c, int moveCount,
                        std::array<MarbleCandidates, kTriangleHoles>& out) {
    for (int k = 0; k < kTriangleHoles; ++k) {
        GenerateMoves(b, b.Marbles(c)[k], out[k]);
        const MarbleContext m = MakeMarbleContext(b, c, k, moveCount);
        for (int i = 0; i < out[k].count; ++i)
            out[k].moves[i].score = ScoreMove(b, m, PlaceIndex(out[k].moves[i].End()));
    }
}

CPositionEvaluator::CPositionEvaluator(int moveCount, std::span<const PlayerColor> players)
    : moveCount_(moveCount) {
    for (PlayerColor p : players)
        if (playerCount_ < kColorCount)
            players_[playerCount_++] = p;
}

float CPositionEvaluator::Progress(const CBasicBoard& b, PlayerColor p) const {
    float s1 = 0;
    for (const int32_t d : b.Targets(p).distance)
        s1 += static_cast<float>(100 - d);
    const unsigned home = b.TargetMask(p);
    for (int i = 0; i < kTriangleHoles; ++i)
        if (home >> i & 1)
            s1 = static_cast<float>(s1 + 0.2 * ZoneWeightAt(i));
    return s1;
}

float CPositionEvaluator::Zone(const CBasicBoard& b, PlayerColor p) const {
    float s2 = 0;
    const unsigned arrived = b.TargetMask(p);
    for (int i = 0; i < kTriangleHoles; ++i)
        if (arrived >> i & 1)
            s2 = static_cast<float>(s2 + 0.8);
    if (moveCount_ > 15) {
        // In 64 bits: a saved game may carry a move count far beyond any real game.
        const int64_t late = int64_t{moveCount_} - 15;
        const unsigned left = b.HomeMask(p);
        for (int i = 0; i < kTriangleHoles; ++i)
            if (left >> i & 1)
                s2 = static_cast<float>(s2 - static_cast<double>(late * ZoneWeightAt(i)) * 0.2);
    }
    return s2;
}

float CPositionEvaluator::Shape(const CBasicBoard& b, PlayerColor p) const {
    const BasicCell* cells = b.Cells();
    const auto& marbles = b.Marbles(p);
    using namespace shape;
    const uint8_t* classOf = kOccupantClasses.of[p];
    int at[kTriangleHoles];
    for (int k = 0; k < kTriangleHoles; ++k)
        at[k] = PlaceIndex(marbles[k]);
    // The nearest other own marble of each marble, for the penalty of a marble standing apart.
    int nearest[kTriangleHoles];
    for (int k = 0; k < kTriangleHoles; ++k)
        nearest[k] = 10000;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const int8_t* row = detail::kHoleDistances.steps[at[k]];
        for (int g = k + 1; g < kTriangleHoles; ++g) {
            const int dist = row[at[g]];
            nearest[k] = dist < nearest[k] ? dist : nearest[k];
            nearest[g] = dist < nearest[g] ? dist : nearest[g];
        }
    }
    // Every direction's term is added in marble and direction order, as the value is defined;
    // a direction that adds nothing adds +0, which leaves any sum as it is.
    float s3 = 0;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const int h = at[k];
        const bool apart = nearest[k] > 2;
        const float penalty = static_cast<float>(2 * nearest[k]);
        for (int d = 0; d < kDirectionCount; ++d) {
            const int beside = classOf[cells[kShapeLinks.near[h][d]].occupant];
            const int beyond =
                classOf[cells[kShapeLinks.far[h][d]].occupant] + kShapeLinks.outside[h][d];
            const ShapeTerm& t = kShapeTerms.term[beside * 4 + beyond];
            s3 += apart && t.penalised ? (t.own - penalty) + t.other : t.sum;
        }
    }
    return s3;
}

float CPositionEvaluator::Total(const CBasicBoard& b, PlayerColor p) const {
    const float s1 = Progress(b, p);
    const float s2 = Zone(b, p);
    const float s3 = Shape(b, p);
    float t = s1 + s2;
    t += s3;
    return t;
}

void CPositionEvaluator::Totals(const CBasicBoard& b, float* totals) const {
    for (int i = 0; i < playerCount_; ++i)
        totals[i] = Total(b, players_[i]);
}

void CPositionEvaluator::ValuesFromTotals(const float* totals, int depth,
                                          std::array<float, kColorCount>& out) const {
    const float d = static_cast<float>(depth);
    for (int i = 0; i < playerCount_; ++i) {
        bool any = false;
        float best = 0;
        for (int j = 0; j < playerCount_; ++j) {
            if (j == i)
                continue;
            if (!any || totals[j] > best)
                best = totals[j];
            any = true;
        }
        const float e = any ? totals[i] - best : totals[i];
        out[players_[i]] = e - d;
    }
}

void CPositionEvaluator::LeafValues(const CBasicBoard& b, int depth,
                                    std::array<float, kColorCount>& out) const {
    float totals[kColorCount];
    Totals(b, totals);
    ValuesFromTotals(totals, depth, out);
}

void CPositionEvaluator::LeafValuesAfter(const CBasicBoard& b, int depth, const float* totalsBefore,
                                         PlayerColor mover, int from, int to,
                                         std::array<float, kColorCount>& out) const {
    float totals[kColorCount];
    for (int i = 0; i < playerCount_; ++i) {
        const PlayerColor p = players_[i];
        bool touched = p == mover;
        for (int k = 0; k < kTriangleHoles && !touched; ++k) {
            const int h = PlaceIndex(b.Marbles(p)[k]);
            touched = HoleDistanceAt(h, from) <= 2 || HoleDistanceAt(h, to) <= 2;
        }
        totals[i] = touched ? Total(b, p) : totalsBefore[i];
    }
    ValuesFromTotals(totals, depth, out);
}

float CPositionEvaluator::Value(const CBasicBoard& b, PlayerColor p) const {
    std::array<float, kColorCount> values{};
    LeafValues(b, 0, values);
    return values[p];
}

}  // namespace halmora
