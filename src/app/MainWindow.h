// The one frame window: toolbar, menus, status bar, the board area with its four foot buttons,
// the wallpaper, and every command. It owns the game and is its host; the idle tick drives the
// game, keeps menus and buttons in step with it and ends a finished game with the statistics.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BoardArea.h"
#include "app/GameCanvas.h"
#include "app/GameCursors.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "records/Settings.h"
#include "records/StatsDatabase.h"
#include "view/BoardRenderer.h"
#include "view/GameInfoPanel.h"
#include "view/Surface.h"

class QAction;
class QLabel;
class QPushButton;

namespace halmora {

class CGameToolBar;

// Where file dialogs get their answer; tests replace them. Empty result: cancelled.
using FileDialogFunction = std::function<std::optional<std::string>(QWidget* parent, bool save)>;
void SetFileDialogFunction(FileDialogFunction ask);

class CMainWindow : public QMainWindow, public CGameHost, private CBoardAreaOwner {
    Q_OBJECT

public:
    static constexpr int kIdleIntervalMs = 10;

    CMainWindow();
    ~CMainWindow() override;

    // Start-up step 3: foot buttons, menus greyed, toolbar updated; the idle timer starts.
    void CreateControls();
    void StartIdleLoop() { idle_.start(); }
    // Tells the player, once, about data files found damaged at start-up and kept aside.
    void ShowStartupNotices();
    void StopIdleLoop() { idle_.stop(); }

    // One pass of the game loop: the game's tick, menus, buttons and status panes.
    void IdleTick();
    void EnableGameMenus();
    void DisableGameMenus();

    // Carries out a menu, toolbar or button command.
    void Command(int id);

    // The session is ending (logout, shutdown): open dialogs are cancelled, a game in progress
    // is kept in the interrupted-game file, and the window closes as its close command does,
    // without questions.
    void EndSession();
    bool SessionEnded() const { return sessionEnded_; }
    // At start-up: offers to continue a game kept by EndSession. True when it goes on.
    bool OfferInterruptedGame();
    // The file in the game folder where EndSession keeps a game in progress.
    static std::filesystem::path InterruptedGamePath();

    // What the tests and the start-up screen look at.
    CGame* Game() const { return game_.get(); }
    bool GameReady() const { return gameReady_; }
    CGameToolBar* ToolBar() const { return toolbar_; }
    CBoardArea* BoardArea() const { return board_; }
    QAction* MenuAction(int id) const;
    QPushButton* FootButton(int id) const;
    QString PaneText(int pane) const;
    CGameInfoPanel* InfoPanel() const { return panel_.get(); }
    const CSettings& Settings() const { return settings_; }
    StatsDatabase& Statistics() { return stats_; }
    const CBoardRenderer& Renderer() const { return renderer_; }
    CGameCanvas& Canvas() { return canvas_; }
    bool HasWallpaperPicture() const { return wallpaper_ != nullptr; }
    const CGameCursors& Cursors() const { return cursors_; }

    // CGameHost
    void ShowMessage(const std::string& caption, const std::string& text) override;
    void PlaySound(const std::string& relativePath) override;
    void CreateInfoPanel() override;
    void CloseInfoPanel() override;
    void DestroyInfoPanel() override;
    void AddInfoRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) override;
    void SetInfoCurrent(PlayerColor colour) override;
    void SetInfoMarblesHome(PlayerColor colour, int count) override;
    void SetInfoPlace(PlayerColor colour, int place) override;
    void SetInfoClock(uint32_t remainingMs) override;
    int32_t HumanRating(const GbkName& name) override;
    void FileGameRecord(const CGame& game) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // CBoardAreaOwner
    void BoardPaint(QPainter& dc, const QRect& dirty) override;
    void BoardMouse(int message, int keyFlags, int x, int y) override;
    void BoardResized() override;

    void BuildMenus();
    void BuildStatusBar();
    QPushButton* MakeFootButton(int id, const QString& text);
    void PlaceFootButtons();
    void SetMenuEnabled(int id, bool enabled);

    void NewGame();
    void Restart();
    void Pause();
    void Continue();
    void OpenGame();
    void SaveGame();
    void ShowStatistics(std::optional<GbkName> name);
    void ChooseWallpaper();
    void About();

    // Pauses the game around an action and resumes it after; the dialog frame also re-reads the
    // settings for the window, the game and its players.
    void PauseFrame(const std::function<void()>& action);
    void DialogFrame(const std::function<void()>& action);
    void ReloadSettings();

    // Reads a saved game into a new game that takes the running one's place; on failure the
    // running game stays and the reason is shown.
    bool OpenGameFile(const std::string& path);
    // Pauses a playing game; true when it did, so that only then the game is resumed.
    bool PauseIfPlaying();
    void SaveInterruptedGame();

    void DeleteGame();
    void RedrawAll();
    void LoadWallpaper();
    void UpdateBackground();
    void ApplyCursor(CursorKind kind, PlayerColor colour);
    void UpdatePanes();
    void SetPane(int pane, const QString& text);
    void EndFinishedGame();

    void CheckDataFiles();
    void ReportSettingsSaveFailure();
    static void TellAtSessionEnd(const std::string& text);
    void SavePendingStatistics();

    CSettings settings_;
    StatsDatabase stats_;
    CGameCursors cursors_;
    CBoardRenderer renderer_;
    CGameCanvas canvas_;
    std::unique_ptr<CGame> game_;
    bool gameReady_ = false;
    std::unique_ptr<CGameInfoPanel> panel_;
    std::unique_ptr<CSurface> wallpaper_;
    QImage background_;  // the wallpaper laid over the board area, or null for the colour

    CGameToolBar* toolbar_ = nullptr;
    CBoardArea* board_ = nullptr;
    std::array<QLabel*, 3> panes_{};
    std::map<int, QAction*> menu_;
    std::map<int, QPushButton*> foot_;
    bool controlsReady_ = false;

    QTimer idle_;
    bool ticking_ = false;
    std::vector<std::string> startupNotices_;
    bool sessionEnding_ = false;
    bool sessionEnded_ = false;
    int sessionRetries_ = 0;
};

}  // namespace halmora
