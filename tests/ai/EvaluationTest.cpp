#include "ai/Evaluation.h"

#include <gtest/gtest.h>

#include <vector>

#include "board/MoveGenerator.h"
#include "support/Boards.h"

namespace halmora {
namespace {

using namespace halmora::testing;

// Yellow's nine other marbles stay at home (rows 1..4) out of the way; `extra` replaces (9,4).
CGameBoard YellowWith(Place extra) {
    CGameBoard board = EmptyBoard();
    board.PlaceMarbles(kYellow);
    board.MoveMarble({9, 4}, extra);
    return board;
}

Candidate Scored(const CGameBoard& board, Place from, Place to, int moveCount) {
    CBasicBoard b;
    b.BuildFrom(board);
    std::array<MarbleCandidates, kTriangleHoles> lists;
    GenerateCandidates(b, board.Hole(from).occupant, moveCount, lists);
    for (const auto& list : lists)
        for (int i = 0; i < list.count; ++i)
            if (list.moves[i].Start() == from && list.moves[i].End() == to)
                return list.moves[i];
    ADD_FAILURE() << "no move " << from.col << "," << from.row << " to " << to.col << "," << to.row;
    return {};
}

TEST(Scoring, StepStraightBackInTheHexagonIsStillPositive) {
    // (8,9) is assigned the bottom tip, 8 steps away; (8,8) is 9 away.
    const Candidate c = Scored(YellowWith(kCentre), kCentre, {8, 8}, 0);
    EXPECT_FLOAT_EQ(c.score.execution, -0.05f);
    EXPECT_EQ(c.score.forward, 0.0f);
    EXPECT_EQ(c.score.center, 1.0f);
    EXPECT_EQ(c.score.build, 0.0f);
    EXPECT_EQ(c.score.startDistance, 8);
    EXPECT_FLOAT_EQ(c.score.total, 0.09f);
    EXPECT_GT(c.score.total, 0.0f);
}

TEST(Scoring, ForwardStepCountsTheMovingMarbleForBuild) {
    // From (8,10) the moving marble, still on (8,9), could jump on to the empty (9,11).
    const Candidate c = Scored(YellowWith(kCentre), kCentre, {8, 10}, 0);
    EXPECT_EQ(c.score.build, 0.5f);
    EXPECT_EQ(c.score.forward, 1.0f);
    EXPECT_FLOAT_EQ(c.score.execution, 0.05f);
    EXPECT_FLOAT_EQ(c.score.total, 0.05f + 0.3f + 0.1f + 0.01f);
}

TEST(Scoring, CenterInAThirdPlayersTriangle) {
    // Purple's triangle (upper right) is neither Yellow's home nor its target.
    EXPECT_FLOAT_EQ(Scored(YellowWith({10, 5}), {10, 5}, {11, 5}, 0).score.center, 0.6f);
    EXPECT_FLOAT_EQ(Scored(YellowWith({12, 6}), {12, 6}, {13, 6}, 0).score.center, 0.2f);
    EXPECT_EQ(Scored(YellowWith({13, 5}), {13, 5}, {14, 5}, 0).score.center, 0.0f);
    // Hexagon, home and target holes all give 1.
    EXPECT_EQ(Scored(YellowWith({8, 13}), {8, 13}, {8, 14}, 0).score.center, 1.0f);
}

TEST(Scoring, ZonesAndTheMoveFromWhichLeavingHomeCounts) {
    CGameBoard board = YellowWith(kCentre);
    board.PlaceMarbles(kRed);                                   // two players
    const Candidate early = Scored(board, {6, 4}, {6, 5}, 21);  // 21 / 2 players = 10
    const Candidate late = Scored(board, {6, 4}, {6, 5}, 22);
    EXPECT_EQ(early.score.startZone, 1.0f);
    EXPECT_EQ(early.score.total, Scored(board, {6, 4}, {6, 5}, 0).score.total);
    EXPECT_FLOAT_EQ(late.score.total, early.score.total + 0.2f);
    // Within the home triangle toward its open side: half.
    EXPECT_EQ(Scored(board, {9, 3}, {9, 4}, 0).score.startZone, 0.5f);

    CGameBoard entering = YellowWith({8, 13});
    EXPECT_EQ(Scored(entering, {8, 13}, {8, 14}, 0).score.endZone, 1.0f);
    entering.MoveMarble({8, 13}, {8, 14});
    EXPECT_EQ(Scored(entering, {8, 14}, {8, 15}, 0).score.endZone, 0.5f);
    EXPECT_EQ(Scored(entering, {8, 14}, {9, 14}, 0).score.endZone, 0.0f);
}

Score WithTotal(float total, int startDistance = 0) {
    Score s;
    s.total = total;
    s.startDistance = startDistance;
    return s;
}

std::vector<int> Select(const std::vector<Score>& scores, int limit) {
    std::vector<int16_t> kept(static_cast<size_t>(limit));
    const int n = SelectCandidates(
        static_cast<int>(scores.size()), limit,
        [&scores](int i) -> const Score& { return scores[i]; }, kept.data());
    return std::vector<int>(kept.begin(), kept.begin() + n);
}

TEST(Selection, FillsThenReplacesTheFirstSlotThenTheWeakest) {
    std::vector<Score> scores;
    for (int i = 0; i < 40; ++i)
        scores.push_back(WithTotal(0.5f + 0.01f * static_cast<float>(i % 7)));
    scores[15] = WithTotal(0.01f);  // replaces slot 0 whatever its total
    const std::vector<int> kept = Select(scores, 15);
    ASSERT_EQ(kept.size(), 15u);
    // Slot 0 took the 16th, then the weak 0.01 was the first to go.
    EXPECT_NE(kept[0], 0);
    for (int k : kept)
        EXPECT_NE(k, 15);
    for (int k : kept)
        EXPECT_GE(scores[k].total, 0.5f);
}

TEST(Selection, NarrowListsAndTies) {
    EXPECT_EQ(Select({WithTotal(0.5f), WithTotal(0.3f), WithTotal(0.4f)}, 1),
              (std::vector<int>{2}));
    // Negative totals are never kept; a zero total while nothing is kept is dropped.
    EXPECT_EQ(Select({WithTotal(-0.1f), WithTotal(0.0f, 9)}, 3), (std::vector<int>{}));
    // Equal to the threshold with a larger start distance counts as better.
    EXPECT_EQ(Select({WithTotal(0.2f, 3), WithTotal(0.6f), WithTotal(0.6f, 5)}, 1),
              (std::vector<int>{2}));
    EXPECT_EQ(Select({WithTotal(0.2f, 3), WithTotal(0.6f), WithTotal(0.6f)}, 1),
              (std::vector<int>{1}));
    // While the list fills the threshold stays 0, so a zero total with a larger start distance
    // than the first slot's is appended.
    EXPECT_EQ(Select({WithTotal(0.2f, 3), WithTotal(0.0f, 4), WithTotal(0.0f, 2)}, 3),
              (std::vector<int>{0, 1}));
}

TEST(PositionValue, ShapeLooksTwoStepsWithinRangeAndPenalisesLoneMarbles) {
    CGameBoard board = EmptyBoard();
    Put(board, kYellow,
        {{8, 1}, {2, 5}, {8, 5}, {14, 5}, {5, 9}, {11, 9}, {2, 13}, {14, 13}, {8, 16}, {8, 17}});
    // Two Red marbles in a line beside (8,5), whose nearest friend is 4 steps away.
    Put(board, kRed, {{8, 6}, {9, 7}});
    CBasicBoard b;
    b.BuildFrom(board);
    const PlayerColor players[] = {kYellow, kRed};
    const CPositionEvaluator eval(0, players);

    // (8,5): two others in a line, no friend near: 0.1 - 2 * 4. (8,16): the friend below has
    // nothing beyond it inside rows 0..17, so its 0.1 stands. (8,17): the friend above has an
    // empty hole beyond it, which cancels the direction.
    const float other = static_cast<float>(0.05f + 0.05);
    EXPECT_FLOAT_EQ(eval.Shape(b, kYellow), (-8.0f + other) + (0.1f + 0.0f));
}

TEST(PositionValue, ProgressZoneAndTheHomePenalty) {
    CGameBoard board = EmptyBoard();
    board.PlaceMarbles(kYellow);
    board.PlaceMarbles(kRed);
    board.MoveMarble({8, 17}, {8, 9});  // Red's tip is free; Yellow's tip is now reachable
    CBasicBoard b;
    b.BuildFrom(board);
    const PlayerColor players[] = {kYellow, kRed};
    const CPositionEvaluator early(15, players), late(17, players);
    EXPECT_FLOAT_EQ(early.Zone(b, kYellow), 0.0f);
    // Every Yellow marble is still home: (17 - 15) * 0.2 * (4 + 3 + 3 + 2 + 2 + 2 + 1 * 4).
    EXPECT_NEAR(late.Zone(b, kYellow), -8.0f, 1e-5);
    // The penalty keeps growing with move counts far beyond any game, without overflowing.
    const CPositionEvaluator huge(600000015, players), larger(2000000015, players);
    EXPECT_NEAR(huge.Zone(b, kYellow), -2.4e9f, 1e4f);
    EXPECT_NEAR(larger.Zone(b, kYellow), -8.0e9f, 1e4f);
    int sum = 0;
    for (int d : b.Targets(kYellow).distance)
        sum += 100 - d;
    EXPECT_FLOAT_EQ(early.Progress(b, kYellow), static_cast<float>(sum));

    std::array<float, kColorCount> values{};
    early.LeafValues(b, 3, values);
    const float y = early.Total(b, kYellow), r = early.Total(b, kRed);
    EXPECT_FLOAT_EQ(values[kYellow], (y - r) - 3.0f);
    EXPECT_FLOAT_EQ(values[kRed], (r - y) - 3.0f);
}

}  // namespace
}  // namespace halmora
