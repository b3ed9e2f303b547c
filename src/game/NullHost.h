// A game host with no window: no panel, no sounds, messages dropped, every human at the start
// rating. For games played without a window; derive to show the messages somewhere.
#pragma once

#include "game/GameHost.h"
#include "records/Rating.h"

namespace halmora {

class CNullHost : public CGameHost {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    void PlaySound(const std::string&) override {}
    void CreateInfoPanel(bool) override {}
    void CloseInfoPanel() override {}
    void DestroyInfoPanel() override {}
    void AddInfoRow(PlayerColor, const GbkName&, uint32_t) override {}
    void SetInfoCurrent(PlayerColor) override {}
    void SetInfoMarblesHome(PlayerColor, int) override {}
    void SetInfoPlace(PlayerColor, int) override {}
    void SetInfoClock(uint32_t) override {}
    int32_t HumanRating(const GbkName&) override { return kNewPlayerRating; }
    void FileGameRecord(const CGame&) override {}
};

}  // namespace halmora
