// Loading a saved game's board the way the game loads it, for the commands that read files.
#pragma once

#include <memory>

#include "board/GameBoard.h"
#include "game/SavedGameRecord.h"

namespace halmora::cli {

// Parses a column or row 0..18.
bool ParsePlaceArg(const char* text, int& out);

// Reads and checks the file, then sets the board up as loading does: triangle colours from the
// seated colours, the stored holes, zone lists rebuilt from the stored zones. On failure prints
// one line "halmora-cli COMMAND: FILE: problem" and returns false.
bool LoadBoard(const char* path, const char* command, std::unique_ptr<SavedGameRecord>& record,
               CGameBoard& board);

}  // namespace halmora::cli
