// How a running game and its saved-game record correspond: the record of a game to save, and the
// part of a saved history that fits the saved board when a game is read back.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "board/GameBoard.h"
#include "game/SavedGameRecord.h"

namespace halmora {

class CGame;

// The record of the game as it stands: players in turn order, holes, history and clocks.
std::unique_ptr<SavedGameRecord> SavedGameRecordOf(const CGame& game);

// The moves first..end-1 of a saved history are the ones that fit the saved board, so that undo
// and redo never move a marble that is not there.
struct HistoryFit {
    int32_t first = 0;
    int32_t end = 0;
};

// Going back from the saved position, each move's marble must stand on its end and go back to
// its start by a legal move; going forward, each undone move must be playable again. A move that
// does not fit drops itself and every move older than it (going back), or itself and every later
// one (going forward). Real games have such histories too: the marbles of a player who ran out of
// time leave the board but not the history. `seated` are the colours of the saved players.
HistoryFit FitHistoryToBoard(const CGameBoard& board, std::span<const PlayerColor> seated,
                             const SavedGameRecord& record);

}  // namespace halmora
