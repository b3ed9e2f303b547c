#include "ai/MoveSearch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "ai/Bench.h"
#include "ai/TranspositionStore.h"
#include "support/Boards.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using namespace halmora::testing;

constexpr int kNovice = 1250, kMaster = 2000;
constexpr Place kBottom[10] = {{8, 17}, {8, 16}, {7, 16}, {9, 15}, {8, 15},
                               {7, 15}, {9, 14}, {8, 14}, {7, 14}, {6, 14}};
constexpr Place kTop[10] = {{8, 1}, {7, 2}, {8, 2}, {7, 3}, {8, 3},
                            {9, 3}, {6, 4}, {7, 4}, {8, 4}, {9, 4}};
const std::vector<PlayerColor> kYellowThenRed = {kYellow, kRed};

// Yellow has nine marbles in its target (all but the last hole) and one at `tenth`; Red has
// finished unless `redFinished` is false, when its tip marble waits at (8,6).
CGameBoard NearlyDone(Place tenth, bool redFinished) {
    CGameBoard board = EmptyBoard();
    for (int i = 0; i < 9; ++i)
        Put(board, kYellow, {kBottom[i]});
    Put(board, kYellow, {tenth});
    for (int i = 0; i < 10; ++i)
        Put(board, kRed, {kTop[i]});
    if (!redFinished)
        board.MoveMarble(kTop[0], {8, 6});
    return board;
}

const BenchPosition& Named(const std::vector<BenchPosition>& positions, const std::string& name) {
    for (const BenchPosition& p : positions)
        if (p.name == name)
            return p;
    ADD_FAILURE() << "no bench position " << name;
    return positions.front();
}

TEST(MoveSearch, ImmediateWinIsTakenAndEndsTheRootLoop) {
    const CGameBoard board = NearlyDone({6, 13}, false);
    CMoveSearch search(board, kYellow, kMaster, CMoveSearch::kNoBudget, 80, kYellowThenRed, Move{});
    search.Run();
    ASSERT_TRUE(search.HasBestMove());
    EXPECT_EQ(search.BestMove().Start(), (Place{6, 13}));
    EXPECT_EQ(search.BestMove().End(), (Place{6, 14}));
    // Valued on the spot, at depth 0, with the win's 1000.
    CGameBoard after = board;
    after.MoveMarble({6, 13}, {6, 14});
    CBasicBoard b;
    b.BuildFrom(after);
    std::array<float, kColorCount> leaf{};
    CPositionEvaluator(80, kYellowThenRed).LeafValues(b, 0, leaf);
    EXPECT_EQ(search.RootValues()[kYellow], leaf[kYellow] + 1000);
}

TEST(MoveSearch, WinTwoMovesAwayIsFoundAndCountsLessThanAWinNow) {
    // (6,12) needs two steps to (6,14); Red is far from done.
    const CGameBoard board = NearlyDone({6, 12}, false);
    CMoveSearch later(board, kYellow, 1400, CMoveSearch::kNoBudget, 80, kYellowThenRed, Move{});
    later.Run();
    ASSERT_TRUE(later.HasBestMove());
    EXPECT_GT(later.RootValues()[kYellow], 900.0f);

    const CGameBoard nowBoard = NearlyDone({6, 13}, false);
    CMoveSearch now(nowBoard, kYellow, 1400, CMoveSearch::kNoBudget, 80, kYellowThenRed, Move{});
    now.Run();
    // 1000 less the depth of the win: 0 against 2.
    EXPECT_GT(now.RootValues()[kYellow] - later.RootValues()[kYellow], 1.0f);
}

TEST(MoveSearch, FinishedPlayerIsPassedOverButThePassIsAPly) {
    const CGameBoard board = NearlyDone({8, 9}, true);
    CMoveSearch search(board, kYellow, kNovice, CMoveSearch::kNoBudget, 80, kYellowThenRed, Move{});
    search.Run();
    ASSERT_TRUE(search.HasBestMove());
    // Every root move reaches the depth limit through Red's pass: no answers are generated.
    const uint64_t rootMoves = (search.Nodes() - 1) / 2;
    EXPECT_EQ(search.Nodes(), 1 + 2 * rootMoves);
    EXPECT_GT(rootMoves, 2u);
}

TEST(MoveSearch, ReversalOfThePreviousMoveIsNeverChosen) {
    const std::vector<BenchPosition> positions = MakeBenchPositions();
    for (const BenchPosition& p : positions) {
        if (p.order.size() != 2)
            continue;
        CMoveSearch first(p.board, p.order[0], kNovice, CMoveSearch::kNoBudget, p.moveCount,
                          p.order, Move{});
        first.Run();
        ASSERT_TRUE(first.HasBestMove()) << p.name;
        const Move best = first.BestMove();
        Move undone;
        undone.Append(best.End());
        undone.Append(best.Start());
        CMoveSearch again(p.board, p.order[0], kNovice, CMoveSearch::kNoBudget, p.moveCount,
                          p.order, undone);
        again.Run();
        ASSERT_TRUE(again.HasBestMove()) << p.name;
        EXPECT_FALSE(again.BestMove().Start() == best.Start() &&
                     again.BestMove().End() == best.End())
            << p.name;
        // The same move as before is no reversal.
        CMoveSearch same(p.board, p.order[0], kNovice, CMoveSearch::kNoBudget, p.moveCount, p.order,
                         best);
        same.Run();
        EXPECT_EQ(PathText(same.BestMove()), PathText(best)) << p.name;
    }
}

// A clock that moves on by a millisecond at every reading, from just before the 32-bit wrap.
std::atomic<uint32_t> gAutoTick{0};
uint32_t AutoTick() {
    return gAutoTick.fetch_add(1);
}

TEST(MoveSearch, SpentBudgetJudgesEachRemainingRootMoveOnePlyDeep) {
    gAutoTick = 0xFFFFFFF0u;
    const TickSource previous = SetTickSource(&AutoTick);
    CGameBoard board;
    SetUpStartPosition(board, Seats({kYellow, kRed}));
    CMoveSearch search(board, kYellow, kMaster, 50, 0, kYellowThenRed, Move{});
    search.Run();
    SetTickSource(previous);
    // The clock is read on entering inner nodes: about 50 of them with their leaves, then what
    // is left of the nodes under way is judged as leaves. A full search visits 2,085,455.
    EXPECT_GE(search.Nodes(), 50u);
    EXPECT_LT(search.Nodes(), 2000u);
    EXPECT_TRUE(search.HasBestMove());
}

TEST(MoveSearch, StopTakesEffectEvenWhileTheClockStandsStill) {
    ScopedFakeTicks ticks(5);
    CGameBoard board;
    SetUpStartPosition(board, Seats({kYellow, kRed}));
    CMoveSearch search(board, kYellow, kMaster, CMoveSearch::kNoBudget, 0, kYellowThenRed, Move{});
    search.Stop();
    search.Run();
    // The root is a leaf at once: nothing is chosen, and the computer player falls back.
    EXPECT_EQ(search.Nodes(), 1u);
    EXPECT_FALSE(search.HasBestMove());
}

// The quick bench's moves, node counts and root values: a change here changes how the computer
// plays, and must be deliberate. Neither the number of threads nor the transposition store (a
// small one, so that entries are pushed out too) may change a move, a value or a count.
TEST(MoveSearch, QuickBenchSignatureForAnyThreadsWithOrWithoutTheStore) {
    const std::vector<BenchPosition> positions = MakeBenchPositions();
    std::vector<BenchLine> reference;
    const BenchResult plain =
        RunBench(positions, 2, 4,
                 [&reference](const BenchLine& line) { reference.push_back(line); }, {1, nullptr});
    EXPECT_EQ(plain.nodes, 693851u);
    EXPECT_EQ(plain.signature, 0xB0B8506C2D512349u);

    CTranspositionStore small(64 * 1024);
    const SearchSetup setups[] = {{1, &small}, {2, &small}, {3, nullptr}, {8, &small}};
    for (const SearchSetup& setup : setups) {
        size_t i = 0;
        const BenchResult r = RunBench(
            positions, 2, 4,
            [&](const BenchLine& line) {
                ASSERT_LT(i, reference.size());
                const BenchLine& want = reference[i++];
                EXPECT_EQ(line.nodes, want.nodes) << want.position->name << " " << want.seatType;
                EXPECT_EQ(line.candidates, want.candidates) << want.position->name;
                EXPECT_EQ(line.move, want.move) << want.position->name;
            },
            setup);
        EXPECT_EQ(r.signature, plain.signature) << setup.threads << " threads";
    }
}

// Several threads and the shared store under way at once, stopped part way and destroyed:
// run under ThreadSanitizer by the test command.
TEST(MoveSearch, ParallelSearchesShareTheStoreAndStop) {
    const std::vector<BenchPosition> positions = MakeBenchPositions();
    const BenchPosition& p = Named(positions, "3p middle");
    CMoveSearch one(p.board, p.order[0], 1750, CMoveSearch::kNoBudget, p.moveCount, p.order, Move{},
                    {1, nullptr});
    one.Run();
    std::vector<std::thread> searches;
    for (int i = 0; i < 2; ++i) {
        searches.emplace_back([&p, &one] {
            CMoveSearch many(p.board, p.order[0], 1750, CMoveSearch::kNoBudget, p.moveCount,
                             p.order, Move{}, {3, &CTranspositionStore::Shared()});
            many.Run();
            EXPECT_EQ(many.Nodes(), one.Nodes());
            EXPECT_EQ(many.RootValues(), one.RootValues());
            EXPECT_EQ(PathText(many.BestMove()), PathText(one.BestMove()));
        });
    }
    for (std::thread& t : searches)
        t.join();

    CMoveSearch stopped(p.board, p.order[0], kMaster, CMoveSearch::kNoBudget, p.moveCount, p.order,
                        Move{}, {4, &CTranspositionStore::Shared()});
    std::thread worker([&stopped] { stopped.Run(); });
    stopped.Stop();
    worker.join();
    EXPECT_LT(stopped.Nodes(), 1399891u);
}

}  // namespace
}  // namespace halmora
