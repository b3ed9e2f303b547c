// Ratings and the record of a finished game. When a game ends the winner takes points from each
// other participant, more from a stronger one; computer levels have fixed ratings so that human
// ratings are measured against them. Everything here is pure computation: the game passes in
// the seats, the places, the start ratings and the time, and files the record it gets back.
//
//   std::vector<RecordSeat> seats = ...;  // name, type, colour, start rating, place
//   std::optional<GameRecord> record =
//       BuildGameRecord(seats, LocalRecordTimeNow(), gameClock.ElapsedMs());
//   if (record) { stats.AddGameRecord(*record); stats.Save(); }
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string_view>

#include "board/Place.h"
#include "platform/Rounding.h"
#include "platform/TextEncoding.h"
#include "records/GameRecord.h"

namespace halmora {

class StatsDatabase;

inline constexpr int32_t kNewPlayerRating = 1500;

// A seat's rating at the start of a game: a computer's level rating (0 for a seat type that is
// neither human nor a computer level); a human's rating from its entry, or kNewPlayerRating when
// it has none (or one with rating 0, which only a damaged file gives). name is the GBK bytes
// without the terminating zero.
int32_t StartRating(int32_t seatType, std::string_view name, const StatsDatabase& stats);

// Points the winner takes from one loser (0..10), from their ratings at that moment.
int32_t RatingChange(int32_t winnerRating, int32_t loserRating);

// One seat that held a player in a game that is over.
struct RecordSeat {
    GbkName name{};
    int32_t seatType = 1;  // 1 human, 2..6 computer levels
    PlayerColor colour = 0;
    int32_t startRating = kNewPlayerRating;
    int32_t place = 0;  // position in the finishing order, 0 for the winner
};

// The local date and time of day when the game ended.
struct RecordTime {
    int32_t day = 1;    // 1..31
    int32_t month = 0;  // 0 for January
    int32_t year = 2000;
    int32_t endMs = 0;  // since local midnight, whole seconds
};

RecordTime RecordTimeFromLocal(const std::tm& local);
RecordTime LocalRecordTimeNow();

// The record of a finished game: participants in colour order with their ratings after the game.
// The winner is the last participant whose place is 0; it takes RatingChange from each other
// participant in turn, measured each time with its rating raised so far. Without a winner no
// rating changes. The start time is the end time less the elapsed time, negative when the game
// began the day before. No record for fewer than 2 or more than 6 seats, a colour outside 0..5
// or taken twice, or a seat type outside 1..6.
std::optional<GameRecord> BuildGameRecord(std::span<const RecordSeat> seats, const RecordTime& end,
                                          uint32_t elapsedMs);

}  // namespace halmora
