// The game kept when the session ended in the middle of it, and the offer to continue it at the
// next start.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace halmora {

// "Interrupted Game.hlm" in the game folder.
std::filesystem::path InterruptedGameFile();

class CGame;

// Keeps a game in progress in InterruptedGameFile(); false with the reason when it cannot. A
// marble in flight is kept on the hole it left, where the board has it until its move ends; the
// move is then made again.
bool KeepInterruptedGame(CGame& game, std::string& error);

// When a kept game is there: asks whether to continue it, and `open` reads it (true when the
// game goes on). A game continued is removed; one not continued is renamed with the time, so that
// it is not offered again and stays for Open Game. True when the game goes on.
bool OfferInterruptedGame(QWidget* parent, const std::function<bool(const std::string&)>& open);

}  // namespace halmora
