#include "board/MoveGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/Perft.h"
#include "board/RandomPlay.h"
#include "support/Boards.h"
#include "support/ReferenceMoveGenerator.h"

namespace halmora {
namespace {

using namespace halmora::testing;

std::vector<std::string> MovesOf(const CGameBoard& board, Place start) {
    MoveList list;
    GenerateMoves(BoardCells::Snapshot(board), start, list);
    std::vector<std::string> out;
    for (int i = 0; i < list.count; ++i)
        out.push_back(PathText(list.moves[i]));
    return out;
}

using Paths = std::vector<std::string>;

// After the direct jump re-lists a hole, its continuations are listed only where they reach
// holes no move has used yet: a sixth Blue marble adds one continuation, before the direct jump.
TEST(MoveGenerator, ChainThenDirectJumpOntoTheSameHoleContinuingOnlyToNewHoles) {
    Paths expected = {"8,9 9,9", "8,9 8,10",     "8,9 7,9",           "8,9 7,8",
                      "8,9 9,7", "8,9 9,7 10,9", "8,9 9,7 10,9 9,11", "8,9 9,7 10,9 9,11 7,11",
                      "8,9 7,11"};
    CGameBoard board = EmptyBoard();
    Put(board, kRed, {kCentre});
    Put(board, kBlue, {{8, 8}, {9, 8}, {9, 10}, {8, 11}, {7, 10}});
    EXPECT_EQ(MovesOf(board, kCentre), expected);
    Put(board, kBlue, {{7, 12}});
    expected.insert(expected.end() - 1, "8,9 9,7 10,9 9,11 7,11 8,13");
    EXPECT_EQ(MovesOf(board, kCentre), expected);
}

// Random positions of every player count: the generator equals the plain reference, the two
// board forms agree, and no path touches the grid's edge or lands on its start.
TEST(MoveGenerator, MatchesTheReferenceOnRandomPositions) {
    const std::vector<std::vector<PlayerColor>> orders = {
        {0, 3}, {0, 2, 4}, {1, 3, 5}, {0, 1, 3, 4}, {0, 1, 2, 3, 4, 5}};
    int compared = 0;
    for (const auto& order : orders) {
        std::array<bool, 6> seated{};
        for (PlayerColor c : order)
            seated[c] = true;
        for (int seed = 0; seed < 12; ++seed) {
            CGameBoard board;
            SetUpStartPosition(board, seated);
            SplitMix64 random(seed * 7919 + order.size());
            PlayRandomMoves(board, order, seed * 15, random);
            const BoardCells cells = BoardCells::Snapshot(board);
            CBasicBoard basic;
            basic.BuildFrom(board);
            ReferenceGenerator reference(cells);
            MoveList fast, compact;
            for (int i = 0; i < kPlaceCount; ++i) {
                if (cells.cells[i].occupant == kNoColor8)
                    continue;
                const Place s{i % kGridSize, i / kGridSize};
                const MoveList expected = reference.Generate(s);
                GenerateMoves(cells, s, fast);
                GenerateMoves(basic, s, compact);
                ASSERT_EQ(fast.count, expected.count);
                ASSERT_EQ(compact.count, expected.count);
                for (int m = 0; m < expected.count; ++m) {
                    const Move& move = fast.moves[m];
                    ASSERT_EQ(PathText(move), PathText(expected.moves[m]));
                    ASSERT_EQ(PathText(compact.moves[m]), PathText(move));
                    EXPECT_FALSE(move.End() == s);
                    for (int k = 0; k < move.count; ++k) {
                        const Place p = move.places[k];
                        EXPECT_TRUE(p.col >= 1 && p.col <= 17 && p.row >= 1 && p.row <= 17);
                        EXPECT_TRUE(IsHolePlace(p.col, p.row));
                    }
                }
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 2000);
}

// Exact move-tree leaf counts from the start positions; any change to what is legal shows here.
TEST(MoveGenerator, PerftFromStartPositions) {
    struct Case {
        std::vector<PlayerColor> order;
        int depth;
        uint64_t leaves;
    };
    const Case cases[] = {
        {{0, 3}, 1, 14},
        {{0, 3}, 2, 196},
        {{0, 3}, 3, 4844},
        {{0, 3}, 4, 119716},
        {{1, 3, 5}, 1, 14},
        {{1, 3, 5}, 3, 2744},
        {{1, 3, 5}, 4, 67816},
        {{0, 1, 3, 4}, 3, 2786},
        {{0, 1, 3, 4}, 4, 39601},
        {{0, 1, 2, 3, 4, 5}, 2, 199},
        {{0, 1, 2, 3, 4, 5}, 4, 40189},
    };
    for (const Case& c : cases) {
        std::array<bool, 6> seated{};
        for (PlayerColor colour : c.order)
            seated[colour] = true;
        CGameBoard board;
        SetUpStartPosition(board, seated);
        CBasicBoard basic;
        basic.BuildFrom(board);
        EXPECT_EQ(Perft(basic, c.order, 0, c.depth), c.leaves)
            << c.order.size() << " players, depth " << c.depth;
    }
}

}  // namespace
}  // namespace halmora
