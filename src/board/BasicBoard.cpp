#include "board/BasicBoard.h"

#include <cassert>

#include "board/GameBoard.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"

namespace halmora {

void CBasicBoard::BuildFrom(const CGameBoard& board) {
    *this = CBasicBoard{};
    std::array<int, kColorCount> counts{};
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const HoleRecord& h = board.Hole(col, row);
            BasicCell& cell = cells_[PlaceIndex(col, row)];
            cell.zone = ToColor8(h.zone);
            cell.occupant = ToColor8(h.occupant);
            zoneIndex_[PlaceIndex(col, row)] = -1;
            if (!h.isHole) {
                cell.kind = 0;
            } else if (cell.zone != kNoColor8) {
                const int index = board.ZoneIndexOf({col, row});
                cell.kind = static_cast<uint8_t>(index < 0 ? 1 : ZoneWeightAt(index));
                zoneIndex_[PlaceIndex(col, row)] = static_cast<int8_t>(index);
            } else {
                cell.kind = kHexagonKind;
            }
            if (cell.occupant != kNoColor8) {
                int& n = counts[cell.occupant];
                if (n == kTriangleHoles) {
                    // More than ten of one colour cannot come from play; leave the extra out so
                    // the lists stay in bounds.
                    cell.occupant = kNoColor8;
                    continue;
                }
                cell.marbleIndex = static_cast<uint8_t>(n);
                marbles_[cell.occupant][n] = {col, row};
                ++n;
            }
        }
    }
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (counts[c] == 0)
            playing_[c] = 0;
        if (counts[c] == kTriangleHoles) {
            playing_[c] = 1;
            ++players_;
        }
    }
    valid_ = 1;
    gameBoard_ = &board;
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        const PlayerColor t = board.TargetColour(c);
        targetOf_[c] = (t >= 0 && t < kColorCount) ? t : kNoColor;
        fullMask_[c] = static_cast<uint16_t>((1u << board.ZoneListCount(c)) - 1);
    }
    for (int i = 0; i < kPlaceCount; ++i) {
        if (cells_[i].occupant != kNoColor8) {
            UpdateMasks(cells_[i].occupant, i, true);
            key_ ^= MarbleKey(cells_[i].occupant, cells_[i].marbleIndex, i);
        }
    }
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (playing_[c]) {
            AssignTargets(c);
        } else {
            // A colour short of marbles (a damaged game) has no targets, but its distances still
            // agree with its marbles, so that taking a move back restores them exactly.
            for (int k = 0; k < kTriangleHoles; ++k)
                targets_[c].distance[k] = HoleDistance(marbles_[c][k], targets_[c].place[k]);
        }
    }
}

namespace {

// Index of the unassigned marble nearest to `hole`, the first of equals; -1 when none qualifies.
// With `beyond` >= 0 only marbles farther than that from the tip are considered.
int NearestMarble(const std::array<Place, kTriangleHoles>& marbles,
                  const std::array<bool, kTriangleHoles>& assigned, Place hole, Place tip,
                  int beyond, int& bestDistance) {
    int best = -1;
    bestDistance = 1000;
    for (int i = 0; i < kTriangleHoles; ++i) {
        if (assigned[i])
            continue;
        if (beyond >= 0 && HoleDistance(marbles[i], tip) <= beyond)
            continue;
        const int d = HoleDistance(marbles[i], hole);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

void CBasicBoard::AssignTargets(PlayerColor c) {
    if (gameBoard_ == nullptr)
        return;
    const PlayerColor target = gameBoard_->TargetColour(c);
    if (target < 0 || target >= kColorCount)
        return;
    if (gameBoard_->ZoneListCount(target) != kTriangleHoles)
        return;
    const auto& list = gameBoard_->ZoneList(target);
    const Place tip = list[0];
    const auto& marbles = marbles_[c];
    TargetRecord& rec = targets_[c];
    std::array<bool, kTriangleHoles> taken{};
    std::array<bool, kTriangleHoles> assigned{};
    auto assign = [&](int j, int marble, int distance) {
        rec.place[marble] = list[j];
        rec.distance[marble] = distance;
        assigned[marble] = true;
        taken[j] = true;
    };

    // 1. Marbles already settled in the target triangle keep their holes.
    for (int j = 0; j < kTriangleHoles; ++j) {
        const BasicCell& cell = Cell(list[j]);
        if (taken[j] || cell.occupant != c)
            continue;
        if (j > 0) {
            const int own = HoleDistance(list[j], tip);
            bool settled = true;
            for (int d = 0; d < kDirectionCount && settled; ++d) {
                const Place n = Neighbour(list[j], d);
                if (!InsideGrid(n) || Cell(n).kind == 0)
                    continue;
                if (HoleDistance(n, tip) < own && Cell(n).occupant != kNoColor8)
                    settled = false;
                const Place l = JumpLanding(list[j], d);
                if (InsideGrid(l) && Cell(l).kind != 0 && HoleDistance(l, tip) < own &&
                    Cell(l).occupant == kNoColor8)
                    settled = false;
            }
            if (!settled)
                continue;
        }
        assign(j, cell.marbleIndex, 0);
    }

    // 2. Empty target holes, each to the nearest marble that is still behind it.
    for (int j = 0; j < kTriangleHoles; ++j) {
        if (taken[j] || Cell(list[j]).occupant != kNoColor8)
            continue;
        int distance = 0;
        int marble =
            NearestMarble(marbles, assigned, list[j], tip, HoleDistance(list[j], tip), distance);
        if (marble < 0)
            marble = NearestMarble(marbles, assigned, list[j], tip, -1, distance);
        if (marble >= 0)
            assign(j, marble, distance);
    }

    // 3. Holes still taken by other marbles.
    for (int j = 0; j < kTriangleHoles; ++j) {
        if (taken[j])
            continue;
        int distance = 0;
        const int marble = NearestMarble(marbles, assigned, list[j], tip, -1, distance);
        if (marble >= 0)
            assign(j, marble, distance);
    }
}

void CBasicBoard::UpdateMasks(PlayerColor c, int placeIndex, bool arriving) {
    const int index = zoneIndex_[placeIndex];
    if (index < 0)
        return;
    const uint16_t bit = static_cast<uint16_t>(1u << index);
    const uint8_t zone = cells_[placeIndex].zone;
    if (zone == c)
        homeMask_[c] = arriving ? (homeMask_[c] | bit) : (homeMask_[c] & ~bit);
    if (zone == targetOf_[c])
        targetMask_[c] = arriving ? (targetMask_[c] | bit) : (targetMask_[c] & ~bit);
}

void CBasicBoard::ApplyMove(int s, int e) {
    BasicCell& from = cells_[s];
    BasicCell& to = cells_[e];
    assert(from.occupant < kColorCount);
    to.occupant = from.occupant;
    to.marbleIndex = from.marbleIndex;
    from.occupant = kNoColor8;
    from.marbleIndex = 0;
    marbles_[to.occupant][to.marbleIndex] = detail::kGridLinks.place[e];
    TargetRecord& t = targets_[to.occupant];
    t.distance[to.marbleIndex] = HoleDistance(detail::kGridLinks.place[e], t.place[to.marbleIndex]);
    UpdateMasks(to.occupant, s, false);
    UpdateMasks(to.occupant, e, true);
    key_ ^= MarbleKey(to.occupant, to.marbleIndex, s);
    key_ ^= MarbleKey(to.occupant, to.marbleIndex, e);
}

bool CBasicBoard::IsConsistent() const {
    std::array<int, kColorCount> counts{};
    PositionKey key;
    for (int i = 0; i < kPlaceCount; ++i) {
        const BasicCell& cell = cells_[i];
        if (cell.occupant == kNoColor8)
            continue;
        if (cell.occupant < kColorCount)
            key ^= MarbleKey(cell.occupant, cell.marbleIndex, i);
        if (cell.occupant >= kColorCount || cell.kind == 0)
            return false;
        if (cell.marbleIndex >= kTriangleHoles)
            return false;
        if (PlaceIndex(marbles_[cell.occupant][cell.marbleIndex]) != i)
            return false;
        ++counts[cell.occupant];
    }
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (playing_[c] && counts[c] != kTriangleHoles)
            return false;
        if (!playing_[c])
            continue;
        for (int i = 0; i < kTriangleHoles; ++i) {
            if (targets_[c].distance[i] != HoleDistance(marbles_[c][i], targets_[c].place[i]))
                return false;
        }
    }
    return key == key_;
}

bool operator==(const CBasicBoard& a, const CBasicBoard& b) {
    for (int i = 0; i < kPlaceCount; ++i) {
        const BasicCell& x = a.cells_[i];
        const BasicCell& y = b.cells_[i];
        if (x.kind != y.kind || x.zone != y.zone || x.occupant != y.occupant)
            return false;
        if (x.occupant != kNoColor8 && x.marbleIndex != y.marbleIndex)
            return false;
    }
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (a.marbles_[c] != b.marbles_[c])
            return false;
        if (a.targets_[c].place != b.targets_[c].place)
            return false;
        if (a.targets_[c].distance != b.targets_[c].distance)
            return false;
    }
    return a.players_ == b.players_ && a.playing_ == b.playing_ && a.valid_ == b.valid_ &&
           a.gameBoard_ == b.gameBoard_ && a.targetMask_ == b.targetMask_ &&
           a.homeMask_ == b.homeMask_ && a.key_ == b.key_;
}

}  // namespace halmora
