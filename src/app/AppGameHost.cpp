#include "app/AppGameHost.h"

#include <cstdio>
#include <vector>

#include "app/MessageBoxes.h"
#include "app/SoundPlayer.h"
#include "board/SeatTypes.h"
#include "game/GameRecordFiling.h"
#include "records/Rating.h"
#include "view/ViewMessages.h"

namespace halmora {

void CAppGameHost::ShowMessage(const std::string& caption, const std::string& text) {
    ShowMessageBox(window_, text, caption);
}

void CAppGameHost::PlaySound(const std::string& relativePath) {
    PlayGameSound(relativePath);
}

void CAppGameHost::CreateInfoPanel(bool clocksShown) {
    panel_ = std::make_unique<CGameInfoPanel>(window_);
    panel_->SetClocksShown(clocksShown);
    if (placer_)
        placer_(*panel_);
    panel_->Show();
}

void CAppGameHost::CloseInfoPanel() {
    if (panel_)
        panel_->Close();
}

void CAppGameHost::DestroyInfoPanel() {
    panel_.reset();
}

void CAppGameHost::AddInfoRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) {
    if (panel_)
        panel_->AddRow(colour, name, remainingMs);
}

void CAppGameHost::SetInfoCurrent(PlayerColor colour) {
    if (panel_)
        panel_->SetCurrent(colour);
}

void CAppGameHost::SetInfoMarblesHome(PlayerColor colour, int count) {
    if (panel_)
        panel_->SetMarblesHome(colour, count);
}

void CAppGameHost::SetInfoPlace(PlayerColor colour, int place) {
    if (panel_)
        panel_->SetPlace(colour, place);
}

void CAppGameHost::SetInfoClock(uint32_t remainingMs) {
    if (panel_)
        panel_->SetClock(panel_->Current(), remainingMs);
}

int32_t CAppGameHost::HumanRating(const GbkName& name) {
    // Games that other windows have recorded since count too.
    stats_.Refresh();
    return StartRating(kSeatHuman, GbkNameBytes(name), stats_);
}

void CAppGameHost::FileGameRecord(const CGame& game) {
    const RecordTime now = LocalRecordTimeNow();
    // A game with no human seat has nothing to record.
    if (!BuildRecordOf(game, now))
        return;
    const StatsStatus filed = FileFinishedGame(game, stats_, now);
    if (!filed.notice.empty())
        ShowMessageBox(window_, filed.notice, ApplicationTitle().toStdString());
    if (!filed.Ok())
        ShowMessageBox(window_,
                       "The game could not be recorded in the statistics file (" + filed.message +
                           "). Halmora tries again after the next game and when it closes.",
                       ApplicationTitle().toStdString());
}

void CAppGameHost::SavePendingStatistics(bool sessionEnding) {
    const std::size_t games = stats_.PendingGames();
    const StatsStatus saved = stats_.SavePending();
    std::vector<std::string> texts;
    if (!saved.notice.empty())
        texts.push_back(saved.notice);
    if (!saved.Ok())
        texts.push_back(std::to_string(games) +
                        (games == 1 ? " finished game" : " finished games") +
                        " could not be recorded in the statistics file (" + saved.message +
                        ") and will be missing from the statistics.");
    for (const std::string& text : texts)
        Tell(text, sessionEnding);
}

void CAppGameHost::Tell(const std::string& text, bool sessionEnding) {
    if (sessionEnding)
        std::fprintf(stderr, "halmora: %s\n", text.c_str());
    else
        ShowMessageBox(window_, text, ApplicationTitle().toStdString());
}

}  // namespace halmora
