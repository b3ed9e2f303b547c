#include "game/SavedGameRecord.h"
#include "support/SavedRecords.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "board/BoardGeometry.h"
#include "platform/FileIO.h"

namespace halmora {
namespace {

constexpr std::size_t kHeaderBytes = 33;

// A three-player game part way through: marbles at home, a few moves made, one undone.
std::unique_ptr<SavedGameRecord> MakeGame(bool clocksOn) {
    auto r = std::make_unique<SavedGameRecord>();
    r->playerCount = 3;
    r->moveCount = 41;
    r->currentColour = 4;
    r->gameTimeMs = 0xF0000000u;  // beyond 2^31 ms: the clock is unsigned
    r->clocksOn = clocksOn ? 1 : 0;
    r->initialSeconds = clocksOn ? 600 : 0;
    r->secondsPerMove = clocksOn ? 5 : 0;
    const PlayerColor colours[] = {0, 2, 4};
    for (int i = 0; i < 3; ++i) {
        SavedPlayer& p = r->players[i];
        std::memcpy(p.name.data(), "Ann\0junk after the zero", 23);
        p.name[0] = static_cast<uint8_t>('A' + i);
        p.name[31] = 0xB7;  // kept byte for byte
        p.seatType = 1 + 2 * i;
        p.colour = colours[i];
        p.remainingMs = clocksOn ? 1000u * (100 + i) : 0;
        r->seatTypes[colours[i]] = p.seatType;
    }
    testing::FillStartHoles(*r);
    r->holes[PlaceIndex(8, 1)].highlight = 101;
    r->holes[PlaceIndex(8, 1)].marbleHidden = 1;
    r->historyTop = 3;
    r->historyPosition = 2;
    for (int i = 0; i < 3; ++i) {
        SavedHistoryMove& m = r->history[i];
        m.mover = colours[i];
        for (int j = 0; j < (i == 1 ? kMaxPathPlaces : 2 + i); ++j)
            m.path.Append({j % 19, 18 - j % 19});
    }
    return r;
}

// The longest file a valid game can make.
std::unique_ptr<SavedGameRecord> MakeFullGame() {
    auto r = MakeGame(true);
    r->playerCount = kColorCount;
    for (int i = 0; i < kColorCount; ++i)
        r->players[i] = {{}, 2, i, 7};
    r->historyTop = r->historyPosition = kMaxHistoryTop;
    for (int i = 0; i < kMaxHistoryTop; ++i) {
        r->history[i].mover = i % kColorCount;
        for (int j = 0; j < kMaxPathPlaces; ++j)
            r->history[i].path.Append({i % 19, j % 19});
    }
    return r;
}

void PutI32(std::vector<uint8_t>& bytes, std::size_t at, int32_t v) {
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
}

// Per process, so that test runs side by side do not share files.
std::filesystem::path TempFile(const std::string& name) {
    return ::testing::TempDir() + "halmora-" + std::to_string(::getpid()) + "-" + name;
}

SavedGameError ReadError(const std::vector<uint8_t>& bytes) {
    return ReadSavedGame(bytes).status.error;
}

TEST(SavedGameRecord, RoundTripIsByteForByteWithAndWithoutClocks) {
    for (bool clocks : {false, true}) {
        SCOPED_TRACE(clocks);
        const auto game = MakeGame(clocks);
        const std::vector<uint8_t> bytes = WriteSavedGame(*game);
        const SavedGameReadResult read = ReadSavedGame(bytes);
        ASSERT_TRUE(read.status.Ok()) << read.status.message;
        EXPECT_EQ(*read.record, *game);
        EXPECT_EQ(WriteSavedGame(*read.record), bytes);
        EXPECT_EQ(GbkNameBytes(read.record->players[0].name), "Ann");

        // The layout itself: 40-byte players without clocks, 44 with; holes 14 bytes each.
        const std::size_t player = clocks ? 44 : 40;
        const std::size_t holes = kHeaderBytes + 3 * player;
        EXPECT_EQ(bytes.size(),
                  holes + 361 * 14 + 8 + (8 + 2 * 8) + (8 + 64 * 8) + (8 + 4 * 8) + 24);
        EXPECT_EQ(bytes[24], clocks ? 1 : 0);
        EXPECT_EQ(bytes[kHeaderBytes + player], 'B');
        EXPECT_EQ(bytes[kHeaderBytes + player + 31], 0xB7);
        EXPECT_EQ(bytes[kHeaderBytes + player + 32 + 4], 2);     // its colour
        EXPECT_EQ(bytes[holes + PlaceIndex(8, 1) * 14 + 1], 1);  // marble hidden
        EXPECT_EQ(bytes[holes + 361 * 14], 3);                   // history top
    }
}

TEST(SavedGameRecord, LongestValidFileHasTheComputedSizeAndLoads) {
    const auto full = MakeFullGame();
    const std::vector<uint8_t> bytes = WriteSavedGame(*full);
    EXPECT_EQ(bytes.size(), kMaxSavedGameBytes);
    const std::filesystem::path path = TempFile("full.hlm");
    ASSERT_TRUE(SaveSavedGameFile(path, *full).Ok());
    const SavedGameReadResult read = LoadSavedGameFile(path);
    ASSERT_TRUE(read.status.Ok()) << read.status.message;
    EXPECT_EQ(*read.record, *full);

    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    ASSERT_TRUE(WriteFileAtomically(path, longer).Ok());
    EXPECT_EQ(LoadSavedGameFile(path).status.error, SavedGameError::TooLarge);
    std::filesystem::remove(path);
    EXPECT_EQ(LoadSavedGameFile(path).status.error, SavedGameError::CannotOpen);
}

TEST(SavedGameRecord, EachInvalidValueHasItsOwnError) {
    using R = SavedGameRecord;
    const auto hole = [](R& r, int col, int row) -> SavedHole& {
        return r.holes[PlaceIndex(col, row)];
    };
    const struct {
        SavedGameError error;
        std::function<void(R&)> spoil;
        const char* message;
    } cases[] = {
        {SavedGameError::MoveCount, [](R& r) { r.moveCount = -1; }, "move count -1 is negative"},
        {SavedGameError::MoveCount, [](R& r) { r.moveCount = kMaxMoveCount + 1; },
         "move count 1000001 is above 1000000"},
        {SavedGameError::MoveCount, [](R& r) { r.moveCount = 2147483647; },
         "move count 2147483647 is above"},
        {SavedGameError::GameState, [](R& r) { r.gameState = 3; }, "game state 3"},
        {SavedGameError::ClocksOn, [](R& r) { r.clocksOn = 2; }, "clocks-on flag 2"},
        {SavedGameError::PlayerName, [](R& r) { r.players[2].name.fill('x'); }, "name of player 3"},
        {SavedGameError::SeatType, [](R& r) { r.players[1].seatType = 9; },
         "seat type 9 of player 2 is outside 1..6"},
        {SavedGameError::SeatType, [](R& r) { r.players[0].seatType = 0; },
         "seat type 0 of player 1"},
        {SavedGameError::Colour, [](R& r) { r.players[1].colour = 6; }, "colour 6 of player 2"},
        {SavedGameError::DuplicateColour, [](R& r) { r.players[2].colour = 0; },
         "player 1 and player 3"},
        {SavedGameError::CurrentColour, [](R& r) { r.currentColour = 1; }, "current colour 1"},
        {SavedGameError::CurrentColour, [](R& r) { r.playerCount = 0; }, "current colour 4"},
        {SavedGameError::HoleShape, [&](R& r) { hole(r, 8, 9).isHole = 0; }, "hole (8, 9)"},
        {SavedGameError::HoleShape, [&](R& r) { hole(r, 0, 0).isHole = 1; }, "hole (0, 0)"},
        {SavedGameError::MarbleHidden, [&](R& r) { hole(r, 8, 9).marbleHidden = 2; },
         "marble-hidden flag 2"},
        {SavedGameError::Highlight, [&](R& r) { hole(r, 8, 9).highlight = 102; }, "highlight 102"},
        {SavedGameError::Zone, [&](R& r) { hole(r, 8, 9).zone = 6; }, "zone 6"},
        {SavedGameError::Zone, [&](R& r) { hole(r, 18, 18).zone = 0; }, "hole (18, 18) has zone 0"},
        {SavedGameError::Occupant, [&](R& r) { hole(r, 8, 9).occupant = -2; }, "occupant -2"},
        {SavedGameError::Occupant, [&](R& r) { hole(r, 1, 0).occupant = 3; }, "hole (1, 0)"},
        {SavedGameError::ZoneSize, [&](R& r) { hole(r, 8, 9).zone = 3; },
         "zone 3 has more than 10 holes"},
        {SavedGameError::MarbleCount, [&](R& r) { hole(r, 8, 9).occupant = 2; },
         "colour 2 has more than 10 marbles"},
        {SavedGameError::HistoryPosition, [](R& r) { r.historyPosition = 4; },
         "history position 4 is outside 0..3"},
        {SavedGameError::HistoryPosition, [](R& r) { r.historyPosition = -1; }, "position -1"},
        {SavedGameError::Mover, [](R& r) { r.history[2].mover = -1; },
         "mover -1 of history move 3"},
        {SavedGameError::PlaceOutsideGrid, [](R& r) { r.history[1].path.places[63].row = 19; },
         "(6, 19) of history move 2"},
        {SavedGameError::PlaceOutsideGrid, [](R& r) { r.history[0].path.places[0].col = -1; },
         "(-1, 18)"},
        {SavedGameError::PlaceCount, [](R& r) { r.history[0].path.count = 1; },
         "history move 1 has 1 places, not 2..64"},
        {SavedGameError::HistorySeatType, [](R& r) { r.seatTypes[5] = 7; },
         "seat type 7 of colour 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        auto game = MakeGame(true);
        c.spoil(*game);
        const SavedGameStatus direct = ValidateSavedGame(*game);
        EXPECT_EQ(direct.error, c.error);
        const SavedGameReadResult read = ReadSavedGame(WriteSavedGame(*game));
        EXPECT_EQ(read.status.error, c.error);
        EXPECT_NE(read.status.message.find(c.message), std::string::npos) << read.status.message;
        EXPECT_EQ(read.record, nullptr);
    }
}

TEST(SavedGameRecord, CountsBeyondTheArraysAreRefusedBeforeTheyAreFollowed) {
    const auto game = MakeGame(false);
    const std::vector<uint8_t> good = WriteSavedGame(*game);
    const std::size_t history = kHeaderBytes + 3 * 40 + 361 * 14;
    const struct {
        std::size_t at;
        int32_t value;
        SavedGameError error;
    } cases[] = {
        {4, 7, SavedGameError::PlayerCount},
        {4, -1, SavedGameError::PlayerCount},
        {history, 1024, SavedGameError::HistoryTop},
        {history, -5, SavedGameError::HistoryTop},
        {history + 12, 65, SavedGameError::PlaceCount},
        {history + 12, INT32_MIN, SavedGameError::PlaceCount},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = good;
        PutI32(bytes, c.at, c.value);
        EXPECT_EQ(ReadError(bytes), c.error) << c.at << " " << c.value;
    }
    std::vector<uint8_t> bytes = good;
    bytes[24] = 1;  // clocks on claims remaining times the file does not have
    EXPECT_NE(ReadError(bytes), SavedGameError::None);

    // A save refused for an invalid record leaves the old file as it was.
    const std::filesystem::path path = TempFile("refused.hlm");
    ASSERT_TRUE(SaveSavedGameFile(path, *game).Ok());
    auto spoiled = MakeGame(false);
    spoiled->playerCount = 7;
    EXPECT_EQ(SaveSavedGameFile(path, *spoiled).error, SavedGameError::PlayerCount);
    EXPECT_EQ(ReadFileLimited(path, kMaxSavedGameBytes).bytes, good);
    std::filesystem::remove(path);
}

TEST(SavedGameRecord, ShortOrLongFilesAreRefused) {
    const std::vector<uint8_t> bytes = WriteSavedGame(*MakeGame(true));
    for (std::size_t cut = 0; cut < bytes.size();
         cut += (cut < 400 || cut + 700 > bytes.size()) ? 1 : 13) {
        const SavedGameReadResult read = ReadSavedGame(std::span(bytes).first(cut));
        ASSERT_EQ(read.status.error, SavedGameError::EndsEarly) << cut;
        ASSERT_EQ(read.record, nullptr);
    }
    const std::size_t history = kHeaderBytes + 3 * 44 + 361 * 14;
    EXPECT_EQ(ReadSavedGame(std::span(bytes).first(history + 8 + 24 + 100)).status.message,
              "file ends early (history move 2)");

    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(ReadError(longer), SavedGameError::TrailingBytes);
}

}  // namespace
}  // namespace halmora
