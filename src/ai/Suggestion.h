// The move a colour would play without looking ahead, chosen as the candidate selection keeps
// its best with a limit of one. The hint shown to a human is this move; so is a computer's move
// when its search came back without one.
#pragma once

#include <optional>

#include "ai/Score.h"
#include "board/BasicBoard.h"
#include "board/GameBoard.h"

namespace halmora {

// Scores every move of colour c's marbles on b and keeps one; a colour short of marbles moves
// those it has. Moves that take the marble of `previous` straight back are passed over while
// there are others, so two moves cannot alternate for ever. When the selection keeps none,
// `orBestScored` takes the move of the highest total instead of nothing. Nothing when the colour
// cannot move.
std::optional<Candidate> PickCandidate(const CBasicBoard& b, PlayerColor c, int moveCount,
                                       const Move& previous, bool orBestScored);

// The hint for the colour to move: nothing when it has no candidate worth keeping, or not ten
// marbles on the board.
bool SuggestMove(const CGameBoard& board, PlayerColor colour, int moveCount, Candidate& out);

}  // namespace halmora
