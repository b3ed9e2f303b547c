// Small helpers to build positions for tests.
#pragma once

#include <initializer_list>

#include "board/GameBoard.h"
#include "board/Perft.h"

namespace halmora::testing {

inline constexpr PlayerColor kYellow = 0, kPurple = 1, kBlue = 2, kRed = 3, kOrange = 4, kGreen = 5;

// All triangles coloured in colour order (Yellow at the top), no marbles.
inline CGameBoard EmptyBoard() {
    CGameBoard board;
    board.SetUp({0, 1, 2, 3, 4, 5});
    return board;
}

inline void Put(CGameBoard& board, PlayerColor c, std::initializer_list<Place> places) {
    for (const Place p : places)
        board.Hole(p).occupant = c;
}

inline std::array<bool, kColorCount> Seats(std::initializer_list<PlayerColor> colours) {
    std::array<bool, kColorCount> seated{};
    for (PlayerColor c : colours)
        seated[c] = true;
    return seated;
}

}  // namespace halmora::testing
