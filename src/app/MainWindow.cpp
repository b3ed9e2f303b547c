#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <string>
#include <utility>

#include "app/AboutDialog.h"
#include "app/BoardSettingsSheet.h"
#include "app/CommandIds.h"
#include "app/FileDialog.h"
#include "app/GameToolBar.h"
#include "app/HelpLinks.h"
#include "app/Language.h"
#include "app/MessageBoxes.h"
#include "app/NewGameSheet.h"
#include "app/PlayerPickerDialog.h"
#include "app/SoundDialog.h"
#include "app/StatsWindow.h"
#include "app/WallpaperDialog.h"
#include "app/WindowPlacement.h"
#include "board/BoardGeometry.h"
#include "game/ComputerPlayer.h"
#include "game/HumanPlayer.h"
#include "platform/AppFolder.h"
#include "platform/TextEncoding.h"
#include "view/MoveMarks.h"
#include "view/ViewMessages.h"

namespace halmora {
namespace {

constexpr char kComputerName[] = "电脑玩家       ";

constexpr char kNewGameQuestion[] = QT_TRANSLATE_NOOP(
    "CMainWindow", "     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        ");
constexpr char kRestartQuestion[] =
    QT_TRANSLATE_NOOP("CMainWindow", "你是否确信你要重新开始这个游戏?            ");
constexpr char kOpenGameQuestion[] = QT_TRANSLATE_NOOP(
    "CMainWindow", "你已经正在玩游戏。 离开这场游戏和打开另一个?                    ");
constexpr char kGameRunningCaption[] = QT_TRANSLATE_NOOP("CMainWindow", "游戏在进行...      ");
constexpr char kAnotherGameQuestion[] =
    QT_TRANSLATE_NOOP("CMainWindow", "是否你想要玩另一个游戏?             ");
constexpr char kNewGameCaption[] = QT_TRANSLATE_NOOP("CMainWindow", "新的游戏");
constexpr char kPauseNotice[] = QT_TRANSLATE_NOOP("CMainWindow", "- 游戏暂停中 - ");

// A text of the window, in the chosen language.
std::string Text(const char* text) {
    return QCoreApplication::translate("CMainWindow", text).toStdString();
}

}  // namespace

// Every command: its id, when it can be used and what carries it out.
const std::vector<CMainWindow::CommandEntry>& CMainWindow::CommandTable() {
    using W = EnabledWhen;
    using M = CMainWindow;
    // clang-format off
    static const std::vector<CommandEntry> table = {
        {kCmdNewGame,         W::Always,         [](M& w) { w.NewGame(); }},
        {kCmdRestart,         W::GameReady,      [](M& w) { w.Restart(); }},
        {kCmdPause,           W::MenusOn,        [](M& w) { w.Pause(); }},
        {kCmdContinue,        W::PausedByPlayer, [](M& w) { w.Continue(); }},
        {kCmdOpenGame,        W::Always,         [](M& w) { w.OpenGame(); }},
        {kCmdSaveGame,        W::CanSuggest,     [](M& w) { w.SaveGame(); }},
        {kCmdExit,            W::Always,         [](M& w) { QTimer::singleShot(0, &w, &QWidget::close); }},
        {kCmdUndo,            W::CanUndo,        [](M& w) { w.OnGame([&](CGame& g) { g.Undo(w.canvas_); }, true); }},
        {kCmdRedo,            W::CanRedo,        [](M& w) { w.OnGame([&](CGame& g) { g.Redo(w.canvas_); }, true); }},
        {kCmdSuggest,         W::CanSuggest,     [](M& w) { w.OnGame([&](CGame& g) { g.Suggest(w.canvas_); }); }},
        {kCmdForce,           W::CanForce,       [](M& w) { w.OnGame([](CGame& g) { g.ForceMove(); }); }},
        {kCmdRotateLeft,      W::CanSuggest,     [](M& w) { w.OnGame([&](CGame& g) { g.RotateBoard(w.canvas_, 0); }, true); }},
        {kCmdRotateRight,     W::CanSuggest,     [](M& w) { w.OnGame([&](CGame& g) { g.RotateBoard(w.canvas_, 1); }, true); }},
        {kCmdViewStatistics,  W::Always,         [](M& w) { w.DialogFrame([&] { w.ShowStatistics(std::nullopt); }); }},
        {kCmdBoardSettings,   W::Always,         [](M& w) { w.DialogFrame([&] { CBoardSettingsSheet(&w, w.settings_).exec(); }); }},
        {kCmdSoundSettings,   W::Always,         [](M& w) { w.DialogFrame([&] { CSoundDialog(&w, w.settings_).exec(); }); }},
        {kCmdChooseWallpaper, W::Always,         [](M& w) { w.ChooseWallpaper(); }},
        {kCmdOnlineSupport,   W::Always,         [](M& w) { w.PauseFrame([&] { OpenOnlineSupport(&w); }); }},
        {kCmdVisitWebsite,    W::Always,         [](M& w) { w.PauseFrame([&] { OpenWebsite(&w); }); }},
        {kCmdHelp,            W::Always,         [](M& w) { w.PauseFrame([&] { OpenHelp(&w); }); }},
        {kCmdHowToPlay,       W::Always,         [](M& w) { w.PauseFrame([&] { OpenHelpTopic(&w, kHowToPlayTopic); }); }},
        {kCmdGameHistory,     W::Always,         [](M& w) { w.PauseFrame([&] { OpenHelpTopic(&w, kGameHistoryTopic); }); }},
        {kCmdAbout,           W::Always,         [](M& w) { w.PauseFrame([&] { CAboutDialog(&w).exec(); }); }},
        {kCmdShowGameInfo,    W::PanelClosed,    [](M& w) { if (w.game_ && w.host_.Panel()) w.host_.Panel()->Show(); }},
        {kCmdQuitGame,        W::CanEndGame,     [](M& w) { w.OnGame([&](CGame& g) { if (g.CanEndGameNow()) g.EndGameNow(w.canvas_); }); }},
        {kCmdKeyboardShortcuts, W::Always,       [](M& w) { w.ToggleShortcuts(); }},
        {kCmdLanguageAsSpecified, W::Always,     [](M& w) { w.ChooseLanguage(UiLanguage::AsSpecified); }},
        {kCmdLanguageChinese, W::Always,         [](M& w) { w.ChooseLanguage(UiLanguage::Chinese); }},
        {kCmdLanguageEnglish, W::Always,         [](M& w) { w.ChooseLanguage(UiLanguage::English); }},
    };
    // clang-format on
    return table;
}

void CMainWindow::OnGame(const std::function<void(CGame&)>& action, bool redraw) {
    if (!game_)
        return;
    action(*game_);
    if (redraw)
        RedrawAll();
}

CMainWindow::CMainWindow(CAppSettings& settings)
    : settings_(settings),
      canvas_(
          renderer_, [this] { return game_ ? game_->Board() : nullptr; },
          [this](CursorKind kind, PlayerColor colour) { ApplyCursor(kind, colour); }) {
    setObjectName("mainWindow");
    setWindowIcon(QIcon(QString::fromStdString(AppFile("Resources/icon-124.png").string())));

    toolbar_ = new CGameToolBar(this);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    const std::string strips[3] = {"Resources/toolbar-157.bmp", "Resources/toolbar-158.bmp",
                                   "Resources/toolbar-159.bmp"};
    // A strip that cannot be read leaves that look and the ones after it without pictures.
    if (toolbar_->SetImageList(CGameToolBar::ImageKind::Normal, AppFile(strips[0]).string(), 32) &&
        toolbar_->SetImageList(CGameToolBar::ImageKind::Hot, AppFile(strips[1]).string(), 32))
        toolbar_->SetImageList(CGameToolBar::ImageKind::Disabled, AppFile(strips[2]).string(), 32);
    connect(toolbar_, &CGameToolBar::CommandChosen, this, &CMainWindow::Command);

    BuildMenus();
    panes_.Build(*statusBar());
    board_ = new CBoardArea(*this, this);
    board_->setMinimumSize(kMinBoardArea);
    setCentralWidget(board_);
    host_.SetPanelPlacer([this](CGameInfoPanel& panel) { PlacePanel(panel); });

    // A settings or statistics file that cannot be read whole is kept aside before anything can
    // be saved over it; the player is told once, by ShowStartupNotices.
    if (std::optional<std::string> kept = settings_.Open())
        startupNotices_.push_back(std::move(*kept));
    if (const StatsStatus opened = host_.Statistics().Open(); !opened.notice.empty())
        startupNotices_.push_back(opened.notice);
    ApplyShortcuts();
    ApplyLanguage(LanguageOf(settings_.Get()));
    Retranslate();
    wallpaper_.Load(settings_.Get());
    cursors_.Load();
    renderer_.SetChangedCallback([this](const QRect& area) { board_->update(area); });

    idle_.setInterval(kIdleIntervalMs);
    connect(&idle_, &QTimer::timeout, this, &CMainWindow::IdleTick);
}

CMainWindow::~CMainWindow() {
    idle_.stop();
    DeleteGame();
}

void CMainWindow::ShowPlaced() {
    normalRect_ = halmora::ShowPlaced(*this);
}

void CMainWindow::BuildMenus() {
    auto* languages = new QActionGroup(this);
    for (const MenuDef& def : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menuTitles_.push_back(menu);
        for (const MenuItem& item : def.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString());
            action->setObjectName(QString("menu%1").arg(item.id));
            action->setData(item.id);
            action->setCheckable(item.id == kCmdKeyboardShortcuts);
            if (item.id >= kCmdLanguageAsSpecified && item.id <= kCmdLanguageEnglish) {
                action->setCheckable(true);
                languages->addAction(action);
            }
            connect(action, &QAction::triggered, this, [this, id = item.id] { Command(id); });
            menu_[item.id] = action;
        }
    }
    // Escape lets go of a marble as the right button does; it has no menu item.
    cancelMove_ = new QAction(this);
    addAction(cancelMove_);
    connect(cancelMove_, &QAction::triggered, this, &CMainWindow::CancelMove);
}

void CMainWindow::ApplyShortcuts() {
    const bool on = KeyboardShortcutsOn(settings_.Get());
    for (const auto& [id, action] : menu_)
        action->setShortcuts(on ? ShortcutsOf(id) : QList<QKeySequence>{});
    cancelMove_->setShortcut(on ? QKeySequence(Qt::Key_Escape) : QKeySequence());
    MenuAction(kCmdKeyboardShortcuts)->setChecked(on);
}

void CMainWindow::Retranslate() {
    setWindowTitle(ApplicationTitle());
    const std::vector<MenuDef>& defs = MenuBar();
    for (std::size_t m = 0; m < defs.size(); ++m) {
        menuTitles_[m]->setTitle(MenuText({0, defs[m].title}));
        for (const MenuItem& item : defs[m].items) {
            if (item.id != 0)
                MenuAction(item.id)->setText(MenuText(item));
        }
    }
    const UiLanguage language = LanguageOf(settings_.Get());
    MenuAction(kCmdLanguageAsSpecified + static_cast<int>(language))->setChecked(true);
    toolbar_->Retranslate();
    foot_.Retranslate();
    if (CGameInfoPanel* panel = host_.Panel())
        panel->Retranslate();
    if (game_)
        panes_.Show(*game_);
}

void CMainWindow::ChooseLanguage(UiLanguage language) {
    settings_.Change([language](CSettings& s) { SetLanguage(s, language); });
    ApplyLanguage(language);
    Retranslate();
}

void CMainWindow::ToggleShortcuts() {
    settings_.Change([](CSettings& s) { SetKeyboardShortcutsOn(s, !KeyboardShortcutsOn(s)); });
    ApplyShortcuts();
}

void CMainWindow::CancelMove() {
    // A right click where the mouse is: the game decides, as for the button, what it cancels.
    const QPoint p = board_->mapFromGlobal(QCursor::pos());
    BoardMouse(kRightButtonDown, 0, p.x(), p.y());
    BoardMouse(kRightButtonUp, 0, p.x(), p.y());
}

void CMainWindow::CreateControls() {
    foot_.Create(*board_, [this](int id) { Command(id); });
    controlsReady_ = true;
    SetGameMenus(GameMenus::Off);
    BoardResized();
    board_->update();
}

QAction* CMainWindow::MenuAction(int id) const {
    const auto it = menu_.find(id);
    return it == menu_.end() ? nullptr : it->second;
}

void CMainWindow::SetGameMenus(GameMenus menus) {
    menus_ = menus;
    UpdateCommands();
    menuBar()->update();
}

void CMainWindow::UpdateCommands() {
    const CommandFacts facts = FactsOf(game_.get(), gameReady_, menus_, host_.PanelShown());
    for (const CommandEntry& command : CommandTable()) {
        const bool enabled = IsEnabled(command.when, facts);
        if (QAction* action = MenuAction(command.id))
            action->setEnabled(enabled);
        toolbar_->SetCommandFlag(command.id, enabled);
        if (QPushButton* button = foot_.Button(command.id)) {
            // The quit button shows only when it can be used; the others with the game menus.
            button->setVisible(command.id == kCmdQuitGame ? enabled : facts.menusOn);
            button->setEnabled(enabled);
        }
    }
    toolbar_->UpdateCommands();
}

void CMainWindow::IdleTick() {
    // Modal dialogs and message boxes hold the game still, as does a tick already running (the
    // statistics window at the end of a game runs its own loop inside one).
    if (ticking_ || QApplication::activeModalWidget() != nullptr)
        return;
    ReportSettingsSaveFailure();
    ticking_ = true;
    if (game_ && gameReady_) {
        game_->Tick(canvas_);
        const int32_t showInfo = host_.PanelShown() ? 1 : 0;
        if (settings_->ShowGameInfo != showInfo)
            settings_.Change([showInfo](CSettings& s) { s.ShowGameInfo = showInfo; });
    }
    UpdateCommands();
    ShowTurn();
    if (game_ && gameReady_) {
        if (panes_.Show(*game_))
            toolbar_->UpdateCommands();
        if (game_->State() == kGameOver)
            EndFinishedGame();
    }
    ticking_ = false;
}

void CMainWindow::EndFinishedGame() {
    std::optional<GbkName> human;
    if (const GbkName* name = game_->FirstHumanName())
        human = *name;
    ShowStatistics(human);
    // The final position stays on the board, and the result in the status bar, until the player
    // has answered.
    panes_.ShowResult(*game_);
    const bool another =
        !sessionEnding_ && AskYesNo(this, Text(kAnotherGameQuestion), Text(kNewGameCaption));
    DeleteGame();
    SetGameMenus(GameMenus::Off);
    board_->update();
    if (another)
        QTimer::singleShot(0, this, [this] { Command(kCmdNewGame); });
}

void CMainWindow::DeleteGame() {
    // The renderer must not keep pointing into the board that goes with the game.
    canvas_.SetCursor(CursorKind::Arrow);
    game_.reset();
    gameReady_ = false;
    menus_ = GameMenus::Off;
    host_.DestroyInfoPanel();
    canvas_.Sync();
    // Nor may the status bar go on showing the game's time and turn.
    panes_.Clear();
    ShowTurn();
}

void CMainWindow::Command(int id) {
    const auto& table = CommandTable();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [id](const CommandEntry& c) { return c.id == id; });
    if (command != table.end())
        command->handler(*this);
    // Handled commands tick at once, so menus follow without waiting for the timer.
    IdleTick();
}

// A running game is left only when the player says so.
bool CMainWindow::MayLeaveGame(const char* question) {
    return !game_ || game_->State() == kGameOver ||
           AskYesNo(this, Text(question), Text(kGameRunningCaption));
}

void CMainWindow::NewGame() {
    if (!MayLeaveGame(kNewGameQuestion))
        return;
    // The running game waits while the next one is set up, and ends only once the sheet and
    // every human seat's name have been confirmed.
    PauseFrame([this] {
        if (!SetUpNewGame() || sessionEnding_)
            return;
        if (game_) {
            DeleteGame();
            SetGameMenus(GameMenus::Off);
        }
        StartNewGame();
    });
}

bool CMainWindow::SetUpNewGame() {
    CNewGameSheet sheet(this, settings_);
    sheet.exec();
    if (!sheet.Confirmed())
        return false;
    for (PlayerColor seat = 0; seat < kColorCount; ++seat) {
        if (settings_->PlayerType[seat] != kSeatHuman)
            continue;
        CPlayerPickerDialog picker(this, settings_, seat);
        if (picker.exec() != QDialog::Accepted)
            return false;
    }
    return true;
}

void CMainWindow::StartNewGame() {
    // A new game writes the settings it starts from.
    settings_.Save();
    const CSettings& s = settings_.Get();
    game_ = std::make_unique<CGame>(host_);
    game_->SetOptions(GameOptionsOf(s));
    for (PlayerColor seat = 0; seat < kColorCount; ++seat) {
        const PlayerType type = s.PlayerType[seat];
        if (type == kSeatHuman)
            game_->AddPlayer(
                std::make_unique<CHumanPlayer>(seat, type, GbkNameBytes(s.PlayerName[seat])));
        else if (IsComputerSeat(type))
            game_->AddPlayer(std::make_unique<CComputerPlayer>(
                seat, type, GbkNameBytes(ToGbkName(kComputerName))));
    }
    canvas_.SetAreaSize(board_->width(), board_->height());
    UpdateBackground();
    game_->NewGame(canvas_, board_->width(), board_->height(), kGamePlaying, s.GameInitialSeconds(),
                   s.GameSecondsPerMove());
    gameReady_ = true;
    SetGameMenus(GameMenus::On);
    RedrawAll();
}

void CMainWindow::Restart() {
    if (!game_) {
        NewGame();
        return;
    }
    if (game_->State() == kGameOver) {
        RedrawAll();
        return;
    }
    if (!AskYesNo(this, Text(kRestartQuestion), Text(kGameRunningCaption)))
        return;
    canvas_.SetAreaSize(board_->width(), board_->height());
    game_->Restart(canvas_, board_->width(), board_->height());
    SetGameMenus(GameMenus::On);
    RedrawAll();
}

void CMainWindow::Pause() {
    if (game_)
        game_->Pause(canvas_);
    if (game_) {
        SetGameMenus(GameMenus::Paused);
        board_->update();
    }
}

void CMainWindow::Continue() {
    if (game_)
        game_->Continue(canvas_);
    if (game_) {
        SetGameMenus(GameMenus::On);
        RedrawAll();
    }
}

void CMainWindow::OpenGame() {
    if (!MayLeaveGame(kOpenGameQuestion))
        return;
    // The running game waits while a file is chosen and read, and ends only once another game
    // has been read from it.
    PauseFrame([this] {
        const std::optional<std::string> path = AskSavedGamePath(this, false);
        if (path && !sessionEnding_)
            OpenGameFile(*path);
    });
}

bool CMainWindow::OpenGameFile(const std::string& path) {
    std::unique_ptr<CGame> old = std::move(game_);
    std::unique_ptr<CGameInfoPanel> panel;  // the running game's panel, while the file is read
    host_.SwapPanel(panel);
    const bool oldReady = gameReady_;
    game_ = std::make_unique<CGame>(host_);
    game_->SetOptions(GameOptionsOf(settings_.Get()));
    gameReady_ = false;
    canvas_.SetAreaSize(board_->width(), board_->height());
    UpdateBackground();
    std::string error;
    if (!game_->Load(canvas_, board_->width(), board_->height(), path, error)) {
        game_ = std::move(old);
        host_.SwapPanel(panel);
        gameReady_ = oldReady;
        canvas_.SetAreaSize(board_->width(), board_->height());
        ShowMessageBox(
            this, Explained(QT_TRANSLATE_NOOP("Messages", "The game could not be opened."), error),
            ApplicationTitle().toStdString());
        return false;
    }
    // The old game takes its own information panel with it when it goes, not the new one.
    host_.SwapPanel(panel);
    old.reset();
    host_.SwapPanel(panel);
    canvas_.SetCursor(CursorKind::Arrow);
    gameReady_ = true;
    SetGameMenus(GameMenus::On);
    return true;
}

void CMainWindow::SaveGame() {
    if (!game_)
        return;
    game_->Pause(canvas_);
    if (const std::optional<std::string> path = AskSavedGamePath(this, true)) {
        std::string error;
        if (!game_->Save(*path, error))
            ShowMessageBox(
                this,
                Explained(QT_TRANSLATE_NOOP("Messages", "The game could not be saved."), error),
                ApplicationTitle().toStdString());
    }
    if (game_)
        game_->Continue(canvas_);
    RedrawAll();
}

void CMainWindow::ChooseWallpaper() {
    DialogFrame([this] {
        CWallpaperDialog dialog(this, settings_);
        dialog.exec();
        if (std::unique_ptr<CSurface> picture = dialog.TakeNewWallpaper())
            wallpaper_.Take(std::move(picture));
    });
}

void CMainWindow::ShowStatistics(std::optional<GbkName> name) {
    // The window shows and deletes in the statistics kept here, so games still waiting to be
    // written are shown too.
    CStatsWindow window(this, settings_, std::move(name), &host_.Statistics());
    window.exec();
}

// Only a game that plays is paused around a dialog, and only that one is resumed: a game the
// player paused stays paused, with its menus, and an undo or redo being shown goes on.
bool CMainWindow::PauseIfPlaying() {
    if (!game_ || game_->State() != kGamePlaying)
        return false;
    game_->Pause(canvas_);
    return true;
}

void CMainWindow::PauseFrame(const std::function<void()>& action) {
    const bool held = PauseIfPlaying();
    action();
    if (held && game_)
        game_->Continue(canvas_);
    RedrawAll();
}

void CMainWindow::DialogFrame(const std::function<void()>& action) {
    const bool held = PauseIfPlaying();
    action();
    UpdateBackground();
    if (game_) {
        game_->SetOptions(GameOptionsOf(settings_.Get()));
        if (held)
            game_->Continue(canvas_);
    }
    RedrawAll();
}

void CMainWindow::RedrawAll() {
    if (game_ && gameReady_)
        game_->Redraw(canvas_);
    board_->update();
}

void CMainWindow::UpdateBackground() {
    wallpaper_.Update(board_->width(), board_->height(), settings_.Get(), renderer_);
}

void CMainWindow::BoardPaint(QPainter& dc, const QRect& dirty) {
    // On a screen of another density the board is drawn anew for it.
    if (controlsReady_ && board_->devicePixelRatioF() != renderer_.DevicePixelRatio())
        BoardResized();
    const bool showsGame = controlsReady_ && game_ && gameReady_ && !renderer_.Image().isNull();
    if (showsGame)
        renderer_.PaintOn(dc, dirty);
    else
        wallpaper_.Paint(dc, dirty, settings_.Get());
    if (turnShown_ != kNoColor && dirty.intersects(TurnMarbleRect()))
        DrawTurnMarble(dc, turnShown_);
    if (controlsReady_ && game_ && game_->State() == kGamePaused) {
        // Placed from the bottom of the whole client area, status bar and toolbar included.
        const int clientBottom = board_->height() + board_->y() + statusBar()->height();
        const int l = board_->width() / 2 - 100;
        const int y = clientBottom - 130;
        CTextPainter painter;
        painter.Init(24, true, false, QStringLiteral("Arial"), Qt::black, 0);
        painter.DrawIn(dc, QCoreApplication::translate("CMainWindow", kPauseNotice), l, y, l + 250,
                       y + 30);
        painter.SetColour(Qt::white);
        painter.DrawIn(dc, QCoreApplication::translate("CMainWindow", kPauseNotice), l - 2, y - 2,
                       l + 250, y + 30);
    }
}

void CMainWindow::BoardMouse(int message, int keyFlags, int x, int y) {
    if (!game_)
        return;
    game_->MouseInput(message, keyFlags, x, y, canvas_);
    IdleTick();
}

void CMainWindow::BoardResized() {
    if (!controlsReady_)
        return;
    const int w = board_->width();
    const int h = board_->height();
    renderer_.SetDevicePixelRatio(board_->devicePixelRatioF());
    canvas_.SetAreaSize(w, h);
    UpdateBackground();
    if (game_) {
        game_->Relayout(w, h);
        canvas_.SetAreaSize(w, h);
        if (gameReady_)
            game_->Redraw(canvas_);
    }
    foot_.Place(w, h);
    board_->update();
    PlaceInfoPanel();
}

void CMainWindow::PlaceInfoPanel() {
    if (CGameInfoPanel* panel = host_.Panel())
        PlacePanel(*panel);
}

void CMainWindow::PlacePanel(QWidget& panel) {
    if (game_ && game_->Board())
        PlaceBesideStar(panel, *board_, *game_->Board());
}

void CMainWindow::ShowTurn() {
    const bool shown = controlsReady_ && game_ && gameReady_ && game_->Options().markLastMove &&
                       game_->State() != kGameOver;
    const PlayerColor turn = shown ? game_->CurrentColour() : kNoColor;
    if (turn == turnShown_)
        return;
    turnShown_ = turn;
    board_->update(TurnMarbleRect());
}

void CMainWindow::ApplyCursor(CursorKind kind, PlayerColor colour) {
    switch (kind) {
        case CursorKind::Arrow:
            board_->setCursor(Qt::ArrowCursor);
            break;
        case CursorKind::Busy:
            board_->setCursor(Qt::BusyCursor);
            break;
        case CursorKind::Hand:
            board_->setCursor(cursors_.Hand());
            break;
        case CursorKind::Marble: {
            const CGameBoard* board = game_ ? game_->Board() : nullptr;
            board_->setCursor(cursors_.Marble(board ? board->BoardSize() : 0, colour));
            break;
        }
    }
}

void CMainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys act only as shortcuts of the commands (and Escape); any other key does nothing.
    event->accept();
}

void CMainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    PlaceInfoPanel();
}

void CMainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The desktop may give a window that leaves the maximised state the whole screen again.
    const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (old.testFlag(Qt::WindowMaximized) && !isMaximized())
        QTimer::singleShot(0, this, [this] { KeepRestoredWindowSensible(*this, normalRect_); });
}

}  // namespace halmora
