// The record of one finished game, as the statistics file keeps it: the participants in colour
// order with their ratings after the game and their finishing places, the date and the times of
// day. The same record is filed once for every human who took part.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "board/Place.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/TextEncoding.h"

namespace halmora {

inline constexpr int kMinParticipants = 2;
inline constexpr int kMaxParticipants = 6;

// Bytes of a record of n participants in the file.
inline constexpr std::size_t GameRecordBytes(int n) {
    return 4 + 48 * static_cast<std::size_t>(n) + 20;
}

struct RecordParticipant {
    GbkName name{};        // all 32 bytes as stored, so that files round-trip byte for byte
    int32_t seatType = 1;  // PlayerType: 1 human, 2..6 the computer levels
    int32_t rating = 0;    // after the game
    PlayerColor colour = 0;
    int32_t place = 0;  // 0 for the winner, 1 for the next to finish, ...
    friend bool operator==(const RecordParticipant&, const RecordParticipant&) = default;
};

// Values are kept as stored; only the participant count is checked, since the layout depends on
// it. Readers of the other fields check their ranges where they use them.
struct GameRecord {
    int32_t count = 0;  // kMinParticipants..kMaxParticipants
    std::array<RecordParticipant, kMaxParticipants> participants{};  // the first count
    int32_t day = 1;                                                 // 1..31
    int32_t month = 0;                                               // 0 for January
    int32_t year = 0;
    // Milliseconds since local midnight of the record's day. The start is negative when the game
    // began the day before; the duration stays right and records still sort in order.
    int32_t startMs = 0;
    int32_t endMs = 0;

    int64_t DurationMs() const { return int64_t{endMs} - startMs; }

    // The first participant whose name is exactly name (the bytes before the first zero), or -1.
    int ParticipantIndex(std::string_view name) const;

    // By year, month, day and start time; equal records are not later than each other.
    bool IsLaterThan(const GameRecord& other) const;

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// Reads one record in the file layout. On failure returns false with why set ("ends early" or the
// bad participant count) and out in an unspecified state.
bool ReadGameRecord(ByteReader& in, GameRecord& out, std::string_view& why);

// Writes one record in the file layout; a count outside 2..6 is clamped, and written as clamped,
// so that the file stays readable.
void WriteGameRecord(ByteWriter& out, const GameRecord& record);

}  // namespace halmora
