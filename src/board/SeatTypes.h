// What a seat holds (nobody, a human, a computer level or the network) and the one table of the
// computer levels: the rating each plays at (which sets how far its search looks ahead), its name
// and the word the command-line tools use for it. The board layer holds it because the search,
// the records and the game all need it and it needs nothing.
#pragma once

#include <cstdint>
#include <string_view>

namespace halmora {

using PlayerType = int32_t;
inline constexpr PlayerType kSeatEmpty = 0;
inline constexpr PlayerType kSeatHuman = 1;
inline constexpr PlayerType kSeatNovice = 2;
inline constexpr PlayerType kSeatMaster = 6;
inline constexpr PlayerType kSeatNetwork = 7;  // a value of the table only: no player is made

struct SeatType {
    PlayerType type;
    int32_t rating;            // computer levels only
    int pliesFewPlayers;       // plies per opponent searched with up to four players
    int pliesManyPlayers;      // with five or six
    std::string_view shown;    // in the new-game sheet
    std::string_view name;     // a computer player's name
    std::string_view keyword;  // halmora-cli's word for it
};

// clang-format off
inline constexpr SeatType kSeatTypes[] = {
//   type          rating  plies   shown                   name             keyword
    {kSeatEmpty,   0,      0, 0,   "不参与游戏 ",          "",              ""},
    {kSeatHuman,   0,      0, 0,   "人类 ",                "",              "human"},
    {kSeatNovice,  1250,   2, 2,   "电脑玩家 初学  ",      "Novice A.I.",   "novice"},
    {3,            1400,   3, 3,   "电脑玩家 普通   ",     "Average A.I.",  "average"},
    {4,            1750,   4, 4,   "电脑玩家 高级    ",    "Advanced A.I.", "advanced"},
    {5,            1850,   5, 5,   "电脑玩家 专家  ",      "Expert A.I.",   "expert"},
    {kSeatMaster,  2000,   7, 6,   "电脑玩家 大师  ",      "Master A.I.",   "master"},
    {kSeatNetwork, 0,      0, 0,   "Network",              "",              ""},
};
// clang-format on

inline constexpr bool IsComputerSeat(PlayerType type) {
    return type >= kSeatNovice && type <= kSeatMaster;
}

// The row of a seat type, 0..7; null outside.
const SeatType* FindSeatType(PlayerType type);

// The level a computer seat plays at; any type that is not one of the lower levels plays as
// Master.
const SeatType& ComputerLevel(PlayerType type);

// The rating of a computer seat's level (see ComputerLevel).
int LevelRating(PlayerType type);

// Plies looked ahead for a level rating and player count: those of the first level whose rating
// is not below it, 10 above every level.
int SearchDepthLimit(int rating, int players);

}  // namespace halmora
