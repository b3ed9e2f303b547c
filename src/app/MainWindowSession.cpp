// How the window ends: the close command's question and closing work, the notices kept for after
// the splash, and the end of the desktop session (logout, shutdown or a hangup), which keeps the
// game in progress for the next start.
#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

#include <string>
#include <utility>

#include "app/InterruptedGame.h"
#include "app/MessageBoxes.h"
#include "app/WindowPlacement.h"
#include "view/ViewMessages.h"

namespace halmora {
namespace {

constexpr char kCloseQuestion[] = QT_TRANSLATE_NOOP(
    "CMainWindow", "  你现在正参与一个游戏，游戏尚未结束  你确定你想要退出吗?           ");
constexpr char kCloseCaption[] = QT_TRANSLATE_NOOP("CMainWindow", "游戏在进行      ");

}  // namespace

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (game_ && !sessionEnding_ &&
        !AskYesNo(this, QCoreApplication::translate("CMainWindow", kCloseQuestion).toStdString(),
                  QCoreApplication::translate("CMainWindow", kCloseCaption).toStdString())) {
        event->ignore();
        return;
    }
    WriteWindowPlacement(PlacementOf(*this));
    idle_.stop();
    wallpaper_.Drop();
    settings_.Save();
    DeleteGame();
    ReportSettingsSaveFailure();
    host_.SavePendingStatistics(sessionEnding_);
    event->accept();
}

void CMainWindow::ShowStartupNotices() {
    for (const std::string& notice : std::exchange(startupNotices_, {}))
        ShowMessageBox(this,
                       Explained(QT_TRANSLATE_NOOP("Messages",
                                                   "A damaged data file was found and kept aside."),
                                 notice),
                       ApplicationTitle().toStdString());
}

void CMainWindow::ReportSettingsSaveFailure() {
    std::optional<std::string> failure = CSettings::TakeSaveFailure();
    if (!failure)
        return;
    const std::string text =
        QCoreApplication::translate("CMainWindow", "The settings could not be saved (%1).")
            .arg(QString::fromStdString(*failure))
            .toStdString();
    if (sessionEnding_)
        host_.Tell(text, true);
    else
        PauseFrame([&] { host_.Tell(text, false); });
}

void CMainWindow::EndSession() {
    if (sessionEnded_)
        return;
    sessionEnding_ = true;
    // Whatever dialog or question is open is cancelled first; each one's code then runs on as
    // after a Cancel, and the window closes once the last of their loops has returned (or,
    // should one never return, after a few seconds anyway).
    constexpr int kRetryMs = 10;
    constexpr int kMostRetries = 300;
    QWidget* modal = QApplication::activeModalWidget();
    if ((modal != nullptr || QThread::currentThread()->loopLevel() > 1) &&
        sessionRetries_++ < kMostRetries) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else if (modal != nullptr)
            modal->close();
        QTimer::singleShot(kRetryMs, this, &CMainWindow::EndSession);
        return;
    }
    SaveInterruptedGame();
    sessionEnded_ = true;
    close();
    QCoreApplication::quit();
}

void CMainWindow::SaveInterruptedGame() {
    if (!game_ || !gameReady_ || !game_->Board() || game_->State() == kGameOver)
        return;
    PauseIfPlaying();
    std::string error;
    if (!KeepInterruptedGame(*game_, error))
        host_.Tell("the game in progress could not be kept: " + error, true);
}

bool CMainWindow::OfferInterruptedGame() {
    const bool resumed = halmora::OfferInterruptedGame(
        this, [this](const std::string& path) { return !sessionEnding_ && OpenGameFile(path); });
    RedrawAll();
    return resumed;
}

}  // namespace halmora
