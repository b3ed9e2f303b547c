// The choices of the player that the game and its players act on. The application keeps them in
// the settings and hands them over whenever they change; the defaults are those of a new
// settings file.
#pragma once

#include <cstdint>

namespace halmora {

struct GameOptions {
    bool fullAnimation = true;        // moves glide; otherwise the marble jumps to its end at once
    float marbleSpeed = 20 * 0.001f;  // pixels per millisecond
    bool muteSounds = false;
    bool showGameInfo = true;  // the information panel is open when a game starts
    int32_t mouseMode = 0;     // 0 drag and drop, 1 a click on each hole of the path
    bool showMovesOnHover = false;
    // The last move's path stays marked on its holes until the next move starts.
    bool markLastMove = true;
};

}  // namespace halmora
