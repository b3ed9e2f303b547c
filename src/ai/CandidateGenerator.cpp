#include "ai/CandidateGenerator.h"

#include <bit>
#include <cmath>

#include "ai/Evaluation.h"
#include "board/GameBoard.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"

namespace halmora {
namespace {

using detail::kGridLinks;

// What a score reads of an end hole, for one moving colour: its row in the mover's own triangle
// and in its target triangle (0 outside them), the Center class and the distance to the target
// triangle's tip.
struct EndInfo {
    uint8_t ownKind;
    uint8_t targetKind;
    uint8_t centre;  // 0 for 1.0; 1..4 for rows 1..4 of a third player's triangle
    uint8_t tipDistance;
};

struct Jump {
    int16_t over;
    int16_t land;
};

// Score components by class, as floats and in hundredths of the total they add.
constexpr float kCentreValue[5] = {1.0f, 0.6f, 0.4f, 0.2f, 0.0f};
constexpr int kCentreHundredths[5] = {10, 6, 4, 2, 0};
constexpr float kHalfSteps[3] = {0.0f, 0.5f, 1.0f};  // StartZone, EndZone
constexpr int kEndZoneHundredths[3] = {0, 5, 10};
constexpr int kStartZoneHundredths[3] = {0, 10, 20};
constexpr float kForward[3] = {0.0f, 0.1f, 1.0f};
constexpr int kForwardHundredths[3] = {0, 3, 30};
// Each own marble beside the end can add half a Build, 0.05 of the total.
constexpr int kBuilderHundredths = 5;
// Progress toward a target hole never reaches this many steps either way.
constexpr int kMaxProgress = 40;

// StartZone class by the start's and the end's row in the mover's own triangle.
constexpr uint8_t StartZoneClass(int startKind, int endKind) {
    if (startKind == 0)
        return 0;
    if (endKind == 0)
        return 2;
    return endKind < startKind ? 1 : 0;
}
// EndZone class by the start's and the end's row in the target triangle.
constexpr uint8_t EndZoneClass(int startKind, int endKind) {
    if (endKind == 0)
        return 0;
    if (startKind == 0)
        return 2;
    return endKind > startKind ? 1 : 0;
}

uint8_t KindIn(const BasicCell& cell, uint8_t zone) {
    return cell.zone == zone && cell.kind >= 1 && cell.kind <= 4 ? cell.kind : 0;
}

}  // namespace

struct detail::GeneratorTables {
    int moveCount = 0;
    bool countStartZone = false;
    // The hole neighbours and jumps of every place in direction order, padded to six with
    // entries that can never be taken (a step onto the place itself, a jump over the always
    // empty cell), so that the tests of all six go without branches.
    int16_t steps[kPlaceCount][kDirectionCount];
    Jump jumps[kPlaceCount][kDirectionCount];
    // For Build: the neighbour of a place in each direction and the one opposite it, the
    // always-empty cell off the grid (and for a place opposite that is not a hole).
    int16_t beside[kPlaceCount][kDirectionCount];
    int16_t across[kPlaceCount][kDirectionCount];
    // Per colour; `fast` is false for a colour with no target triangle, scored the plain way.
    bool fast[kColorCount];
    EndInfo end[kColorCount][kPlaceCount];
    int16_t target[kColorCount][kTriangleHoles];
    uint8_t startZone[5][5];
    uint8_t endZone[5][5];
    // The total's double-precision sum in its own order, by classes: Build, Forward, EndZone and
    // Center first, then Execution by progress, then StartZone.
    double leading[7][3][3][5];
    double execution[2 * kMaxProgress + 1];
    double startZoneTerm[3];
};

namespace {

// One marble's moves in the generator's order: single steps by direction, then depth first every
// jump by direction followed at once by the chains from its landing. A chain continuation never
// lands where a listed move ends; a first jump from the start is exempt. At most 64 moves.
class MarbleMoves {
public:
    MarbleMoves(const detail::GeneratorTables& t, const BasicCell* cells,
                std::array<uint32_t, kPlaceCount + 1>& seen,
                std::array<uint8_t, kPlaceCount + 1>& open, uint32_t node, SearchMove* all,
                int base)
        : t_(t), cells_(cells), seen_(seen), open_(open), node_(node), all_(all), base_(base) {}

    int Generate(int start) {
        start_ = start;
        unsigned open = 0;
        for (int d = 0; d < kDirectionCount; ++d)
            open |= unsigned{cells_[t_.steps[start][d]].occupant == kNoColor8} << d;
        for (; open != 0; open &= open - 1) {
            const int n = t_.steps[start][std::countr_zero(open)];
            Add(n, -1);
            MarkUsed(n);
        }
        Jumps(start, -1);
        return count_;
    }

private:
    int Add(int end, int parent) {
        SearchMove& m = all_[base_ + count_];
        m.start = static_cast<int16_t>(start_);
        m.end = static_cast<int16_t>(end);
        m.parent = static_cast<int16_t>(parent);
        return count_++;
    }

    // The directions a jump from p can take on this node's board: over a marble onto an empty
    // hole. The moving marble stays on its start, so no jump lands there, and the answer is the
    // same for every marble of the node.
    unsigned OpenJumps(int p) {
        if (seen_[p] == node_)
            return open_[p];
        const Jump* jumps = t_.jumps[p];
        unsigned open = 0;
        for (int d = 0; d < kDirectionCount; ++d)
            open |= static_cast<unsigned>((cells_[jumps[d].over].occupant != kNoColor8) &
                                          (cells_[jumps[d].land].occupant == kNoColor8))
                    << d;
        seen_[p] = node_;
        open_[p] = static_cast<uint8_t>(open);
        return open;
    }

    void Jumps(int p, int prev) {
        for (unsigned open = OpenJumps(p); open != 0; open &= open - 1) {
            const int land = t_.jumps[p][std::countr_zero(open)].land;
            if (prev >= 0 && IsUsed(land))
                continue;
            if (count_ == kMaxMoves)
                return;
            const int index = Add(land, prev < 0 ? -1 : base_ + prev);
            MarkUsed(land);
            Jumps(land, index);
        }
    }

    void MarkUsed(int i) { used_[i >> 6] |= uint64_t{1} << (i & 63); }
    bool IsUsed(int i) const { return (used_[i >> 6] >> (i & 63)) & 1; }

    const detail::GeneratorTables& t_;
    const BasicCell* cells_;
    std::array<uint32_t, kPlaceCount + 1>& seen_;
    std::array<uint8_t, kPlaceCount + 1>& open_;
    uint32_t node_;
    SearchMove* all_;
    int base_;
    int start_ = 0;
    int count_ = 0;
    uint64_t used_[(kPlaceCount + 63) / 64] = {};
};

// Keeps at most `limit` moves as the candidate selection does, comparing totals and start
// distances kept beside the slots.
class Selector {
public:
    Selector(int limit, int16_t* kept) : limit_(limit), kept_(kept) {}

    int Count() const { return count_; }
    bool Full() const { return count_ == limit_; }
    float Threshold() const { return threshold_; }

    // True when the threshold changed.
    bool Offer(int x, float total, int startDistance) {
        const bool take = total > threshold_ ||
                          (total == threshold_ && count_ > 0 && startDistance > distance_[slot_]);
        if (!take)
            return false;
        if (count_ < limit_) {
            Put(count_++, x, total, startDistance);
            return false;
        }
        Put(slot_, x, total, startDistance);
        // The weakest kept total, capped at 1.1, and the first slot holding it (the slot stays
        // when every total is 1.1 or more). In two plain passes, which vectorise.
        const float before = threshold_;
        float least = 1.1f;
        for (int i = 0; i < count_; ++i)
            least = total_[i] < least ? total_[i] : least;
        threshold_ = least;
        if (least < 1.1f) {
            int first = 0;
            while (total_[first] != least)
                ++first;
            slot_ = first;
        }
        return threshold_ != before;
    }

private:
    void Put(int slot, int x, float total, int startDistance) {
        kept_[slot] = static_cast<int16_t>(x);
        total_[slot] = total;
        distance_[slot] = startDistance;
    }

    int limit_;
    int16_t* kept_;
    float total_[CCandidateGenerator::kMaxKept];
    int distance_[CCandidateGenerator::kMaxKept];
    int count_ = 0;
    float threshold_ = 0.0f;
    int slot_ = 0;
};

}  // namespace

CGeneratorScratch::CGeneratorScratch() = default;

CCandidateGenerator::CCandidateGenerator() : t_(std::make_unique<detail::GeneratorTables>()) {}

void CCandidateGenerator::Prepare(const CBasicBoard& board, int moveCount) {
    detail::GeneratorTables& t = *t_;
    const BasicCell* cells = board.Cells();
    t.moveCount = moveCount;
    t.countStartZone = board.Players() > 0 && moveCount / board.Players() >= 11;
    for (int p = 0; p < kPlaceCount; ++p) {
        int steps = 0, jumps = 0;
        for (int d = 0; d < kDirectionCount; ++d) {
            const int n = kGridLinks.neighbour[p][d];
            if (n >= 0 && cells[n].kind != 0)
                t.steps[p][steps++] = static_cast<int16_t>(n);
            const int l = kGridLinks.landing[p][d];
            if (n >= 0 && l >= 0 && cells[l].kind != 0)
                t.jumps[p][jumps++] = {static_cast<int16_t>(n), static_cast<int16_t>(l)};
        }
        for (int d = 0; d < kDirectionCount; ++d) {
            const int n = kGridLinks.neighbour[p][d];
            const int o = kGridLinks.neighbour[p][(d + 3) % kDirectionCount];
            t.beside[p][d] = static_cast<int16_t>(n >= 0 ? n : kEmptyCell);
            t.across[p][d] = static_cast<int16_t>(o >= 0 && cells[o].kind != 0 ? o : kEmptyCell);
        }
        for (; steps < kDirectionCount; ++steps)
            t.steps[p][steps] = static_cast<int16_t>(p);
        for (; jumps < kDirectionCount; ++jumps)
            t.jumps[p][jumps] = {static_cast<int16_t>(kEmptyCell),
                                 static_cast<int16_t>(kEmptyCell)};
    }
    for (int s = 0; s < 5; ++s) {
        for (int e = 0; e < 5; ++e) {
            t.startZone[s][e] = StartZoneClass(s, e);
            t.endZone[s][e] = EndZoneClass(s, e);
        }
    }
    for (int b = 0; b < 7; ++b)
        for (int f = 0; f < 3; ++f)
            for (int e = 0; e < 3; ++e)
                for (int c = 0; c < 5; ++c)
                    t.leading[b][f][e][c] =
                        0.1 * static_cast<double>(0.5f * static_cast<float>(b)) +
                        0.3 * kForward[f] + 0.1 * kHalfSteps[e] + 0.1 * kCentreValue[c];
    for (int x = -kMaxProgress; x <= kMaxProgress; ++x)
        t.execution[x + kMaxProgress] = 0.2 * static_cast<float>(0.05 * x);
    for (int z = 0; z < 3; ++z)
        t.startZoneTerm[z] = 0.2 * kHalfSteps[z];

    const CGameBoard* game = board.GameBoard();
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        const PlayerColor target = board.TargetOf(c);
        t.fast[c] = target != kNoColor;
        const uint8_t own = static_cast<uint8_t>(c);
        const uint8_t targetZone = ToColor8(target);
        int tip = 0;
        if (game != nullptr && target != kNoColor && game->ZoneListCount(target) > 0)
            tip = PlaceIndex(game->ZoneList(target)[0]);
        for (int e = 0; e < kPlaceCount; ++e) {
            const BasicCell& cell = cells[e];
            EndInfo& info = t.end[c][e];
            info.ownKind = KindIn(cell, own);
            info.targetKind = KindIn(cell, targetZone);
            const bool third =
                cell.zone != kNoColor8 && cell.zone != own && cell.zone != targetZone;
            info.centre = third ? (cell.kind >= 1 && cell.kind <= 3 ? cell.kind : 4) : 0;
            info.tipDistance = static_cast<uint8_t>(HoleDistanceAt(e, tip));
        }
        for (int k = 0; k < kTriangleHoles; ++k)
            t.target[c][k] = static_cast<int16_t>(PlaceIndex(board.Targets(c).place[k]));
    }
}

CCandidateGenerator::~CCandidateGenerator() = default;

int CCandidateGenerator::Generate(const CBasicBoard& b, PlayerColor c, int breadth,
                                  CGeneratorScratch& scratch, SearchMove* all, int16_t* kept,
                                  Score* keptScores, int& keptCount) const {
    const detail::GeneratorTables& t = *t_;
    const BasicCell* cells = b.Cells();
    const TargetRecord& targets = b.Targets(c);
    const uint8_t own = static_cast<uint8_t>(c);
    const EndInfo* info = t.end[c];
    const int16_t* targetOf = t.target[c];
    if (++scratch.node_ == 0) {
        // Once in four billion nodes the stamps start over.
        scratch.jumpsSeen_.fill(0);
        scratch.buildSeen_.fill(0);
        scratch.node_ = 1;
    }
    const uint32_t node = scratch.node_;
    Selector selector(breadth, kept);
    // Hundredths below which a move cannot reach the threshold; refreshed when it moves.
    int least = INT32_MIN;
    const auto refresh = [&selector, &least] {
        // A total is within a millionth of its whole hundredths, so fewer hundredths than this
        // cannot reach the threshold.
        least =
            static_cast<int>(std::ceil((static_cast<double>(selector.Threshold()) - 1e-6) * 100));
    };
    // How many own marbles stand beside each hole: Build cannot count more than that, which
    // bounds a move's total far tighter than six halves.
    uint8_t* ownBeside = scratch.ownBeside_.data();
    for (int k = 0; k < kTriangleHoles; ++k) {
        const int at = PlaceIndex(b.Marbles(c)[k]);
        for (int d = 0; d < kDirectionCount; ++d)
            ++ownBeside[t.beside[at][d]];
    }
    int count = 0;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const int start = PlaceIndex(b.Marbles(c)[k]);
        // A colour short of ten marbles (a damaged game) has no marble k to move.
        if (cells[start].occupant != own || cells[start].marbleIndex != k)
            continue;
        const int n = MarbleMoves(t, cells, scratch.jumpsSeen_, scratch.jumps_, node, all, count)
                          .Generate(start);
        if (!t.fast[c]) {
            const MarbleContext m = MakeMarbleContext(b, c, k, t.moveCount);
            for (int i = count; i < count + n; ++i) {
                const Score s = ScoreMove(b, m, all[i].end);
                all[i].total = s.total;
                all[i].startDistance = static_cast<int16_t>(s.startDistance);
                const bool wasFull = selector.Full();
                if (selector.Offer(i, s.total, s.startDistance) || selector.Full() != wasFull)
                    refresh();
            }
            count += n;
            continue;
        }
        const int distance = targets.distance[k];
        const int8_t* toTarget = detail::kHoleDistances.steps[targetOf[k]];
        const EndInfo from = info[start];
        const uint8_t* startZone = t.startZone[from.ownKind];
        const uint8_t* endZone = t.endZone[from.targetKind];
        // First every move's total without Build, in whole hundredths, and which of them could
        // still reach the threshold with the most Build can add; then only those are scored.
        int16_t hundredths[kMaxMoves];
        uint64_t open = 0;
        for (int i = 0; i < n; ++i) {
            const int e = all[count + i].end;
            const EndInfo to = info[e];
            const int forward =
                (from.tipDistance > to.tipDistance) * 2 + (from.tipDistance == to.tipDistance);
            int h = kForwardHundredths[forward] + kEndZoneHundredths[endZone[to.targetKind]] +
                    kCentreHundredths[to.centre] + distance - toTarget[e];
            if (t.countStartZone)
                h += kStartZoneHundredths[startZone[to.ownKind]];
            hundredths[i] = static_cast<int16_t>(h);
            open |= static_cast<uint64_t>(h + kBuilderHundredths * ownBeside[e] >= least) << i;
        }
        for (; open != 0; open &= open - 1) {
            const int index = std::countr_zero(open);
            const int i = count + index;
            const int e = all[i].end;
            if (hundredths[index] + kBuilderHundredths * ownBeside[e] < least)
                continue;  // the threshold rose since
            // Own marbles beside the end that could jump over the moved marble toward their
            // targets; the moving marble still stands on its start and counts. The same for
            // every move of the node that ends here.
            if (scratch.buildSeen_[e] != node) {
                int builders = 0;
                for (int d = 0; d < kDirectionCount; ++d) {
                    const int nb = t.beside[e][d];
                    if (cells[nb].occupant != own)
                        continue;
                    const int o = t.across[e][d];
                    if (o == kEmptyCell || cells[o].occupant != kNoColor8)
                        continue;
                    const int8_t* toItsTarget =
                        detail::kHoleDistances.steps[targetOf[cells[nb].marbleIndex]];
                    builders += toItsTarget[nb] > toItsTarget[o];
                }
                scratch.buildSeen_[e] = node;
                scratch.builders_[e] = static_cast<uint8_t>(builders);
            }
            const int builders = scratch.builders_[e];
            if (hundredths[index] + kBuilderHundredths * builders < least)
                continue;
            const EndInfo to = info[e];
            const int forward =
                (from.tipDistance > to.tipDistance) * 2 + (from.tipDistance == to.tipDistance);
            double total =
                t.leading[scratch.builders_[e]][forward][endZone[to.targetKind]][to.centre] +
                t.execution[distance - toTarget[e] + kMaxProgress];
            if (t.countStartZone)
                total += t.startZoneTerm[startZone[to.ownKind]];
            SearchMove& m = all[i];
            m.total = static_cast<float>(total);
            m.startDistance = from.tipDistance;
            const bool wasFull = selector.Full();
            if (selector.Offer(i, m.total, m.startDistance) || selector.Full() != wasFull)
                refresh();
        }
        count += n;
    }
    for (int k = 0; k < kTriangleHoles; ++k) {
        const int at = PlaceIndex(b.Marbles(c)[k]);
        for (int d = 0; d < kDirectionCount; ++d)
            ownBeside[t.beside[at][d]] = 0;
    }
    keptCount = selector.Count();
    // Whole scores for the kept moves alone, by the plain rule.
    for (int slot = 0; keptScores != nullptr && slot < keptCount; ++slot) {
        const SearchMove& m = all[kept[slot]];
        const BasicCell& start = cells[m.start];
        keptScores[slot] =
            ScoreMove(b, MakeMarbleContext(b, c, start.marbleIndex, t.moveCount), m.end);
    }
    return count;
}

void CCandidateGenerator::BuildPath(const SearchMove* all, int index, Move& out) {
    int chain[kMaxPathPlaces];
    int n = 0;
    for (int i = index; i >= 0 && n < kMaxPathPlaces - 1; i = all[i].parent)
        chain[n++] = i;
    out.count = 0;
    out.Append(kGridLinks.place[all[index].start]);
    while (n > 0)
        out.Append(kGridLinks.place[all[chain[--n]].end]);
}

}  // namespace halmora
