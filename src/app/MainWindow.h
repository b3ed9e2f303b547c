// The one frame window: toolbar, menus, status bar, the board area with its four foot buttons,
// and every command. It owns the game and drives it from the idle tick, keeps the menus and
// buttons in step with it and ends a finished game with the statistics. What the game asks of
// the application goes to its host (CAppGameHost); the background to CWallpaper.
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

#include "app/AppGameHost.h"
#include "app/AppSettings.h"
#include "app/BoardArea.h"
#include "app/Commands.h"
#include "app/FileDialog.h"
#include "app/FootButtons.h"
#include "app/GameCanvas.h"
#include "app/GameCursors.h"
#include "app/InterruptedGame.h"
#include "app/Language.h"
#include "app/StatusPanes.h"
#include "app/Wallpaper.h"
#include "game/Game.h"
#include "view/BoardRenderer.h"
#include "view/GameInfoPanel.h"

class QAction;
class QMenu;
class QPushButton;

namespace halmora {

class CGameToolBar;

class CMainWindow : public QMainWindow, private CBoardAreaOwner {
    Q_OBJECT

public:
    static constexpr int kIdleIntervalMs = 10;

    // Reads the settings and the statistics, keeping aside files that cannot be read.
    explicit CMainWindow(CAppSettings& settings);
    ~CMainWindow() override;

    // Shows the window where it was left at the end of the last run, or maximised.
    void ShowPlaced();
    // The foot buttons; the game menus start greyed. Then the idle loop may start.
    void CreateControls();
    void StartIdleLoop() { idle_.start(); }
    // Tells the player, once, about data files found damaged at start-up and kept aside.
    void ShowStartupNotices();

    // One pass of the game loop: the game's tick, menus, buttons and status panes.
    void IdleTick();

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
    static std::filesystem::path InterruptedGamePath() { return InterruptedGameFile(); }

    // What the tests and the start-up screen look at.
    CGame* Game() const { return game_.get(); }
    bool GameReady() const { return gameReady_; }
    CGameToolBar* ToolBar() const { return toolbar_; }
    CBoardArea* BoardArea() const { return board_; }
    QAction* MenuAction(int id) const;
    QPushButton* FootButton(int id) const { return foot_.Button(id); }
    QString PaneText(int pane) const { return panes_.Text(pane); }
    CGameInfoPanel* InfoPanel() const { return host_.Panel(); }
    CAppGameHost& Host() { return host_; }
    CGameCanvas& Canvas() { return canvas_; }
    const CSettings& Settings() const { return settings_.Get(); }
    StatsDatabase& Statistics() { return host_.Statistics(); }
    const CBoardRenderer& Renderer() const { return renderer_; }
    bool HasWallpaperPicture() const { return wallpaper_.HasPicture(); }
    const CGameCursors& Cursors() const { return cursors_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One row of the command table.
    struct CommandEntry {
        int id;
        EnabledWhen when;
        void (*handler)(CMainWindow& window);
    };
    static const std::vector<CommandEntry>& CommandTable();

    // CBoardAreaOwner
    void BoardPaint(QPainter& dc, const QRect& dirty) override;
    void BoardMouse(int message, int keyFlags, int x, int y) override;
    void BoardResized() override;

    void BuildMenus();
    // Gives the menu items their keys, or takes them away, as the settings say.
    void ApplyShortcuts();
    void ToggleShortcuts();
    // Stores the language, installs its translations and sets every text the window shows anew.
    void ChooseLanguage(UiLanguage language);
    void Retranslate();
    // Escape: what the right button does on the board.
    void CancelMove();
    // Every menu item, toolbar button and foot button as the game and the menus stand now.
    void UpdateCommands();
    void SetGameMenus(GameMenus menus);

    // The commands that take more than a line of the table.
    void NewGame();
    void Restart();
    void Pause();
    void Continue();
    void OpenGame();
    void SaveGame();
    void ChooseWallpaper();
    // Runs `action` on the game, if there is one, and redraws the board if asked.
    void OnGame(const std::function<void(CGame&)>& action, bool redraw = false);

    bool MayLeaveGame(const char* question);
    // The player names every human seat; false when a dialog was cancelled.
    bool SetUpNewGame();
    void StartNewGame();
    void ShowStatistics(std::optional<GbkName> name);

    // Pauses a playing game around an action and resumes it after (a game that took its place
    // plays already); a dialog also hands its changes to the window and the game.
    void PauseFrame(const std::function<void()>& action);
    void DialogFrame(const std::function<void()>& action);
    // Pauses a playing game; true when it did, so that only then the game is resumed.
    bool PauseIfPlaying();

    // Reads a saved game into a new game that takes the running one's place; on failure the
    // running game stays and the reason is shown.
    bool OpenGameFile(const std::string& path);
    void SaveInterruptedGame();

    void DeleteGame();
    void RedrawAll();
    void UpdateBackground();
    void ApplyCursor(CursorKind kind, PlayerColor colour);
    void EndFinishedGame();
    // The information panel beside the board, wherever the window and the board are now.
    void PlaceInfoPanel();
    void PlacePanel(QWidget& panel);
    // The turn marble follows the player to move; none without a game or with the marks off.
    void ShowTurn();

    void ReportSettingsSaveFailure();

    CAppSettings& settings_;
    CAppGameHost host_{this};
    CGameCursors cursors_;
    CBoardRenderer renderer_;
    CGameCanvas canvas_;
    CWallpaper wallpaper_;
    std::unique_ptr<CGame> game_;
    bool gameReady_ = false;
    GameMenus menus_ = GameMenus::Off;

    CGameToolBar* toolbar_ = nullptr;
    CBoardArea* board_ = nullptr;
    CStatusPanes panes_;
    PlayerColor turnShown_ = kNoColor;
    QRect normalRect_;  // the window's inside when not maximised
    std::map<int, QAction*> menu_;
    std::vector<QMenu*> menuTitles_;
    QAction* cancelMove_ = nullptr;
    CFootButtons foot_;
    bool controlsReady_ = false;

    QTimer idle_;
    bool ticking_ = false;
    std::vector<std::string> startupNotices_;
    bool sessionEnding_ = false;
    bool sessionEnded_ = false;
    int sessionRetries_ = 0;
};

}  // namespace halmora
