// What the game asks of the application, carried out with Qt: message boxes and sounds, the game
// information panel (made, updated and closed here, its Show Game Info button in the window), and
// the statistics: the ratings humans start a game with and the record of each finished game.
// Failures to file are told to the player; games that could not be filed are written at exit.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "game/GameHost.h"
#include "records/StatsDatabase.h"
#include "view/GameInfoPanel.h"

class QWidget;

namespace halmora {

class CAppGameHost : public CGameHost {
public:
    // Boxes and the panel belong to `window`.
    explicit CAppGameHost(QWidget* window) : window_(window) {}

    void ShowMessage(const std::string& caption, const std::string& text) override;
    void PlaySound(const std::string& relativePath) override;
    void CreateInfoPanel(bool clocksShown) override;
    void CloseInfoPanel() override;
    void DestroyInfoPanel() override;
    void AddInfoRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) override;
    void SetInfoCurrent(PlayerColor colour) override;
    void SetInfoMarblesHome(PlayerColor colour, int count) override;
    void SetInfoPlace(PlayerColor colour, int place) override;
    void SetInfoClock(uint32_t remainingMs) override;
    int32_t HumanRating(const GbkName& name) override;
    void FileGameRecord(const CGame& game) override;

    // Places every new panel before it is first shown.
    void SetPanelPlacer(std::function<void(CGameInfoPanel&)> placer) {
        placer_ = std::move(placer);
    }

    CGameInfoPanel* Panel() const { return panel_.get(); }
    bool PanelShown() const { return panel_ && panel_->IsShown(); }
    // Exchanges the panel with `other`: a game read from a file takes the running game's place
    // only once it has been read, and each game closes its own panel.
    void SwapPanel(std::unique_ptr<CGameInfoPanel>& other) { panel_.swap(other); }

    StatsDatabase& Statistics() { return stats_; }

    // At exit: writes the games whose filing failed, and only them, so that nothing is written
    // at all when every game was filed at its end. What went wrong is shown, or printed on the
    // standard error when the session is ending and nobody is left to answer a box.
    void SavePendingStatistics(bool sessionEnding);

    // Tells the player `text` in a box, or on the standard error when the session is ending.
    void Tell(const std::string& text, bool sessionEnding);

private:
    QWidget* window_;
    std::unique_ptr<CGameInfoPanel> panel_;
    std::function<void(CGameInfoPanel&)> placer_;
    StatsDatabase stats_;
};

}  // namespace halmora
