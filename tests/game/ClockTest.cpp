#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "game/CountdownClock.h"
#include "game/GameClock.h"
#include "platform/TickCount.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using testing::ScopedFakeTicks;

constexpr uint32_t kMaxMs = std::numeric_limits<uint32_t>::max();

TEST(CountdownClock, RunsDownOnlyWhileStarted) {
    ScopedFakeTicks ticks(5000);
    CCountdownClock clock;
    EXPECT_TRUE(clock.Update());  // stopped: nothing charged, even at 0
    clock.Set(SecondsToClockMs(60));
    clock.Add(SecondsToClockMs(10));
    EXPECT_EQ(clock.Get(), 70000u);  // a minute and ten seconds a move, as the first turn begins

    clock.Start();
    ticks.Advance(250);
    EXPECT_TRUE(clock.Update());
    EXPECT_EQ(clock.Get(), 69750u);
    clock.Stop();
    ticks.Advance(3'000'000);  // a long pause costs nothing
    EXPECT_TRUE(clock.Update());
    clock.Start();
    ticks.Advance(50);
    EXPECT_TRUE(clock.Update());
    EXPECT_EQ(clock.Get(), 69700u);

    clock.Reset();
    EXPECT_TRUE(clock.Stopped());
    EXPECT_EQ(clock.Get(), 0u);
}

TEST(CountdownClock, ReachingZeroLosesAndStoppingFirstSavesTheMove) {
    ScopedFakeTicks ticks(100);
    CCountdownClock clock;
    clock.Set(100);
    clock.Start();
    ticks.Advance(99);
    EXPECT_TRUE(clock.Update());
    ticks.Advance(1);
    EXPECT_FALSE(clock.Update());  // exactly 0 loses
    EXPECT_EQ(clock.Get(), 0u);

    clock.Set(100);
    ticks.Advance(5000);
    EXPECT_FALSE(clock.Update());
    EXPECT_EQ(clock.Get(), 0u);  // an overrun ends at 0

    // The move reported done in the tick the time ran out: stopped without an update, it counts.
    clock.Set(100);
    clock.Start();
    ticks.Advance(500);
    clock.Stop();
    EXPECT_TRUE(clock.Update());
    EXPECT_EQ(clock.Get(), 100u);
}

TEST(CountdownClock, NoArithmeticWrapsButTheTickCount) {
    ScopedFakeTicks ticks(kMaxMs - 0xFF);
    CCountdownClock clock;
    clock.Set(10000);
    clock.Start();
    ticks.Advance(0x200);  // round past 2^32 to 0x100
    EXPECT_TRUE(clock.Update());
    EXPECT_EQ(clock.Get(), 10000u - 0x200);

    clock.Set(kMaxMs - 5);
    clock.Add(10);
    EXPECT_EQ(clock.Get(), kMaxMs);  // saturates, never wraps to an empty clock

    // Seconds from the settings or a saved game may be any int.
    EXPECT_EQ(SecondsToClockMs(-5), 0u);
    EXPECT_EQ(SecondsToClockMs(kMaxMs / 1000), kMaxMs / 1000 * 1000);
    EXPECT_EQ(SecondsToClockMs(kMaxMs / 1000 + 1), kMaxMs);
    EXPECT_EQ(SecondsToClockMs(std::numeric_limits<int32_t>::max()), kMaxMs);
}

TEST(GameClock, CountsWhilePlayedAcrossTheWrapAndStopsAtItsMaximum) {
    ScopedFakeTicks ticks(kMaxMs - 99);
    CGameClock clock;
    ticks.Advance(1000);
    EXPECT_EQ(clock.Update(), 0u);
    clock.Set(5000);  // a loaded game
    clock.Start();
    ticks.Advance(300);
    EXPECT_EQ(clock.Update(), 5300u);
    ticks.Advance(20);
    clock.Stop();  // charges nothing since the last update; the game updates every tick first
    ticks.Advance(60000);
    EXPECT_EQ(clock.Update(), 5300u);
    clock.Start();
    ticks.Advance(5);
    EXPECT_EQ(clock.Update(), 5305u);

    clock.Set(kMaxMs - 10);
    ticks.Advance(25);
    EXPECT_EQ(clock.Update(), kMaxMs);
    clock.Reset();
    EXPECT_TRUE(clock.Stopped());
    EXPECT_EQ(clock.Get(), 0u);
}

}  // namespace
}  // namespace halmora
