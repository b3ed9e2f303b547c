#include "ai/PositionValues.h"

#include <bit>

#include "ai/ShapeTables.h"
#include "board/HoleDistance.h"

namespace halmora {

using namespace shape;

namespace {

// For each cell, the places whose shape terms look at it, with the direction they look in: the
// ones to refresh when the cell's occupant changes.
struct Watchers {
    uint8_t count;
    int16_t place[2 * kDirectionCount];
    uint8_t direction[2 * kDirectionCount];
};
struct WatcherTable {
    Watchers of[kPlaceCount];
    constexpr WatcherTable() : of{} {
        for (int x = 0; x < kPlaceCount; ++x) {
            Watchers& w = of[x];
            w.count = 0;
            for (int d = 0; d < kDirectionCount; ++d) {
                for (const int h : {kReverseLinks.near[x][d], kReverseLinks.far[x][d]}) {
                    if (h < 0)
                        continue;
                    w.place[w.count] = static_cast<int16_t>(h);
                    w.direction[w.count] = static_cast<uint8_t>(d);
                    ++w.count;
                }
            }
        }
    }
};
constexpr WatcherTable kWatchers;

// What a term adds, by the distance to the marble's nearest own marble and the term's class,
// worked out as the shape value works it out; farther than the table the rule is applied.
constexpr int kNearestTabled = 48;
struct TermValues {
    float value[kNearestTabled][12];
    constexpr TermValues() : value{} {
        for (int n = 0; n < kNearestTabled; ++n) {
            for (int code = 0; code < 12; ++code) {
                const ShapeTerm& t = kShapeTerms.term[code];
                value[n][code] =
                    n > 2 && t.penalised ? (t.own - static_cast<float>(2 * n)) + t.other : t.sum;
            }
        }
    }
};
constexpr TermValues kTermValues;

constexpr std::array<uint8_t, 60> MarbleOfTerm() {
    std::array<uint8_t, 60> of{};
    for (int i = 0; i < 60; ++i)
        of[i] = static_cast<uint8_t>(i / kDirectionCount);
    return of;
}
constexpr std::array<uint8_t, 60> kMarbleOfTerm = MarbleOfTerm();

}  // namespace

CPositionValues::CPositionValues(int moveCount, std::span<const PlayerColor> players)
    : evaluator_(moveCount, players) {
    for (PlayerColor p : players)
        if (playerCount_ < kColorCount)
            players_[playerCount_++] = p;
}

void CPositionValues::Reset(const CBasicBoard& b) {
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        adding_[c] = 0;
        for (int i = 0; i < kTerms; ++i)
            term_[c * kTerms + i] = 0;
        for (int k = 0; k < kTriangleHoles; ++k)
            RefreshMarble(b, c, k, false);
        for (int k = 0; k < kTriangleHoles; ++k) {
            const int at = PlaceIndex(b.Marbles(c)[k]);
            for (int g = 0; g < kTriangleHoles; ++g)
                apart_[c][k][g] = static_cast<uint8_t>(
                    g == k ? 255 : HoleDistanceAt(at, PlaceIndex(b.Marbles(c)[g])));
        }
        for (int k = 0; k < kTriangleHoles; ++k) {
            int least = 10000;
            for (int g = 0; g < kTriangleHoles; ++g)
                if (g != k && apart_[c][k][g] < least)
                    least = apart_[c][k][g];
            nearest_[c][k] = least;
        }
    }
    known_ = Known{};
    depth_ = 0;
    logSize_ = 0;
}

// The term of the marble on `place` (if any) in direction d, from the cells it looks at now.
inline void CPositionValues::RefreshTerm(const BasicCell* cells, int place, int d, bool logged) {
    const BasicCell& cell = cells[place];
    if (cell.occupant >= kColorCount)
        return;
    const PlayerColor c = cell.occupant;
    const uint8_t* classOf = kOccupantClasses.of[c];
    const int code = classOf[cells[kShapeLinks.near[place][d]].occupant] * 4 +
                     classOf[cells[kShapeLinks.far[place][d]].occupant] +
                     kShapeLinks.outside[place][d];
    const int index = cell.marbleIndex * kDirectionCount + d;
    uint8_t& term = term_[c * kTerms + index];
    if (term == code)
        return;
    if (logged)
        log_[logSize_++] = {static_cast<uint16_t>(c * kTerms + index), term};
    term = static_cast<uint8_t>(code);
    const uint64_t adds = kShapeTerms.term[code].sum != 0.0f || kShapeTerms.term[code].penalised;
    adding_[c] = (adding_[c] & ~(uint64_t{1} << index)) | adds << index;
    dirty_ |= static_cast<uint8_t>(1u << c);
}

void CPositionValues::RefreshMarble(const CBasicBoard& b, PlayerColor c, int marble, bool logged) {
    const int at = PlaceIndex(b.Marbles(c)[marble]);
    if (b.Cells()[at].occupant != c || b.Cells()[at].marbleIndex != marble)
        return;  // a colour not on the board: its terms stay at adding nothing
    for (int d = 0; d < kDirectionCount; ++d)
        RefreshTerm(b.Cells(), at, d, logged);
}

// The distances of the marble that moved to its nine fellows, and each one's nearest.
void CPositionValues::RefreshNearest(const CBasicBoard& b, PlayerColor c, int marble) {
    const int8_t* row = detail::kHoleDistances.steps[PlaceIndex(b.Marbles(c)[marble])];
    int least = 10000;
    for (int g = 0; g < kTriangleHoles; ++g) {
        if (g == marble)
            continue;
        const int before = apart_[c][g][marble];
        const int now = row[PlaceIndex(b.Marbles(c)[g])];
        apart_[c][g][marble] = apart_[c][marble][g] = static_cast<uint8_t>(now);
        least = now < least ? now : least;
        if (now < nearest_[c][g]) {
            nearest_[c][g] = now;
        } else if (before == nearest_[c][g] && now > before) {
            // It may have been g's nearest: look again.
            int again = 10000;
            for (int h = 0; h < kTriangleHoles; ++h)
                if (h != g && apart_[c][g][h] < again)
                    again = apart_[c][g][h];
            nearest_[c][g] = again;
        }
    }
    nearest_[c][marble] = least;
}

void CPositionValues::Make(const CBasicBoard& b, int from, int to) {
    const BasicCell& moved = b.Cells()[to];
    const PlayerColor c = moved.occupant;
    Undo& u = undo_[depth_];
    u.known = known_;
    for (int p = 0; p < kColorCount; ++p)
        u.adding[p] = adding_[p];
    for (int k = 0; k < kTriangleHoles; ++k) {
        u.nearest[k] = nearest_[c][k];
        u.apart[k] = apart_[c][moved.marbleIndex][k];
    }
    u.logStart = logSize_;
    u.colour = static_cast<uint8_t>(c);
    u.marble = moved.marbleIndex;

    // Every term that looks at one of the two cells, whoever's marble it belongs to, and the
    // moved marble's own.
    dirty_ = static_cast<uint8_t>(1u << c);
    const BasicCell* cells = b.Cells();
    for (const int x : {from, to}) {
        const Watchers& w = kWatchers.of[x];
        for (int i = 0; i < w.count; ++i)
            RefreshTerm(cells, w.place[i], w.direction[i], true);
    }
    RefreshMarble(b, c, moved.marbleIndex, true);
    RefreshNearest(b, c, moved.marbleIndex);

    ++depth_;
    for (int p = 0; p < kColorCount; ++p) {
        if (dirty_ >> p & 1) {
            known_.totalKnown &= static_cast<uint8_t>(~(1u << p));
            known_.totalSince[p] = static_cast<uint8_t>(depth_);
        }
    }
    known_.progressAndZoneKnown &= static_cast<uint8_t>(~(1u << c));
    known_.progressAndZoneSince[c] = static_cast<uint8_t>(depth_);
}

void CPositionValues::Unmake() {
    const Undo& u = undo_[--depth_];
    while (logSize_ > u.logStart) {
        const Changed& x = log_[--logSize_];
        term_[x.term] = x.was;
    }
    for (int p = 0; p < kColorCount; ++p)
        adding_[p] = u.adding[p];
    const PlayerColor c = u.colour;
    for (int k = 0; k < kTriangleHoles; ++k) {
        nearest_[c][k] = u.nearest[k];
        apart_[c][u.marble][k] = apart_[c][k][u.marble] = u.apart[k];
    }
    known_ = u.known;
}

float CPositionValues::Shape(PlayerColor p) const {
    float s3 = 0;
    for (uint64_t adding = adding_[p]; adding != 0; adding &= adding - 1) {
        const int index = std::countr_zero(adding);
        const int code = term_[p * kTerms + index];
        const int nearest = nearest_[p][kMarbleOfTerm[index]];
        if (nearest < kNearestTabled) {
            s3 += kTermValues.value[nearest][code];
        } else {
            const ShapeTerm& t = kShapeTerms.term[code];
            s3 += t.penalised ? (t.own - static_cast<float>(2 * nearest)) + t.other : t.sum;
        }
    }
    return s3;
}

float CPositionValues::Total(const CBasicBoard& b, PlayerColor p) {
    const uint8_t bit = static_cast<uint8_t>(1u << p);
    if (known_.totalKnown & bit)
        return known_.total[p];
    if (!(known_.progressAndZoneKnown & bit)) {
        const float s12 = evaluator_.Progress(b, p) + evaluator_.Zone(b, p);
        known_.progressAndZone[p] = s12;
        known_.progressAndZoneKnown |= bit;
        for (int j = depth_ - 1; j >= known_.progressAndZoneSince[p]; --j) {
            undo_[j].known.progressAndZone[p] = s12;
            undo_[j].known.progressAndZoneKnown |= bit;
        }
    }
    float t = known_.progressAndZone[p];
    t += Shape(p);
    known_.total[p] = t;
    known_.totalKnown |= bit;
    // The positions before the last moves that did not change it have the same total.
    for (int j = depth_ - 1; j >= known_.totalSince[p]; --j) {
        undo_[j].known.total[p] = t;
        undo_[j].known.totalKnown |= bit;
    }
    return t;
}

void CPositionValues::LeafValues(const CBasicBoard& b, int depth,
                                 std::array<float, kColorCount>& out) {
    float totals[kColorCount];
    for (int i = 0; i < playerCount_; ++i)
        totals[i] = Total(b, players_[i]);
    evaluator_.ValuesFromTotals(totals, depth, out);
}

}  // namespace halmora
