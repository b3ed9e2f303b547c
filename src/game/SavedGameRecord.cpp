#include "game/SavedGameRecord.h"

#include <algorithm>
#include <new>
#include <utility>

#include "board/BoardGeometry.h"
#include "board/SeatTypes.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/FileIO.h"

namespace halmora {
namespace {

using Status = SavedGameStatus;
using Error = SavedGameError;

std::string MoveName(int index) {
    return Numbered("history move", static_cast<std::size_t>(index));
}
std::string HoleName(int col, int row) {
    return "hole (" + std::to_string(col) + ", " + std::to_string(row) + ")";
}

Status EndsEarly(const std::string& where) {
    return {Error::EndsEarly, "file ends early (" + where + ")"};
}

bool IsColour(int32_t v) {
    return v >= 0 && v < kColorCount;
}

// The checks that the layout itself depends on; the parser makes them as soon as it has read
// the field, before following it.

Status CheckPlayerCount(int32_t n) {
    if (n < 0 || n > kColorCount)
        return {Error::PlayerCount, "number of players " + std::to_string(n) + " is outside 0..6"};
    return {};
}

Status CheckClocksOn(uint8_t v) {
    if (v > 1)
        return {Error::ClocksOn, "clocks-on flag " + std::to_string(v) + " is neither 0 nor 1"};
    return {};
}

Status CheckHistoryTop(int32_t top) {
    if (top < 0 || top > kMaxHistoryTop)
        return {Error::HistoryTop, "history top " + std::to_string(top) + " is outside 0..1023"};
    return {};
}

// A move always has a start and an end.
Status CheckPlaceCount(int32_t k, int moveIndex) {
    if (k < 2 || k > kMaxPathPlaces)
        return {Error::PlaceCount,
                MoveName(moveIndex) + " has " + std::to_string(k) + " places, not 2..64"};
    return {};
}

Status CheckHeader(const SavedGameRecord& r) {
    if (Status s = CheckPlayerCount(r.playerCount); !s.Ok())
        return s;
    if (r.moveCount < 0)
        return {Error::MoveCount, "move count " + std::to_string(r.moveCount) + " is negative"};
    if (r.moveCount > kMaxMoveCount)
        return {Error::MoveCount, "move count " + std::to_string(r.moveCount) + " is above " +
                                      std::to_string(kMaxMoveCount) + ", more than any game plays"};
    if (r.gameState < 0 || r.gameState > 6 || r.gameState == 3)
        return {Error::GameState,
                "game state " + std::to_string(r.gameState) + " is not one of 0, 1, 2, 4, 5, 6"};
    return CheckClocksOn(r.clocksOn);
}

Status CheckPlayers(const SavedGameRecord& r) {
    bool currentSeated = false;
    for (int i = 0; i < r.playerCount; ++i) {
        const SavedPlayer& p = r.players[i];
        // Later code treats the name as zero-terminated text; the game never writes it otherwise.
        if (std::find(p.name.begin(), p.name.end(), 0) == p.name.end())
            return {Error::PlayerName,
                    "name of " + Numbered("player", i) + " has no terminating zero"};
        if (p.seatType < 1 || p.seatType > kSeatMaster)
            return {Error::SeatType, "seat type " + std::to_string(p.seatType) + " of " +
                                         Numbered("player", i) + " is outside 1..6"};
        if (!IsColour(p.colour))
            return {Error::Colour, "colour " + std::to_string(p.colour) + " of " +
                                       Numbered("player", i) + " is outside 0..5"};
        for (int j = 0; j < i; ++j)
            if (r.players[j].colour == p.colour)
                return {Error::DuplicateColour, "colour " + std::to_string(p.colour) +
                                                    " is taken by both " + Numbered("player", j) +
                                                    " and " + Numbered("player", i)};
        currentSeated = currentSeated || p.colour == r.currentColour;
    }
    if (!currentSeated)
        return {Error::CurrentColour, "current colour " + std::to_string(r.currentColour) +
                                          " is not the colour of a player"};
    return {};
}

// The board code relies on exactly the 121 holes of the star, on at most ten holes per zone list
// and on at most ten marbles of a colour.
Status CheckHoles(const SavedHoles& holes) {
    std::array<int, kColorCount> zoneHoles{};
    std::array<int, kColorCount> marbles{};
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const SavedHole& h = holes[PlaceIndex(col, row)];
            const std::string name = HoleName(col, row);
            const bool hole = IsHolePlace(col, row);
            if (h.isHole != (hole ? 1 : 0))
                return {Error::HoleShape, name + " has is-hole flag " + std::to_string(h.isHole) +
                                              ", the board has " + (hole ? "1" : "0")};
            if (h.marbleHidden > 1)
                return {Error::MarbleHidden, name + " has marble-hidden flag " +
                                                 std::to_string(h.marbleHidden) + ", not 0 or 1"};
            if (h.highlight != kNoHighlight && h.highlight != kHighlightPossible &&
                h.highlight != kHighlightImpossible)
                return {Error::Highlight, name + " has highlight " + std::to_string(h.highlight) +
                                              ", not -1, 100 or 101"};
            if (h.zone != kNoColor && !(hole && IsColour(h.zone)))
                return {Error::Zone, name + " has zone " + std::to_string(h.zone) + ", not " +
                                         (hole ? "-1..5" : "-1 off the board")};
            if (h.occupant != kNoColor && !(hole && IsColour(h.occupant)))
                return {Error::Occupant, name + " has occupant " + std::to_string(h.occupant) +
                                             ", not " + (hole ? "-1..5" : "-1 off the board")};
            if (h.zone != kNoColor && ++zoneHoles[h.zone] > kTriangleHoles)
                return {Error::ZoneSize,
                        "zone " + std::to_string(h.zone) + " has more than 10 holes"};
            if (h.occupant != kNoColor && ++marbles[h.occupant] > kTriangleHoles)
                return {Error::MarbleCount,
                        "colour " + std::to_string(h.occupant) + " has more than 10 marbles"};
        }
    }
    return {};
}

Status CheckHistory(const SavedGameRecord& r) {
    if (Status s = CheckHistoryTop(r.historyTop); !s.Ok())
        return s;
    if (r.historyPosition < 0 || r.historyPosition > r.historyTop)
        return {Error::HistoryPosition, "history position " + std::to_string(r.historyPosition) +
                                            " is outside 0.." + std::to_string(r.historyTop)};
    for (int i = 0; i < r.historyTop; ++i) {
        const SavedHistoryMove& m = r.history[i];
        if (!IsColour(m.mover))
            return {Error::Mover,
                    "mover " + std::to_string(m.mover) + " of " + MoveName(i) + " is outside 0..5"};
        if (Status s = CheckPlaceCount(m.path.count, i); !s.Ok())
            return s;
        for (int j = 0; j < m.path.count; ++j) {
            const Place p = m.path.places[j];
            if (!InsideGrid(p))
                return {Error::PlaceOutsideGrid, "place (" + std::to_string(p.col) + ", " +
                                                     std::to_string(p.row) + ") of " + MoveName(i) +
                                                     " is outside the 19 by 19 grid"};
        }
    }
    for (int c = 0; c < kColorCount; ++c)
        if (r.seatTypes[c] < 0 || r.seatTypes[c] > kSeatMaster)
            return {Error::HistorySeatType, "history seat type " + std::to_string(r.seatTypes[c]) +
                                                " of colour " + std::to_string(c) +
                                                " is outside 0..6"};
    return {};
}

// Reads the fields in file order, checking only what the layout depends on.
Status Parse(ByteReader& in, SavedGameRecord& r) {
    in.ReadI32(r.version);
    in.ReadI32(r.playerCount);
    if (in.Failed())
        return EndsEarly("header");
    if (Status s = CheckPlayerCount(r.playerCount); !s.Ok())
        return s;
    in.ReadI32(r.moveCount);
    in.ReadI32(r.currentColour);
    in.ReadI32(r.gameState);
    in.ReadU32(r.gameTimeMs);
    in.ReadU8(r.clocksOn);
    if (in.Failed())
        return EndsEarly("header");
    if (Status s = CheckClocksOn(r.clocksOn); !s.Ok())
        return s;
    in.ReadI32(r.initialSeconds);
    in.ReadI32(r.secondsPerMove);
    if (in.Failed())
        return EndsEarly("header");

    for (int i = 0; i < r.playerCount; ++i) {
        SavedPlayer& p = r.players[i];
        in.ReadBytes(p.name);
        in.ReadI32(p.seatType);
        in.ReadI32(p.colour);
        if (r.clocksOn == 1)
            in.ReadU32(p.remainingMs);
        if (in.Failed())
            return EndsEarly(Numbered("player", i));
    }

    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            SavedHole& h = r.holes[PlaceIndex(col, row)];
            in.ReadU8(h.isHole);
            in.ReadU8(h.marbleHidden);
            in.ReadI32(h.highlight);
            in.ReadI32(h.zone);
            in.ReadI32(h.occupant);
            if (in.Failed())
                return EndsEarly(HoleName(col, row));
        }
    }

    in.ReadI32(r.historyTop);
    if (in.Failed())
        return EndsEarly("history");
    if (Status s = CheckHistoryTop(r.historyTop); !s.Ok())
        return s;
    in.ReadI32(r.historyPosition);
    if (in.Failed())
        return EndsEarly("history");
    for (int i = 0; i < r.historyTop; ++i) {
        SavedHistoryMove& m = r.history[i];
        int32_t count = 0;
        in.ReadI32(m.mover);
        in.ReadI32(count);
        if (in.Failed())
            return EndsEarly(MoveName(i));
        if (Status s = CheckPlaceCount(count, i); !s.Ok())
            return s;
        m.path.count = count;
        for (int j = 0; j < count; ++j) {
            in.ReadI32(m.path.places[j].col);
            in.ReadI32(m.path.places[j].row);
        }
        if (in.Failed())
            return EndsEarly(MoveName(i));
    }
    for (int32_t& type : r.seatTypes)
        in.ReadI32(type);
    if (in.Failed())
        return EndsEarly("history seat types");

    if (!in.AtEnd())
        return {Error::TrailingBytes,
                std::to_string(in.Remaining()) + " bytes follow the end of the saved game"};
    return {};
}

}  // namespace

SavedGameStatus ValidateSavedGame(const SavedGameRecord& record) {
    if (Status s = CheckHeader(record); !s.Ok())
        return s;
    if (Status s = CheckPlayers(record); !s.Ok())
        return s;
    if (Status s = CheckHoles(record.holes); !s.Ok())
        return s;
    return CheckHistory(record);
}

SavedGameReadResult ReadSavedGame(std::span<const uint8_t> bytes) {
    SavedGameReadResult result;
    std::unique_ptr<SavedGameRecord> record(new (std::nothrow) SavedGameRecord());
    if (!record) {
        result.status = {Error::CannotRead, "out of memory reading the saved game"};
        return result;
    }
    ByteReader in(bytes);
    result.status = Parse(in, *record);
    if (result.status.Ok())
        result.status = ValidateSavedGame(*record);
    if (result.status.Ok())
        result.record = std::move(record);
    return result;
}

std::vector<uint8_t> WriteSavedGame(const SavedGameRecord& r) {
    ByteWriter out;
    // Counts are cut to the arrays and written as cut, so that the layout stays self-consistent.
    const int players = std::clamp(r.playerCount, 0, kColorCount);
    const int top = std::clamp(r.historyTop, 0, kMaxHistoryTop);

    out.WriteI32(r.version);
    out.WriteI32(players);
    out.WriteI32(r.moveCount);
    out.WriteI32(r.currentColour);
    out.WriteI32(r.gameState);
    out.WriteU32(r.gameTimeMs);
    out.WriteU8(r.clocksOn);
    out.WriteI32(r.initialSeconds);
    out.WriteI32(r.secondsPerMove);

    for (int i = 0; i < players; ++i) {
        const SavedPlayer& p = r.players[i];
        out.WriteBytes(p.name);
        out.WriteI32(p.seatType);
        out.WriteI32(p.colour);
        if (r.clocksOn == 1)
            out.WriteU32(p.remainingMs);
    }

    for (const SavedHole& h : r.holes) {  // row-major, as the file
        out.WriteU8(h.isHole);
        out.WriteU8(h.marbleHidden);
        out.WriteI32(h.highlight);
        out.WriteI32(h.zone);
        out.WriteI32(h.occupant);
    }

    out.WriteI32(top);
    out.WriteI32(r.historyPosition);
    for (int i = 0; i < top; ++i) {
        const SavedHistoryMove& m = r.history[i];
        const int count = std::clamp(m.path.count, 0, kMaxPathPlaces);
        out.WriteI32(m.mover);
        out.WriteI32(count);
        for (int j = 0; j < count; ++j) {
            out.WriteI32(m.path.places[j].col);
            out.WriteI32(m.path.places[j].row);
        }
    }
    for (int32_t type : r.seatTypes)
        out.WriteI32(type);
    return std::move(out).Take();
}

SavedGameReadResult LoadSavedGameFile(const std::filesystem::path& path) {
    FileReadResult file = ReadFileLimited(path, kMaxSavedGameBytes);
    if (!file.status.Ok())
        return {{ErrorOf<Error>(file.status.error), std::move(file.status.message)}, nullptr};
    return ReadSavedGame(file.bytes);
}

SavedGameStatus SaveSavedGameFile(const std::filesystem::path& path,
                                  const SavedGameRecord& record) {
    if (Status s = ValidateSavedGame(record); !s.Ok())
        return s;
    const FileStatus written = WriteFileAtomically(path, WriteSavedGame(record));
    return {ErrorOf<Error>(written.error), written.message};
}

}  // namespace halmora
