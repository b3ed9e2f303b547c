// A compact copy of a position for the computer opponent: four bytes a place, the places of every
// colour's ten marbles, and for each marble the target hole assigned to it with its distance.
// Moves are applied and taken back in place and keep the marble lists and distances current, so
// evaluation never scans the grid.
#pragma once

#include <array>
#include <cstdint>

#include "board/BoardGeometry.h"
#include "board/Move.h"

namespace halmora {

class CGameBoard;

inline constexpr uint8_t kHexagonKind = 100;
// A cell past the grid's places that is never a hole and never occupied, for tables that need
// somewhere to point for a place off the grid.
inline constexpr int kEmptyCell = kPlaceCount;

struct BasicCell {
    uint8_t kind = 0;  // 0 no hole, 100 hexagon hole, 1..4 zone weight of a triangle hole
    uint8_t zone = kNoColor8;
    uint8_t occupant = kNoColor8;
    uint8_t marbleIndex = 0;  // meaningful only under a marble
};

// Which marble (colour and index) stands on which place, as two independent 64-bit hashes over
// the marbles: two positions with every marble on the same place share it; any other pair shares
// it with a chance of one in 2^128.
struct PositionKey {
    uint64_t hash = 0;
    uint64_t check = 0;
    PositionKey& operator^=(const PositionKey& o) {
        hash ^= o.hash;
        check ^= o.check;
        return *this;
    }
    friend bool operator==(const PositionKey&, const PositionKey&) = default;
};

inline constexpr uint64_t Mix64(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The key of one marble on one place (an index of the grid).
inline constexpr PositionKey MarbleKey(int colour, int marble, int place) {
    const auto n = static_cast<uint64_t>((colour * 10 + marble) * kPlaceCount + place + 1);
    return {Mix64(n * 0x9E3779B97F4A7C15ull),
            Mix64(n * 0xD1B54A32D192ED03ull + 0x2545F4914F6CDD1Dull)};
}

struct TargetRecord {
    std::array<Place, kTriangleHoles> place{};       // by marble index
    std::array<int32_t, kTriangleHoles> distance{};  // marble to its target, in steps
};

class CBasicBoard {
public:
    void BuildFrom(const CGameBoard& board);
    void AssignTargets(PlayerColor c);

    void ApplyMove(const Move& m) { ApplyMove(PlaceIndex(m.Start()), PlaceIndex(m.End())); }
    void TakeBackMove(const Move& m) { TakeBackMove(PlaceIndex(m.Start()), PlaceIndex(m.End())); }
    // The same by the place indices of the path's first and last places.
    void ApplyMove(int start, int end);
    // The marble goes back the way it came: keys, masks and distances follow as for any move.
    void TakeBackMove(int start, int end) { ApplyMove(end, start); }

    const BasicCell& Cell(Place p) const { return cells_[PlaceIndex(p)]; }
    const BasicCell* Cells() const { return cells_.data(); }
    const std::array<Place, kTriangleHoles>& Marbles(PlayerColor c) const { return marbles_[c]; }
    const TargetRecord& Targets(PlayerColor c) const { return targets_[c]; }
    int Players() const { return players_; }
    bool Playing(PlayerColor c) const { return playing_[c] != 0; }
    bool Valid() const { return valid_ != 0; }
    const CGameBoard* GameBoard() const { return gameBoard_; }
    const PositionKey& Key() const { return key_; }

    // Kept up to date by every move, so that evaluation reads them instead of scanning holes.
    // Bit i stands for hole i of a zone list (tip first).
    PlayerColor TargetOf(PlayerColor c) const { return targetOf_[c]; }
    uint16_t TargetMask(PlayerColor c) const { return targetMask_[c]; }  // own marbles at target
    uint16_t HomeMask(PlayerColor c) const { return homeMask_[c]; }      // own marbles at home
    bool Finished(PlayerColor c) const {
        return targetOf_[c] != kNoColor && targetMask_[c] == fullMask_[targetOf_[c]];
    }
    // Marble lists agree with the cells; for debug checks and tests.
    bool IsConsistent() const;

    friend bool operator==(const CBasicBoard&, const CBasicBoard&);

private:
    void UpdateMasks(PlayerColor c, int placeIndex, bool arriving);

    std::array<BasicCell, kPlaceCount + 1> cells_{};
    std::array<std::array<Place, kTriangleHoles>, kColorCount> marbles_{};
    std::array<TargetRecord, kColorCount> targets_{};
    int32_t players_ = 0;
    std::array<uint8_t, kColorCount> playing_{};
    uint8_t valid_ = 0;
    const CGameBoard* gameBoard_ = nullptr;

    std::array<int8_t, kPlaceCount> zoneIndex_{};
    std::array<PlayerColor, kColorCount> targetOf_{};
    std::array<uint16_t, kColorCount> fullMask_{};
    std::array<uint16_t, kColorCount> targetMask_{};
    std::array<uint16_t, kColorCount> homeMask_{};
    PositionKey key_{};
};

}  // namespace halmora
