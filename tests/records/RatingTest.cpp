#include "records/Rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "board/SeatTypes.h"
#include "platform/ByteWriter.h"
#include "records/StatsDatabase.h"

namespace halmora {
namespace {

constexpr int32_t kHuman = 1;
constexpr int32_t kMaster = 6;

RecordSeat Seat(const char* name, int32_t type, PlayerColor colour, int32_t rating, int32_t place) {
    return {ToGbkName(name), type, colour, rating, place};
}

const RecordTime kEvening{5, 2, 2004, (21 * 3600 + 40 * 60 + 12) * 1000};

// Ratings after the game, in colour order.
std::vector<int32_t> RatingsAfter(const std::vector<RecordSeat>& seats) {
    const std::optional<GameRecord> record = BuildGameRecord(seats, kEvening, 1000);
    std::vector<int32_t> ratings;
    if (record)
        for (int i = 0; i < record->count; ++i)
            ratings.push_back(record->participants[i].rating);
    return ratings;
}

TEST(Rating, RoundingGoesDownOnlyBelowTheProgramsThreshold) {
    EXPECT_EQ(RoundByRule(4.4f), 4);
    EXPECT_EQ(RoundByRule(4.45f), 5);
    EXPECT_EQ(RoundByRule(4.4), 4);
    EXPECT_EQ(RoundByRule(4.45), 5);
    EXPECT_EQ(RoundByRule(4.4444), 4);
    EXPECT_EQ(RoundByRule(6.0f), 6);
    EXPECT_EQ(RoundByRule(-0.5f), 0);  // fraction 0.5 of -1
    EXPECT_EQ(RoundByRule(-0.6f), -1);
    EXPECT_EQ(RoundByRule(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundByRule(-1e12f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundByRule(std::nanf("")), 0);
}

TEST(Rating, WinnerTakesPointsFromEachLoserAsInTheWorkedExamples) {
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 0), Seat("B", kHuman, 3, 1500, 1)}),
              (std::vector<int32_t>{1505, 1495}));
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 0), Seat("M", kMaster, 3, 2000, 1)}),
              (std::vector<int32_t>{1508, 1992}));
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 1), Seat("M", kMaster, 3, 2000, 0)}),
              (std::vector<int32_t>{1497, 2003}));
    // Each later loser meets the winner's raised rating: 5, then Round(4.975), Round(4.95).
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 0), Seat("B", kHuman, 1, 1500, 3),
                            Seat("C", kHuman, 3, 1500, 1), Seat("D", kHuman, 4, 1500, 2)}),
              (std::vector<int32_t>{1515, 1495, 1495, 1495}));

    EXPECT_EQ(RatingChange(1500, 1500), 5);
    EXPECT_EQ(RatingChange(2500, 1500), 0);   // stronger by 1000
    EXPECT_EQ(RatingChange(1500, 2500), 10);  // weaker by 1000
    EXPECT_EQ(RatingChange(1000, 9000), 10);
    EXPECT_EQ(RatingChange(1500, 1700), 6);  // about one point per 200
    // Stored ratings from a damaged file cannot overflow the arithmetic.
    EXPECT_EQ(RatingChange(std::numeric_limits<int32_t>::min(), 0x7FFFFFFF), 10);
    EXPECT_EQ(
        RatingsAfter({Seat("A", kHuman, 0, 0x7FFFFFFF, 0), Seat("B", kHuman, 1, 0x7FFFFFFF, 1)}),
        (std::vector<int32_t>{0x7FFFFFFF, 0x7FFFFFFF - 5}));
}

TEST(Rating, RecordHasParticipantsInColourOrderWithDateAndTimes) {
    const std::vector<RecordSeat> seats = {
        Seat("Zed", kHuman, 4, 1500, 2),
        Seat("Average A.I.", 3, 0, 1400, 1),
        Seat("张三", kHuman, 2, 1600, 0),
    };
    const std::optional<GameRecord> r = BuildGameRecord(seats, kEvening, 33 * 60 * 1000 + 12);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->count, 3);
    EXPECT_EQ(GbkNameToUtf8(r->participants[0].name), "Average A.I.");
    EXPECT_EQ(r->participants[1].colour, 2);
    EXPECT_EQ(r->participants[2].place, 2);
    // The winner meets the computer first (1600 vs 1400: 4), then Zed at 1604 (Round(4.48) = 5).
    EXPECT_EQ(r->participants[0].rating, 1396);
    EXPECT_EQ(r->participants[1].rating, 1609);
    EXPECT_EQ(r->participants[2].rating, 1495);
    EXPECT_EQ(std::vector<int32_t>({r->day, r->month, r->year, r->endMs, r->startMs}),
              std::vector<int32_t>({5, 2, 2004, 78012000, 78012000 - 1980012}));

    // A game begun before midnight keeps its true duration.
    const RecordTime justAfter{6, 2, 2004, 5000};
    EXPECT_EQ(BuildGameRecord(seats, justAfter, 65000)->startMs, -60000);
    EXPECT_EQ(BuildGameRecord(seats, justAfter, 0xFFFFFFFFu)->startMs,
              std::numeric_limits<int32_t>::min());

    std::tm local{};
    local.tm_mday = 31;
    local.tm_mon = 11;
    local.tm_year = 99;
    local.tm_hour = 23;
    local.tm_min = 59;
    local.tm_sec = 58;
    const RecordTime t = RecordTimeFromLocal(local);
    EXPECT_EQ(std::vector<int32_t>({t.day, t.month, t.year, t.endMs}),
              std::vector<int32_t>({31, 11, 1999, 86398000}));
}

TEST(Rating, WinnerIsTheLastFirstPlaceAndBadSeatListsGiveNoRecord) {
    // Two places 0 can only come from bad input; the later participant is the winner.
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 0), Seat("B", kHuman, 1, 1500, 0),
                            Seat("C", kHuman, 2, 1500, 1)}),
              (std::vector<int32_t>{1495, 1510, 1495}));
    EXPECT_EQ(RatingsAfter({Seat("A", kHuman, 0, 1500, 1), Seat("B", kHuman, 1, 1400, 2)}),
              (std::vector<int32_t>{1500, 1400}));  // nobody won: nothing changes

    const std::vector<std::vector<RecordSeat>> refused = {
        {Seat("A", kHuman, 0, 1500, 0)},
        {Seat("A", kHuman, 0, 1500, 0), Seat("B", kHuman, 0, 1500, 1)},
        {Seat("A", kHuman, 0, 1500, 0), Seat("B", kHuman, 6, 1500, 1)},
        {Seat("A", kHuman, 0, 1500, 0), Seat("B", 7, 1, 1500, 1)},
    };
    for (const auto& seats : refused)
        EXPECT_FALSE(BuildGameRecord(seats, kEvening, 0).has_value()) << seats.size();
    std::vector<RecordSeat> seven;
    for (int i = 0; i < 7; ++i)
        seven.push_back(Seat("A", kHuman, i % 6, 1500, i));
    EXPECT_FALSE(BuildGameRecord(seven, kEvening, 0).has_value());
}

TEST(Rating, StartRatingsComeFromLevelsAndTheStatistics) {
    StatsDatabase stats;
    EXPECT_EQ(StartRating(kHuman, "Ann", stats), kNewPlayerRating);
    EXPECT_EQ(StartRating(kMaster, "Novice A.I.", stats), 2000);  // the level's, whatever the name
    EXPECT_EQ(StartRating(kSeatNetwork, "", stats), 0);

    // A finished game files the new ratings, which the next game starts from.
    const std::optional<GameRecord> game = BuildGameRecord(
        std::vector{Seat("Ann", kHuman, 0, StartRating(kHuman, "Ann", stats), 0),
                    Seat("Master A.I.", kMaster, 3, StartRating(kMaster, "", stats), 1)},
        kEvening, 60000);
    ASSERT_TRUE(game.has_value());
    stats.AddGameRecord(*game);
    EXPECT_EQ(StartRating(kHuman, "Ann", stats), 1508);
    EXPECT_EQ(stats.Find("Ann")->gamesWon, 1);
    EXPECT_EQ(stats.Find("Master A.I."), nullptr);

    // An entry at rating 0, which only a damaged file holds, starts as a new player.
    ByteWriter file;
    file.WriteI32(1);
    const GbkName bob = ToGbkName("Bob");
    file.WriteBytes(bob);
    file.WriteI32(0);
    file.WriteI32(0);
    ASSERT_TRUE(stats.Read(file.Bytes()).Ok());
    EXPECT_EQ(StartRating(kHuman, "Bob", stats), kNewPlayerRating);
}

}  // namespace
}  // namespace halmora
