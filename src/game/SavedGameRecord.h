// The saved-game file (.hlm) as a plain record, with its reader and writer. The record mirrors
// the file field for field; turning it into a running game is the game's business.
//
//   SavedGameReadResult loaded = LoadSavedGameFile(path);
//   if (!loaded.status.Ok()) host.ShowMessage(loaded.status.message);
//
// Players and history moves are numbered from 1 in messages, holes by (column, row).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "board/GameBoard.h"
#include "board/Move.h"
#include "board/Place.h"
#include "platform/TextEncoding.h"

namespace halmora {

inline constexpr int32_t kSavedGameVersion = 1;
inline constexpr int kHistorySlots = 1024;
// The history restarts when a 1024th move would be recorded, so at most 1023 are ever kept.
inline constexpr int kMaxHistoryTop = kHistorySlots - 1;
// No real game comes near a million moves; the bound keeps the turn counter, and everything
// computed from it, far from overflowing.
inline constexpr int32_t kMaxMoveCount = 1'000'000;

// Every byte a valid file can hold: header, six players with clocks, the holes, and a full
// history of longest moves.
inline constexpr std::size_t kMaxSavedGameBytes =
    (6 * 4 + 1 + 2 * 4) + kColorCount * (kGbkNameBytes + 3 * 4) + kPlaceCount * (2 + 3 * 4) +
    2 * 4 + kMaxHistoryTop * (2 * 4 + kMaxPathPlaces * 2 * 4) + kColorCount * 4;

struct SavedPlayer {
    // All 32 bytes as stored, so that a file read and written again is the same file. The text
    // ends at the first zero.
    GbkName name{};
    int32_t seatType = 1;  // PlayerType 1..6
    PlayerColor colour = 0;
    uint32_t remainingMs = 0;  // only stored when clocks are on; the clock counts unsigned
    friend bool operator==(const SavedPlayer&, const SavedPlayer&) = default;
};

struct SavedHistoryMove {
    PlayerColor mover = 0;
    Move path;
    friend bool operator==(const SavedHistoryMove&, const SavedHistoryMove&) = default;
};

// About half a megabyte: keep it on the heap.
struct SavedGameRecord {
    int32_t version = kSavedGameVersion;  // kept as read; never tested
    int32_t playerCount = 0;
    int32_t moveCount = 0;
    PlayerColor currentColour = 0;
    int32_t gameState = 2;    // saving pauses the game
    uint32_t gameTimeMs = 0;  // the game clock's unsigned elapsed time
    uint8_t clocksOn = 0;
    int32_t initialSeconds = 0;
    int32_t secondsPerMove = 0;
    std::array<SavedPlayer, kColorCount> players{};  // the first playerCount, in turn order
    SavedHoles holes{};                              // row-major, as PlaceIndex
    int32_t historyTop = 0;
    int32_t historyPosition = 0;
    std::array<SavedHistoryMove, kHistorySlots> history{};  // the first historyTop
    std::array<int32_t, kColorCount> seatTypes{};           // PlayerType by colour, 0 empty
    friend bool operator==(const SavedGameRecord&, const SavedGameRecord&) = default;
};

enum class SavedGameError {
    None,
    // The file as a whole
    CannotOpen,
    CannotRead,
    TooLarge,
    CannotWrite,
    EndsEarly,
    TrailingBytes,
    // Header and players
    PlayerCount,
    MoveCount,
    CurrentColour,
    GameState,
    ClocksOn,
    PlayerName,
    SeatType,
    Colour,
    DuplicateColour,
    // Holes
    HoleShape,
    MarbleHidden,
    Highlight,
    Zone,
    Occupant,
    ZoneSize,
    MarbleCount,
    // History
    HistoryTop,
    HistoryPosition,
    PlaceCount,
    PlaceOutsideGrid,
    Mover,
    HistorySeatType,
};

struct SavedGameStatus {
    SavedGameError error = SavedGameError::None;
    std::string message;  // English, for the user; empty when error is None

    bool Ok() const { return error == SavedGameError::None; }
};

struct SavedGameReadResult {
    SavedGameStatus status;
    std::unique_ptr<SavedGameRecord> record;  // set only when status is Ok
};

// Every check the reader makes on the values, for a record from anywhere. Counts beyond the
// arrays are reported, never followed.
SavedGameStatus ValidateSavedGame(const SavedGameRecord& record);

// Parses and validates a whole file's bytes: nothing may be missing and nothing may follow.
SavedGameReadResult ReadSavedGame(std::span<const uint8_t> bytes);

// The file's bytes for a record that ValidateSavedGame accepts. Counts beyond the arrays are cut
// to the arrays (and written as cut) so that nothing outside them is read.
std::vector<uint8_t> WriteSavedGame(const SavedGameRecord& record);

SavedGameReadResult LoadSavedGameFile(const std::filesystem::path& path);

// Refuses a record the reader would refuse, so that every file saved can be loaded again; the
// file is replaced whole or not at all.
SavedGameStatus SaveSavedGameFile(const std::filesystem::path& path, const SavedGameRecord& record);

}  // namespace halmora
