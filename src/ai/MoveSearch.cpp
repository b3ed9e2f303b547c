#include "ai/MoveSearch.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "platform/TickCount.h"

namespace halmora {

struct CMoveSearch::Frame {
    int count = 0;
    SearchMove all[CCandidateGenerator::kMaxCandidates];
    int16_t kept[kMaxBreadth];
    Score keptScores[kMaxBreadth];
    int keptCount = 0;
    std::array<float, kColorCount> result{};
};

// What one thread of the search works on: its own board with the position values kept up to
// date along with it, and its own frame per depth.
struct CMoveSearch::Worker {
    Worker(int moveCount, std::span<const PlayerColor> players) : values(moveCount, players) {}

    void Make(int from, int to) {
        board.ApplyMove(from, to);
        values.Make(board, from, to);
    }
    void Unmake(int from, int to) {
        board.TakeBackMove(from, to);
        values.Unmake();
    }

    CBasicBoard board;
    CPositionValues values;
    CGeneratorScratch scratch;
    std::unique_ptr<Frame[]> frames;
    uint64_t nodes = 0;
    uint64_t candidates = 0;
};

int DefaultSearchThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

CMoveSearch::CMoveSearch(const CGameBoard& board, PlayerColor root, int rating, uint32_t budgetMs,
                         int moveCount, std::span<const PlayerColor> turnOrder,
                         const Move& previousMove, const SearchSetup& setup)
    : root_(root),
      rating_(rating),
      budget_(budgetMs),
      moveCount_(moveCount),
      previous_(previousMove),
      evaluator_(moveCount, turnOrder),
      store_(setup.store),
      rootChildren_(std::make_unique<std::array<std::array<float, kColorCount>, kMaxBreadth>>()) {
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
    // Everything the threads will use is allocated now: the search itself allocates nothing.
    const int threads = std::clamp(setup.threads, 1, kMaxThreads);
    for (int i = 0; i < threads; ++i) {
        auto w = std::make_unique<Worker>(moveCount, std::span(order_.data(), players_));
        w->frames.reset(new Frame[depthLimit_ + 1]);
        workers_.push_back(std::move(w));
    }
}

CMoveSearch::~CMoveSearch() = default;

// The budget goes to 0 for any reader of it; the flag makes the stop take effect at once rather
// than when the millisecond count next moves on.
void CMoveSearch::Stop() {
    budget_.store(0, std::memory_order_relaxed);
    stopped_.store(true, std::memory_order_relaxed);
}

bool CMoveSearch::TimeUp() {
    if (!stopped_.load(std::memory_order_relaxed) &&
        TickCount() - start_ <= budget_.load(std::memory_order_relaxed))
        return false;
    cut_.store(true, std::memory_order_relaxed);
    return true;
}

void CMoveSearch::Run() {
    Worker& main = *workers_[0];
    main.board.BuildFrom(board_);
    const CBasicBoard& basic = main.board;
    generator_.Prepare(basic, moveCount_);
    main.values.Reset(basic);
    float value[kColorCount];
    for (float& v : value)
        v = -1000000.0f;
    leader_ = 0;
    for (int i = 0; i < players_; ++i) {
        const PlayerColor p = order_[i];
        value[p] = evaluator_.Progress(basic, p) + evaluator_.Zone(basic, p);
        if (value[p] > value[leader_])
            leader_ = p;
    }
    // Three players watch the leader; four or six the player across the board.
    favoured_ = players_ == 3 ? leader_ : basic.TargetOf(root_);
    if (store_ != nullptr)
        searchId_ = store_->NewSearch();
    start_ = TickCount();
    best_ = Candidate{};
    rootValues_.fill(0);
    for (auto& w : workers_)
        w->nodes = w->candidates = 0;
    for (int i = 0; i < players_; ++i) {
        if (order_[i] == root_) {
            SearchRoot(i);
            break;
        }
    }
    nodes_ = candidates_ = 0;
    for (const auto& w : workers_) {
        nodes_ += w->nodes;
        candidates_ += w->candidates;
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
    return c == favoured_ && depth < players_ ? 4 : 1;
}

void CMoveSearch::BuildCandidate(const Frame& f, int slot, Candidate& out) const {
    CCandidateGenerator::BuildPath(f.all, f.kept[slot], out);
    out.score = f.keptScores[slot];
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

void CMoveSearch::Generate(Worker& w, Frame& f, PlayerColor c, int depth) const {
    // Whole scores are compared at the root only.
    f.count = generator_.Generate(w.board, c, Breadth(depth, c), w.scratch, f.all, f.kept,
                                  depth == 0 ? f.keptScores : nullptr, f.keptCount);
    w.candidates += static_cast<uint64_t>(f.count);
}

void CMoveSearch::SearchRoot(int turn) {
    Worker& w = *workers_[0];
    CBasicBoard& b = w.board;
    ++w.nodes;
    Frame& f = w.frames[0];
    std::array<float, kColorCount>& r = rootValues_;
    r.fill(initialValue_);
    if (depthLimit_ <= 0 || TimeUp()) {
        w.values.LeafValues(b, 0, r);
        return;
    }
    const PlayerColor c = order_[turn];
    if (b.Finished(c)) {
        Search(w, turn + 1 == players_ ? 0 : turn + 1, 1);
        r = w.frames[1].result;
        return;
    }
    Generate(w, f, c, 0);

    // A candidate that finishes at once ends the root loop: the ones after it are not looked at.
    int searched = f.keptCount;
    std::array<float, kColorCount> win;
    for (int slot = 0; slot < f.keptCount; ++slot) {
        const SearchMove& x = f.all[f.kept[slot]];
        w.Make(x.start, x.end);
        const bool finished = b.Finished(c);
        if (finished) {
            win.fill(initialValue_);
            w.values.LeafValues(b, 0, win);
            win[c] += 1000;
            searched = slot;
        }
        w.Unmake(x.start, x.end);
        if (finished)
            break;
    }

    SearchRootChildren(turn, searched);
    for (int slot = 0; slot < searched; ++slot) {
        const std::array<float, kColorCount>& child = (*rootChildren_)[slot];
        if (r[c] > child[c])
            continue;
        Candidate candidate;
        BuildCandidate(f, slot, candidate);
        if (!Undoes(candidate, previous_) && (r[c] < child[c] || PrefersAtRoot(candidate))) {
            r = child;
            best_ = candidate;
        }
    }
    if (searched < f.keptCount) {
        r = win;
        BuildCandidate(f, searched, best_);
    }
}

// The root's first `count` kept candidates, each on whichever thread is free next; the values
// land in the candidate's own slot, so the threads' timing cannot change the outcome.
void CMoveSearch::SearchRootChildren(int turn, int count) {
    const int next = turn + 1 == players_ ? 0 : turn + 1;
    std::atomic<int> nextSlot{0};
    const auto work = [this, next, count, &nextSlot](Worker& w) {
        for (int slot = nextSlot.fetch_add(1); slot < count; slot = nextSlot.fetch_add(1))
            SearchChildOfRoot(w, next, slot);
    };
    // Threads cost tens of microseconds to start; the shallowest searches take less than that.
    int helpers = depthLimit_ > 2 ? static_cast<int>(workers_.size()) - 1 : 0;
    if (helpers > count - 1)
        helpers = count - 1;
    std::vector<std::thread> threads;
    for (int i = 1; i <= helpers; ++i) {
        Worker& w = *workers_[i];
        w.board = workers_[0]->board;
        w.values.Reset(w.board);
        try {
            threads.emplace_back(work, std::ref(w));
        } catch (const std::system_error&) {
            break;  // fewer threads: the same result, later
        }
    }
    work(*workers_[0]);
    for (std::thread& t : threads)
        t.join();
}

void CMoveSearch::SearchChildOfRoot(Worker& w, int turn, int slot) {
    const Frame& root = workers_[0]->frames[0];
    const SearchMove& x = root.all[root.kept[slot]];
    w.Make(x.start, x.end);
    if (depthLimit_ <= 1) {
        ++w.nodes;
        std::array<float, kColorCount>& leaf = w.frames[1].result;
        leaf.fill(initialValue_);
        w.values.LeafValues(w.board, 1, leaf);
    } else {
        Search(w, turn, 1);
    }
    (*rootChildren_)[slot] = w.frames[1].result;
    w.Unmake(x.start, x.end);
}

void CMoveSearch::Search(Worker& w, int turn, int depth) {
    ++w.nodes;
    std::array<float, kColorCount>& r = w.frames[depth].result;
    if (depth >= depthLimit_ || TimeUp()) {
        r.fill(initialValue_);
        w.values.LeafValues(w.board, depth, r);
        return;
    }
    // With four or six players, a node whose children are all leaves is searched again sooner
    // than it is looked up, and its entries would push out larger subtrees (measured).
    if (store_ == nullptr || depth + (players_ >= 4 ? 1 : 0) >= depthLimit_) {
        Expand(w, turn, depth);
        return;
    }
    const PositionKey key = w.board.Key();
    StoredNode stored;
    if (store_->Probe(key, depth, turn, searchId_, stored)) {
        r = stored.values;
        w.nodes += stored.nodes - 1;
        w.candidates += stored.candidates;
        return;
    }
    const uint64_t nodes = w.nodes - 1;
    const uint64_t candidates = w.candidates;
    Expand(w, turn, depth);
    if (!cut_.load(std::memory_order_relaxed))
        store_->Store(key, depth, turn, searchId_, w.nodes - nodes, w.candidates - candidates, r);
}

// A node below the root, not a leaf: its value is its best child's for the colour to move.
void CMoveSearch::Expand(Worker& w, int turn, int depth) {
    CBasicBoard& b = w.board;
    Frame& f = w.frames[depth];
    std::array<float, kColorCount>& r = f.result;
    const PlayerColor c = order_[turn];
    const int next = turn + 1 == players_ ? 0 : turn + 1;
    if (b.Finished(c)) {
        Search(w, next, depth + 1);
        r = w.frames[depth + 1].result;
        return;
    }

    r.fill(initialValue_);
    Generate(w, f, c, depth);
    if (store_ != nullptr && depth + 2 < depthLimit_) {
        // The children will look themselves up: start fetching their entries now, so that the
        // memory is on its way while the first of them is searched.
        for (int slot = 0; slot < f.keptCount; ++slot) {
            const SearchMove& x = f.all[f.kept[slot]];
            const int marble = b.Cells()[x.start].marbleIndex;
            PositionKey key = b.Key();
            key ^= MarbleKey(c, marble, x.start);
            key ^= MarbleKey(c, marble, x.end);
            store_->Prefetch(key, depth + 1, next);
        }
    }
    const std::array<float, kColorCount>& child = w.frames[depth + 1].result;
    for (int slot = 0; slot < f.keptCount; ++slot) {
        const SearchMove& x = f.all[f.kept[slot]];
        w.Make(x.start, x.end);
        if (b.Finished(c)) {
            w.values.LeafValues(b, depth, r);
            r[c] += 1000;
            w.Unmake(x.start, x.end);
            return;
        }
        if (depth + 1 >= depthLimit_) {
            // The child is a leaf: valued here, without a visit of its own.
            ++w.nodes;
            std::array<float, kColorCount>& leaf = w.frames[depth + 1].result;
            leaf.fill(initialValue_);
            w.values.LeafValues(b, depth + 1, leaf);
        } else {
            Search(w, next, depth + 1);
        }
        if (r[c] < child[c])
            r = child;
        w.Unmake(x.start, x.end);
    }
}

}  // namespace halmora
