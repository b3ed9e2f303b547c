// The suggested move for a human: no look-ahead, just the best-scored candidate of the colour
// to move, kept by selection with a limit of one.
#pragma once

#include "ai/Score.h"
#include "board/GameBoard.h"

namespace halmora {

// False when the colour has no candidate worth keeping (or not ten marbles on the board).
bool SuggestMove(const CGameBoard& board, PlayerColor colour, int moveCount, Candidate& out);

}  // namespace halmora
