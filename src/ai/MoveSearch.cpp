#include "ai/MoveSearch.h"

#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "platform/TickCount.h"

namespace halmora {
namespace {

constexpr int kMaxBreadth = 20;
constexpr int kMaxCandidates = kTriangleHoles * kMaxMoves;

// A candidate as the search keeps it: only the ends of the path, and the move it continues, so
// the whole path can be rebuilt for the one move that is played.
struct SearchMove {
    int16_t start;
    int16_t end;
    int16_t parent;  // index of the move this jump chain continues, -1 for none
    Score score;
};

// Writes one marble's moves into a node's candidate array from `base` on.
class SearchSink {
public:
    SearchSink(SearchMove* all, int base) : all_(all), base_(base) {}
    int Count() const { return count_; }

    void Reset() { count_ = 0; }
    bool Full() const { return count_ == kMaxMoves; }
    void AddStep(int start, int to) {
        SearchMove& m = all_[base_ + count_++];
        m.start = static_cast<int16_t>(start);
        m.end = static_cast<int16_t>(to);
        m.parent = -1;
    }
    int AddJump(int prev, int start, int to) {
        const int16_t parent = static_cast<int16_t>(prev < 0 ? -1 : base_ + prev);
        SearchMove& m = all_[base_ + count_];
        m.start = static_cast<int16_t>(start);
        m.end = static_cast<int16_t>(to);
        m.parent = parent;
        return count_++;
    }

private:
    SearchMove* all_;
    int base_;
    int count_ = 0;
};

}  // namespace

struct CMoveSearch::Frame {
    int count = 0;
    SearchMove all[kMaxCandidates];
    int16_t kept[kMaxBreadth];
    int keptCount = 0;
    std::array<float, kColorCount> result{};
};

int LevelRating(int seatType) {
    switch (seatType) {
        case 2:
            return 1250;
        case 3:
            return 1400;
        case 4:
            return 1750;
        case 5:
            return 1850;
        default:
            return 2000;
    }
}

int SearchDepthLimit(int rating, int players) {
    const int p = players - 1;
    if (rating <= 1250)
        return 2 * p;
    if (rating <= 1400)
        return 3 * p;
    if (rating <= 1750)
        return 4 * p;
    if (rating <= 1850)
        return 5 * p;
    if (rating <= 2000)
        return players < 5 ? 7 * p : 6 * p;
    return 10;
}

CMoveSearch::CMoveSearch(const CGameBoard& board, PlayerColor root, int rating, uint32_t budgetMs,
                         int moveCount, std::span<const PlayerColor> turnOrder,
                         const Move& previousMove)
    : root_(root),
      rating_(rating),
      budget_(budgetMs),
      moveCount_(moveCount),
      previous_(previousMove),
      evaluator_(moveCount, turnOrder),
      frames_(new Frame[kMaxDepth + 1]) {
    board_.CopyFrom(board);
    for (PlayerColor c : turnOrder)
        if (players_ < kColorCount)
            order_[players_++] = c;
    depthLimit_ = SearchDepthLimit(rating_, players_);
    if (depthLimit_ > kMaxDepth)
        depthLimit_ = kMaxDepth;
    if (depthLimit_ < 0)
        depthLimit_ = 0;
    initialValue_ = players_ == 3 ? -1000000.0f : -100000.0f;
}

CMoveSearch::~CMoveSearch() = default;

const std::array<float, kColorCount>& CMoveSearch::RootValues() const {
    return frames_[0].result;
}

// The budget goes to 0 as the time rule has it; the flag makes the stop take effect at once
// rather than when the millisecond count next moves on.
void CMoveSearch::Stop() {
    budget_.store(0, std::memory_order_relaxed);
    stopped_.store(true, std::memory_order_relaxed);
}

bool CMoveSearch::TimeUp() const {
    return stopped_.load(std::memory_order_relaxed) ||
           TickCount() - start_ > budget_.load(std::memory_order_relaxed);
}

void CMoveSearch::Run() {
    basic_.BuildFrom(board_);
    float value[kColorCount];
    for (float& v : value)
        v = -1000000.0f;
    leader_ = 0;
    for (int i = 0; i < players_; ++i) {
        const PlayerColor p = order_[i];
        value[p] = evaluator_.Progress(basic_, p) + evaluator_.Zone(basic_, p);
        if (value[p] > value[leader_])
            leader_ = p;
    }
    start_ = TickCount();
    best_ = Candidate{};
    nodes_ = 0;
    candidates_ = 0;
    for (int i = 0; i < players_; ++i) {
        if (order_[i] == root_) {
            Search(i, 0);
            return;
        }
    }
}

int CMoveSearch::Breadth(int depth, PlayerColor c) const {
    if (players_ == 2) {
        if (depth == 0)
            return 20;
        if (c == root_)
            return 15;
        return depth == 1 ? 10 : 2;
    }
    if (depth == 0)
        return 15;
    if (c == root_)
        return 10;
    const PlayerColor favoured = players_ == 3 ? leader_ : basic_.TargetOf(root_);
    return c == favoured && depth < players_ ? 4 : 1;
}

void CMoveSearch::BuildCandidate(const Frame& f, int index, Candidate& out) const {
    int chain[kMaxPathPlaces];
    int n = 0;
    for (int i = index; i >= 0 && n < kMaxPathPlaces - 1; i = f.all[i].parent)
        chain[n++] = i;
    out.count = 0;
    out.Append(detail::kGridLinks.place[f.all[index].start]);
    while (n > 0)
        out.Append(detail::kGridLinks.place[f.all[chain[--n]].end]);
    out.score = f.all[index].score;
}

bool CMoveSearch::PrefersAtRoot(const Candidate& x) const {
    const Score& a = x.score;
    const Score& b = best_.score;
    if (a.forward != b.forward)
        return a.forward > b.forward;
    if (a.execution != b.execution)
        return a.execution > b.execution;
    const int ownTip = board_.ZoneListCount(root_) > 0 ? PlaceIndex(board_.ZoneList(root_)[0]) : 0;
    const int da = HoleDistanceAt(PlaceIndex(x.Start()), ownTip);
    const int db = best_.count > 0 ? HoleDistanceAt(PlaceIndex(best_.Start()), ownTip) : 0;
    if (da != db)
        return da > db;
    return a.endZone > b.endZone;
}

void CMoveSearch::Search(int turn, int depth) {
    ++nodes_;
    Frame& f = frames_[depth];
    std::array<float, kColorCount>& r = f.result;
    if (depth >= depthLimit_ || TimeUp()) {
        r.fill(initialValue_);
        evaluator_.LeafValues(basic_, depth, r);
        return;
    }
    const PlayerColor c = order_[turn];
    const int next = turn + 1 == players_ ? 0 : turn + 1;
    if (basic_.Finished(c)) {
        Search(next, depth + 1);
        r = frames_[depth + 1].result;
        return;
    }

    r.fill(initialValue_);
    f.count = 0;
    // Scoring and selection go hand in hand: once the kept list is full, a move whose best
    // possible total is below the threshold cannot be kept, and its Build is not worked out.
    CandidateSelector selector(Breadth(depth, c), f.kept);
    const auto scoreOf = [&f](int i) -> const Score& { return f.all[i].score; };
    for (int k = 0; k < kTriangleHoles; ++k) {
        const MarbleContext m = MakeMarbleContext(basic_, c, k, moveCount_);
        SearchSink sink(f.all, f.count);
        GenerateMovesInto(basic_, m.start, sink);
        const int end = f.count + sink.Count();
        for (int i = f.count; i < end; ++i) {
            Score& score = f.all[i].score;
            ScoreBase(basic_, m, f.all[i].end, score);
            if (selector.Full() && TotalBound(m, score) < selector.Threshold())
                continue;
            FinishScore(basic_, m, f.all[i].end, score);
            selector.Offer(i, score, scoreOf);
        }
        f.count = end;
    }
    candidates_ += static_cast<uint64_t>(f.count);
    f.keptCount = selector.Count();

    const std::array<float, kColorCount>& child = frames_[depth + 1].result;
    float totals[kColorCount];
    bool haveTotals = false;
    for (int slot = 0; slot < f.keptCount; ++slot) {
        const SearchMove& x = f.all[f.kept[slot]];
        basic_.ApplyMove(x.start, x.end);
        if (basic_.Finished(c)) {
            evaluator_.LeafValues(basic_, depth, r);
            r[c] += 1000;
            if (depth == 0)
                BuildCandidate(f, f.kept[slot], best_);
            basic_.TakeBackMove(x.start, x.end);
            return;
        }
        if (depth + 1 >= depthLimit_) {
            // The child is a leaf: value it here, reusing the totals of players the move did
            // not come near.
            ++nodes_;
            std::array<float, kColorCount>& leaf = frames_[depth + 1].result;
            leaf.fill(initialValue_);
            if (f.keptCount == 1) {
                // Totals before the move would be worked out for this one leaf alone.
                evaluator_.LeafValues(basic_, depth + 1, leaf);
            } else {
                if (!haveTotals) {
                    basic_.TakeBackMove(x.start, x.end);
                    evaluator_.Totals(basic_, totals);
                    basic_.ApplyMove(x.start, x.end);
                    haveTotals = true;
                }
                evaluator_.LeafValuesAfter(basic_, depth + 1, totals, c, x.start, x.end, leaf);
            }
        } else {
            Search(next, depth + 1);
        }
        if (depth > 0) {
            if (r[c] < child[c])
                r = child;
        } else if (r[c] <= child[c]) {
            Candidate candidate;
            BuildCandidate(f, f.kept[slot], candidate);
            const bool reversal = previous_.count >= 2 && candidate.Start() == previous_.End() &&
                                  candidate.End() == previous_.Start();
            if (!reversal && (r[c] < child[c] || PrefersAtRoot(candidate))) {
                r = child;
                best_ = candidate;
            }
        }
        basic_.TakeBackMove(x.start, x.end);
    }
}

}  // namespace halmora
