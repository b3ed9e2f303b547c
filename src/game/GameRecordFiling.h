// The record of a finished game for the statistics: every seated player in colour order with
// its finishing place and the ratings after the game, dated when it is built.
#pragma once

#include <optional>

#include "records/GameRecord.h"
#include "records/Rating.h"

namespace halmora {

class CGame;
class StatsDatabase;

// Nothing for a game that is not over.
std::optional<GameRecord> BuildRecordOf(const CGame& game, const RecordTime& end);

// Builds the record, adds it to the statistics and saves them; false when the game is not over
// or the statistics could not be saved (the record is still in `stats` then).
bool FileFinishedGame(const CGame& game, StatsDatabase& stats, const RecordTime& end);

}  // namespace halmora
