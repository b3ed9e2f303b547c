#include "game/MoveAnimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "board/BoardGeometry.h"
#include "support/Boards.h"
#include "support/FakeCanvas.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using namespace halmora::testing;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Keeps each frame as points: the rectangle it restored and where it drew the marble.
class FrameCanvas : public FakeCanvas {
public:
    using FakeCanvas::FakeCanvas;
    void RedrawRegion(int x, int y, int w, int h) override {
        FakeCanvas::RedrawRegion(x, y, w, h);
        restored.push_back({x, y});
    }
    void DrawMarbleAt(int x, int y, PlayerColor c) override {
        FakeCanvas::DrawMarbleAt(x, y, c);
        drawn.push_back({x, y});
    }
    std::vector<Point> restored, drawn;
};

float SpeedOf(int animationSpeed) {
    return static_cast<float>(animationSpeed) * 0.001f;
}

Point Interpolated(Point from, Point to, int animationSpeed, uint32_t t) {
    Point p;
    InterpolatePoint(from.x, from.y, to.x, to.y, SpeedOf(animationSpeed), t, p.x, p.y);
    return p;
}

TEST(InterpolatePoint, RoundsByTheRuleAndSnapsToTheEnd) {
    // 19 pixels: reached once t x v is at least 18.44445.
    EXPECT_EQ(Interpolated({100, 0}, {119, 0}, 20, 922), Point(118, 0));
    EXPECT_EQ(Interpolated({100, 0}, {119, 0}, 20, 923), Point(119, 0));
    EXPECT_EQ(Interpolated({100, 0}, {119, 0}, 200, 92), Point(118, 0));
    EXPECT_EQ(Interpolated({100, 0}, {119, 0}, 200, 93), Point(119, 0));
    EXPECT_EQ(Interpolated({119, 0}, {100, 0}, 200, 4'000'000'000u), Point(100, 0));
    // Across 10 and down 17: the horizontal part completes while the vertical is still at 16.
    EXPECT_EQ(Interpolated({0, 0}, {10, 17}, 20, 931), Point(9, 16));
    EXPECT_EQ(Interpolated({0, 0}, {10, 17}, 20, 932), Point(10, 17));
    EXPECT_EQ(Interpolated({10, 17}, {0, 0}, 20, 931), Point(1, 1));
    EXPECT_EQ(Interpolated({10, 17}, {0, 0}, 20, 932), Point(0, 0));
}

class MoveAnimator : public ::testing::Test {
protected:
    void SetUp() override {
        board.Layout(300, 300);
        Put(board, kRed, {kA});
    }
    // Where a frame draws the marble for a hole's position (a 12x13 marble on a 10x10 hole).
    Point MarbleAt(Place p) const { return {board.ScreenX(p) - 1, board.ScreenY(p) - 1}; }
    bool Run(int maxSteps, uint32_t msPerStep, ScopedFakeTicks& ticks) {
        for (int i = 0; i < maxSteps; ++i, ticks.Advance(msPerStep))
            if (animator.Step(canvas, board))
                return true;
        return false;
    }

    static constexpr Place kA{8, 9};
    CGameBoard board = EmptyBoard();
    FrameCanvas canvas{&board};
    CMoveAnimator animator;
};

TEST_F(MoveAnimator, StepLandsOnTimeAcrossTheWrapAndMovesTheMarbleLast) {
    const Place right = Neighbour(kA, 1);
    ASSERT_EQ(board.ScreenX(right) - board.ScreenX(kA), 19);
    ScopedFakeTicks ticks(0xFFFFFF00u);
    animator.Start(canvas, Move{2, {kA, right}}, board, SpeedOf(20));
    EXPECT_EQ(canvas.calls, std::vector<std::string>{"DrawCell 8,9"});
    EXPECT_EQ(board.Hole(kA).marbleHidden, 1);
    EXPECT_FALSE(animator.Step(canvas, board));  // no time gone: nothing to draw
    EXPECT_TRUE(canvas.drawn.empty());

    ticks.Advance(922);
    EXPECT_FALSE(animator.Step(canvas, board));
    EXPECT_EQ(canvas.restored.back(), MarbleAt(kA));
    EXPECT_EQ(canvas.calls.back(), "DrawMarbleAt 142,145 3");  // 18 pixels on, in red
    ticks.Advance(1);
    EXPECT_FALSE(animator.Step(canvas, board));  // the landing frame
    EXPECT_EQ(canvas.drawn.back(), MarbleAt(right));
    EXPECT_EQ(board.Hole(kA).occupant, kRed);

    canvas.calls.clear();
    EXPECT_TRUE(animator.Step(canvas, board));
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"DrawCell 8,9", "DrawCell 9,9"}));
    EXPECT_EQ(board.Hole(kA).occupant, kNoColor);
    EXPECT_EQ(board.Hole(right).occupant, kRed);
    EXPECT_EQ(board.Hole(right).marbleHidden, 0);

    canvas.calls.clear();  // stepped again after the end: the landed marble stays
    EXPECT_TRUE(animator.Step(canvas, board));
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(board.Hole(right).occupant, kRed);
}

TEST_F(MoveAnimator, StalledTicksFinishOneJumpPerStep) {
    // Right over (9,9), down-left over (9,10), left over (8,11).
    const Place l1 = JumpLanding(kA, 1), l2 = JumpLanding(l1, 3), l3 = JumpLanding(l2, 4);
    Put(board, kBlue, {Neighbour(kA, 1), Neighbour(l1, 3), Neighbour(l2, 4)});
    ScopedFakeTicks ticks(1000);
    animator.Start(canvas, Move{4, {kA, l1, l2, l3}}, board, SpeedOf(200));

    ticks.Advance(1000);
    EXPECT_FALSE(animator.Step(canvas, board));
    EXPECT_EQ(canvas.drawn, std::vector<Point>{MarbleAt(l1)});
    EXPECT_FALSE(animator.Step(canvas, board));  // the next jump starts there, at time 0
    EXPECT_EQ(canvas.drawn.size(), 1u);

    ticks.Advance(100);
    EXPECT_FALSE(animator.Step(canvas, board));
    const Point p = Interpolated({board.ScreenX(l1), board.ScreenY(l1)},
                                 {board.ScreenX(l2), board.ScreenY(l2)}, 200, 100);
    EXPECT_EQ(canvas.drawn.back(), Point(p.x - 1, p.y - 1));

    ticks.Advance(5000);
    EXPECT_FALSE(animator.Step(canvas, board));
    EXPECT_FALSE(animator.Step(canvas, board));
    EXPECT_EQ(canvas.drawn.back(), MarbleAt(l2));  // one segment per call, however late
    ticks.Advance(5000);
    EXPECT_FALSE(animator.Step(canvas, board));
    EXPECT_EQ(canvas.drawn.back(), MarbleAt(l3));
    EXPECT_EQ(board.Hole(l3).occupant, kNoColor);
    EXPECT_TRUE(animator.Step(canvas, board));
    EXPECT_EQ(board.Hole(l3).occupant, kRed);
    EXPECT_EQ(board.Hole(kA).occupant, kNoColor);
}

TEST_F(MoveAnimator, EveryFrameErasesThePreviousImageInAnyDirection) {
    // Up-left, left, then down-right: landings arrive moving up, left and down.
    const Place p1 = Neighbour(kA, 5), p2 = Neighbour(p1, 4), p3 = Neighbour(p2, 2);
    ScopedFakeTicks ticks(0);
    animator.Start(canvas, Move{4, {kA, p1, p2, p3}}, board, SpeedOf(20));
    ASSERT_TRUE(Run(2000, 7, ticks));

    ASSERT_GE(canvas.drawn.size(), 8u);
    ASSERT_EQ(canvas.restored.size(), canvas.drawn.size());
    EXPECT_EQ(canvas.restored[0], MarbleAt(kA));
    for (size_t i = 1; i < canvas.drawn.size(); ++i)
        EXPECT_EQ(canvas.restored[i], canvas.drawn[i - 1]) << "frame " << i;
    for (const Place p : {p1, p2, p3})
        EXPECT_EQ(std::count(canvas.drawn.begin(), canvas.drawn.end(), MarbleAt(p)), 1);
    EXPECT_EQ(board.Hole(p3).occupant, kRed);
}

}  // namespace
}  // namespace halmora
