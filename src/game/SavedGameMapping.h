// How a running game and its saved-game record correspond: the record of a game to save, and the
// players and the part of the saved history that fit when a game is read back.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "board/GameBoard.h"
#include "game/MoveHistory.h"
#include "game/Player.h"
#include "game/SavedGameRecord.h"

namespace halmora {

class CGame;

// The record of the game as it stands: players in turn order, holes, history and clocks.
std::unique_ptr<SavedGameRecord> SavedGameRecordOf(const CGame& game);

// The player of a saved seat: a human, or a computer of its level.
std::unique_ptr<CPlayer> PlayerOf(const SavedPlayer& saved);

// Fills `history` with the part of the saved history that fits the saved board, so that undo and
// redo never move a marble that is not there. Going back from the saved position, each move's
// marble must stand on its end and go back to its start by a legal move; going forward, each undone
// move must be playable again. A move that does not fit drops itself and every move older than it
// (going back), or itself and every later one (going forward). Real games have such histories too:
// the marbles of a player who ran out of time leave the board but not the history. `seated` are the
// colours of the saved players.
void RestoreHistory(CMoveHistory& history, const CGameBoard& board,
                    std::span<const PlayerColor> seated, const SavedGameRecord& record);

}  // namespace halmora
