// The record of a finished game for the statistics: every seated player in colour order with
// its finishing place and the ratings after the game, dated when it is built.
#pragma once

#include <optional>

#include "records/GameRecord.h"
#include "records/Rating.h"
#include "records/StatsDatabase.h"

namespace halmora {

class CGame;

// Nothing for a game that is not over.
std::optional<GameRecord> BuildRecordOf(const CGame& game, const RecordTime& end);

// Builds the record and files it in the statistics (StatsDatabase::FileGame): merged into the
// file under its lock, or kept pending in `stats` when the file cannot be written, with the
// reason in the result. Nothing is done for a game that is not over.
StatsStatus FileFinishedGame(const CGame& game, StatsDatabase& stats, const RecordTime& end);

}  // namespace halmora
