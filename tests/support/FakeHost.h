// A game host that records what the game asks of the application.
#pragma once

#include <string>
#include <vector>

#include "game/GameHost.h"

namespace halmora::testing {

class FakeHost : public CGameHost {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override {
        messages.push_back(caption + "|" + text);
    }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void CreateInfoPanel(bool) override { panel.push_back("create"); }
    void CloseInfoPanel() override { panel.push_back("close"); }
    void DestroyInfoPanel() override { panel.push_back("destroy"); }
    void AddInfoRow(PlayerColor c, const GbkName&, uint32_t ms) override {
        panel.push_back("row " + std::to_string(c) + " " + std::to_string(ms));
    }
    void SetInfoCurrent(PlayerColor c) override { current = c; }
    void SetInfoMarblesHome(PlayerColor c, int n) override { home[c] = n; }
    void SetInfoPlace(PlayerColor c, int place) override {
        panel.push_back("place " + std::to_string(c) + " " + std::to_string(place));
    }
    void SetInfoClock(uint32_t ms) override { clock = ms; }
    int32_t HumanRating(const GbkName&) override { return 1600; }
    void FileGameRecord(const CGame&) override { ++filed; }

    std::vector<std::string> messages;
    std::vector<std::string> sounds;
    std::vector<std::string> panel;
    PlayerColor current = -1;
    int home[6] = {};
    uint32_t clock = 0;
    int filed = 0;
};

}  // namespace halmora::testing
