// What the game needs from the application besides the board: message boxes, sounds, the
// floating game information panel and the statistics. The Qt application implements it; tests
// use a recording fake. Texts are UTF-8; names are the stored GBK fields.
#pragma once

#include <cstdint>
#include <string>

#include "board/Place.h"
#include "platform/TextEncoding.h"

namespace halmora {

class CGame;

class CGameHost {
public:
    virtual ~CGameHost() = default;

    // A message box with an OK button; returns when the user has closed it.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // Plays a sound file below the application folder (e.g. "Sounds/Win.wav") without waiting.
    virtual void PlaySound(const std::string& relativePath) = 0;

    // The game information panel: created with one row per player, then kept up to date. The
    // clocks show when the game runs with clocks.
    virtual void CreateInfoPanel(bool clocksShown) = 0;
    virtual void CloseInfoPanel() = 0;
    virtual void DestroyInfoPanel() = 0;
    virtual void AddInfoRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) = 0;
    virtual void SetInfoCurrent(PlayerColor colour) = 0;
    virtual void SetInfoMarblesHome(PlayerColor colour, int count) = 0;
    virtual void SetInfoPlace(PlayerColor colour, int place) = 0;
    virtual void SetInfoClock(uint32_t remainingMs) = 0;

    // The rating a human seat starts the game with, from the statistics.
    virtual int32_t HumanRating(const GbkName& name) = 0;
    // Files the finished game for its human players; called once per game, at its end.
    virtual void FileGameRecord(const CGame& game) = 0;
};

}  // namespace halmora
