#include "app/AppGameHost.h"

#include <QCoreApplication>

#include <cstdio>
#include <vector>

#include "app/Language.h"
#include "app/MessageBoxes.h"
#include "app/SoundPlayer.h"
#include "board/SeatTypes.h"
#include "game/GameRecordFiling.h"
#include "records/Rating.h"
#include "view/ViewMessages.h"

namespace halmora {

void CAppGameHost::ShowMessage(const std::string& caption, const std::string& text) {
    // The game's own messages (time-outs) are known texts; others stay as they are.
    ShowMessageBox(window_, GameText(text.c_str()).toStdString(),
                   GameText(caption.c_str()).toStdString());
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
        ShowMessageBox(
            window_,
            Explained(QT_TRANSLATE_NOOP("Messages", "About the statistics file:"), filed.notice),
            ApplicationTitle().toStdString());
    if (!filed.Ok())
        ShowMessageBox(
            window_,
            QCoreApplication::translate("AppGameHost",
                                        "The game could not be recorded in the statistics "
                                        "file (%1). Halmora tries again after the next "
                                        "game and when it closes.")
                .arg(QString::fromStdString(filed.message))
                .toStdString(),
            ApplicationTitle().toStdString());
}

void CAppGameHost::SavePendingStatistics(bool sessionEnding) {
    const std::size_t games = stats_.PendingGames();
    const StatsStatus saved = stats_.SavePending();
    std::vector<std::string> texts;
    if (!saved.notice.empty())
        texts.push_back(saved.notice);
    if (!saved.Ok())
        texts.push_back(
            QCoreApplication::translate(
                "AppGameHost",
                games == 1 ? QT_TRANSLATE_NOOP("AppGameHost",
                                               "%1 finished game could not be recorded in the "
                                               "statistics file (%2) and will be missing "
                                               "from the statistics.")
                           : QT_TRANSLATE_NOOP("AppGameHost",
                                               "%1 finished games could not be recorded in the "
                                               "statistics file (%2) and will be missing "
                                               "from the statistics."))
                .arg(games)
                .arg(QString::fromStdString(saved.message))
                .toStdString());
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
