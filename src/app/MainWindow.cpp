#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <system_error>
#include <utility>

#include "app/AboutDialog.h"
#include "app/BoardSettingsSheet.h"
#include "app/CommandIds.h"
#include "app/GameToolBar.h"
#include "app/HelpLinks.h"
#include "app/MessageBoxes.h"
#include "app/NewGameSheet.h"
#include "app/PlayerPickerDialog.h"
#include "app/SoundDialog.h"
#include "app/SoundPlayer.h"
#include "app/StatsWindow.h"
#include "app/WallpaperDialog.h"
#include "board/BoardGeometry.h"
#include "game/ComputerPlayer.h"
#include "game/GameRecordFiling.h"
#include "game/HumanPlayer.h"
#include "platform/AppFolder.h"
#include "platform/TextEncoding.h"
#include "records/Rating.h"
#include "view/ViewMessages.h"

namespace halmora {
namespace {

constexpr char kComputerName[] = "电脑玩家       ";

constexpr char kNewGameQuestion[] =
    "     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        ";
constexpr char kRestartQuestion[] = "你是否确信你要重新开始这个游戏?            ";
constexpr char kOpenGameQuestion[] =
    "你已经正在玩游戏。 离开这场游戏和打开另一个?                    ";
constexpr char kGameRunningCaption[] = "游戏在进行...      ";
// The old text carried a stray half character between its two sentences; it is left out.
constexpr char kCloseQuestion[] =
    "  你现在正参与一个游戏，游戏尚未结束  你确定你想要退出吗?           ";
constexpr char kCloseCaption[] = "游戏在进行      ";
constexpr char kAnotherGameQuestion[] = "是否你想要玩另一个游戏?             ";
constexpr char kNewGameCaption[] = "新的游戏";
constexpr char kGameOverText[] = "游戏退出.     ";
constexpr char kPauseNotice[] = "- 游戏暂停中 - ";

constexpr int kPaneWidths[3] = {96, 96, 384};
constexpr int kPaneIds[3] = {6771, 6772, 6773};

struct MenuItem {
    int id;  // 0: separator
    const char* text;
};

struct MenuDef {
    const char* title;
    std::vector<MenuItem> items;
};

const std::vector<MenuDef>& Menus() {
    static const std::vector<MenuDef> menus = {
        {"游戏(&G)",
         {{kCmdNewGame, "新的游戏(&N)..."},
          {kCmdRestart, "重新开始游戏(&R)   "},
          {0, nullptr},
          {kCmdPause, "暂停游戏      "},
          {kCmdContinue, "继续游戏(&C)      "},
          {0, nullptr},
          {kCmdOpenGame, "打开游戏...     "},
          {kCmdSaveGame, "保存游戏(&S)...  "},
          {0, nullptr},
          {kCmdExit, "退出(&E)"}}},
        {"选项(&O)  ",
         {{kCmdUndo, "取消移动(&U)  "},
          {kCmdRedo, "重做移动(&R)  "},
          {kCmdSuggest, "建议移动(&S)     "},
          {kCmdForce, "强制移动(&F)   "},
          {0, nullptr},
          {kCmdRotateLeft, "转动棋盘向左           "},
          {kCmdRotateRight, "转动棋盘向右            "},
          {0, nullptr},
          {kCmdViewStatistics, "查看统计(&V)...        "},
          {0, nullptr},
          {kCmdBoardSettings, "棋盘设定(&B)...       "},
          {kCmdSoundSettings, "声音设定...          "},
          {kCmdChooseWallpaper, "选取壁纸(&P)...       "}}},
        {"互联网(&I)  ",
         {{kCmdOnlineSupport, "在线支持          "}, {kCmdVisitWebsite, "访问网站(&V)      "}}},
        {"帮助(&H)",
         {{kCmdHelp, "帮助(&H).."},
          {kCmdHowToPlay, "如何玩游戏...      "},
          {kCmdGameHistory, "游戏历史(&G)...     "},
          {0, nullptr},
          {kCmdAbout, "关於(&A)..."}}},
    };
    return menus;
}

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString Format(const char* format, int a, int b) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return QString::fromUtf8(text);
}

// "Game Time mm:ss" with both parts padded to two digits.
QString GameTimeText(uint32_t ms) {
    const int m = static_cast<int>(ms / 60000);
    const int s = static_cast<int>((ms - 60000u * static_cast<uint32_t>(m)) / 1000);
    if (m > 9 && s > 9)
        return Format("Game Time %d:%d", m, s);
    if (s > 9)
        return Format("Game Time 0%d:%d", m, s);
    if (m > 9)
        return Format("Game Time %d:0%d", m, s);
    return Format("Game Time 0%d:0%d", m, s);
}

std::optional<std::string> AskPathWithQt(QWidget* parent, bool save) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(QStringLiteral("Halmora Files (*.hlm)"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("hlm"));
        dialog.selectFile(QStringLiteral("Save1"));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
    }
    dialog.setDirectory(QString::fromStdString(ApplicationFolder().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

FileDialogFunction& FileDialog() {
    static FileDialogFunction ask = AskPathWithQt;
    return ask;
}

}  // namespace

void SetFileDialogFunction(FileDialogFunction ask) {
    FileDialog() = ask ? std::move(ask) : FileDialogFunction(AskPathWithQt);
}

CMainWindow::CMainWindow()
    : canvas_(
          renderer_, [this] { return game_ ? game_->Board() : nullptr; },
          [this](CursorKind kind, PlayerColor colour) { ApplyCursor(kind, colour); }) {
    setObjectName("mainWindow");
    setWindowTitle(Utf8(kApplicationTitle));
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
    BuildStatusBar();
    board_ = new CBoardArea(*this, this);
    setCentralWidget(board_);

    CheckDataFiles();
    settings_.Load();
    LoadWallpaper();
    cursors_.Load();
    renderer_.SetChangedCallback([this](const QRect& area) { board_->update(area); });

    idle_.setInterval(kIdleIntervalMs);
    connect(&idle_, &QTimer::timeout, this, &CMainWindow::IdleTick);
}

CMainWindow::~CMainWindow() {
    idle_.stop();
    DeleteGame();
}

void CMainWindow::BuildMenus() {
    for (const MenuDef& def : Menus()) {
        QMenu* menu = menuBar()->addMenu(Utf8(def.title));
        for (const MenuItem& item : def.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Utf8(item.text));
            action->setObjectName(QString("menu%1").arg(item.id));
            action->setData(item.id);
            connect(action, &QAction::triggered, this, [this, id = item.id] { Command(id); });
            menu_[item.id] = action;
        }
    }
}

void CMainWindow::BuildStatusBar() {
    // The panes keep their classic widths; a compact face keeps "Game Time 00:00" inside 96.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    statusBar()->setFont(font);
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString("pane%1").arg(kPaneIds[i]));
        pane->setFixedWidth(kPaneWidths[i]);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setIndent(2);
        statusBar()->addWidget(pane);
        panes_[i] = pane;
    }
}

QPushButton* CMainWindow::MakeFootButton(int id, const QString& text) {
    auto* button = new QPushButton(text, board_);
    button->setObjectName(QString("button%1").arg(id));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, id] { Command(id); });
    foot_[id] = button;
    return button;
}

void CMainWindow::CreateControls() {
    QPushButton* right = MakeFootButton(kCmdRotateRight, QString());
    right->setIcon(QIcon(QString::fromStdString(AppFile("Resources/icon-125.png").string())));
    right->setIconSize(QSize(32, 32));
    QPushButton* left = MakeFootButton(kCmdRotateLeft, QString());
    left->setIcon(QIcon(QString::fromStdString(AppFile("Resources/icon-126.png").string())));
    left->setIconSize(QSize(32, 32));
    MakeFootButton(kCmdShowGameInfo, Utf8("显示游戏信息...  "));
    MakeFootButton(kCmdQuitGame, Utf8("退出游戏"));
    controlsReady_ = true;
    PlaceFootButtons();
    DisableGameMenus();
    BoardResized();
    board_->update();
    toolbar_->UpdateCommands();
}

void CMainWindow::PlaceFootButtons() {
    if (!controlsReady_)
        return;
    const int w = board_->width();
    const int b = board_->height();
    foot_[kCmdRotateRight]->setGeometry(10, b - 50, 40, 40);
    foot_[kCmdRotateLeft]->setGeometry(60, b - 50, 40, 40);
    foot_[kCmdShowGameInfo]->setGeometry(w - 140, b - 50, 130, 40);
    foot_[kCmdQuitGame]->setGeometry(w - 250, b - 50, 100, 40);
}

QAction* CMainWindow::MenuAction(int id) const {
    const auto it = menu_.find(id);
    return it == menu_.end() ? nullptr : it->second;
}

QPushButton* CMainWindow::FootButton(int id) const {
    const auto it = foot_.find(id);
    return it == foot_.end() ? nullptr : it->second;
}

QString CMainWindow::PaneText(int pane) const {
    return panes_[pane]->text();
}

void CMainWindow::SetMenuEnabled(int id, bool enabled) {
    if (QAction* action = MenuAction(id))
        action->setEnabled(enabled);
}

void CMainWindow::EnableGameMenus() {
    for (int id : {kCmdRestart, kCmdSaveGame, kCmdPause, kCmdRotateLeft, kCmdRotateRight})
        SetMenuEnabled(id, true);
    for (int id : {kCmdContinue, kCmdForce, kCmdSuggest, kCmdUndo, kCmdRedo})
        SetMenuEnabled(id, false);
    for (auto& [id, button] : foot_) {
        button->setEnabled(true);
        button->show();
    }
    menuBar()->update();
}

void CMainWindow::DisableGameMenus() {
    for (int id : {kCmdRestart, kCmdSaveGame, kCmdPause, kCmdContinue, kCmdForce, kCmdSuggest,
                   kCmdUndo, kCmdRedo, kCmdRotateLeft, kCmdRotateRight})
        SetMenuEnabled(id, false);
    for (auto& [id, button] : foot_) {
        button->setEnabled(false);
        button->hide();
    }
    menuBar()->update();
}

void CMainWindow::IdleTick() {
    // Modal dialogs and message boxes hold the game still, as does a tick already running (the
    // statistics window at the end of a game runs its own loop inside one).
    if (ticking_ || QApplication::activeModalWidget() != nullptr)
        return;
    ReportSettingsSaveFailure();
    ticking_ = true;
    if (!game_ || !gameReady_) {
        SetMenuEnabled(kCmdNewGame, true);
        toolbar_->SetFlag(CGameToolBar::kNewFlag, true);
        for (int id : {kCmdRestart, kCmdUndo, kCmdRedo, kCmdForce, kCmdSuggest, kCmdSaveGame,
                       kCmdRotateLeft, kCmdRotateRight})
            SetMenuEnabled(id, false);
        for (auto flag :
             {CGameToolBar::kRestartFlag, CGameToolBar::kUndoFlag, CGameToolBar::kRedoFlag,
              CGameToolBar::kForceFlag, CGameToolBar::kSuggestFlag})
            toolbar_->SetFlag(flag, false);
        for (int id : {kCmdRotateLeft, kCmdRotateRight})
            if (QPushButton* button = FootButton(id))
                button->setEnabled(false);
        toolbar_->UpdateCommands();
        ticking_ = false;
        return;
    }

    game_->Tick(canvas_);

    SetMenuEnabled(kCmdNewGame, true);
    SetMenuEnabled(kCmdRestart, true);
    toolbar_->SetFlag(CGameToolBar::kNewFlag, true);
    toolbar_->SetFlag(CGameToolBar::kRestartFlag, true);
    const bool canUndo = game_->CanUndo();
    const bool canRedo = game_->CanRedo();
    const bool canForce = game_->CanForceMove();
    const bool canSuggest = game_->CanSuggest();
    SetMenuEnabled(kCmdUndo, canUndo);
    SetMenuEnabled(kCmdRedo, canRedo);
    SetMenuEnabled(kCmdForce, canForce);
    SetMenuEnabled(kCmdSuggest, canSuggest);
    toolbar_->SetFlag(CGameToolBar::kUndoFlag, canUndo);
    toolbar_->SetFlag(CGameToolBar::kRedoFlag, canRedo);
    toolbar_->SetFlag(CGameToolBar::kForceFlag, canForce);
    toolbar_->SetFlag(CGameToolBar::kSuggestFlag, canSuggest);
    for (int id : {kCmdSaveGame, kCmdRotateLeft, kCmdRotateRight})
        SetMenuEnabled(id, canSuggest);
    for (int id : {kCmdRotateLeft, kCmdRotateRight})
        if (QPushButton* button = FootButton(id))
            button->setEnabled(canSuggest);

    const bool panelOpen = panel_ && panel_->IsShown();
    if (QPushButton* info = FootButton(kCmdShowGameInfo))
        info->setEnabled(!panelOpen);
    const int32_t showInfo = panelOpen ? 1 : 0;
    if (settings_.ShowGameInfo != showInfo) {
        settings_.ShowGameInfo = showInfo;
        settings_.Save();
    }

    if (QPushButton* quit = FootButton(kCmdQuitGame)) {
        const bool offer = game_->CanEndGameNow();
        if (offer && (quit->isHidden() || !quit->isEnabled())) {
            quit->show();
            quit->setEnabled(true);
        } else if (!offer && (!quit->isHidden() || quit->isEnabled())) {
            quit->hide();
            quit->setEnabled(false);
        }
    }

    UpdatePanes();
    toolbar_->UpdateCommands();

    if (game_->State() == kGameOver)
        EndFinishedGame();
    ticking_ = false;
}

void CMainWindow::UpdatePanes() {
    SetPane(0, GameTimeText(game_->GameClock().Get()));
    const int players = std::max(game_->Players(), 1);
    SetPane(1, QString::asprintf("Turns Played: %d", game_->MoveCount() / players));
    QString turn;
    if (game_->State() == kGameOver) {
        turn = Utf8(kGameOverText);
    } else if (const CPlayer* player = game_->Current()) {
        turn =
            QString::fromUtf8("(%1) %2's turn")
                .arg(QString::fromUtf8(ColourName(game_->CurrentColour()).data(),
                                       static_cast<int>(ColourName(game_->CurrentColour()).size())),
                     QString::fromStdString(GbkNameToUtf8(player->Name())));
        if (const uint32_t left = game_->CurrentClock(); left != 0) {
            const int m = static_cast<int>(left / 60000);
            const int s = static_cast<int>((left - 60000u * static_cast<uint32_t>(m)) / 1000);
            turn += s > 9 ? Format(" - Time Remaining %d:%d", m, s)
                          : Format(" - Time Remaining %d:0%d", m, s);
        }
    }
    if (turn != panes_[2]->text()) {
        SetPane(2, turn);
        toolbar_->UpdateCommands();
    }
}

void CMainWindow::SetPane(int pane, const QString& text) {
    if (panes_[pane]->text() != text)
        panes_[pane]->setText(text);
}

void CMainWindow::EndFinishedGame() {
    std::optional<GbkName> human;
    if (const GbkName* name = game_->FirstHumanName())
        human = *name;
    ShowStatistics(human);
    settings_.Load();
    for (int i = 0; i < 3; ++i)
        SetPane(i, QString());
    DeleteGame();
    DisableGameMenus();
    board_->update();
    if (!sessionEnding_ && AskYesNo(this, kAnotherGameQuestion, kNewGameCaption))
        QTimer::singleShot(0, this, [this] { Command(kCmdNewGame); });
}

void CMainWindow::DeleteGame() {
    // The renderer must not keep pointing into the board that goes with the game.
    canvas_.SetCursor(CursorKind::Arrow);
    game_.reset();
    gameReady_ = false;
    panel_.reset();
    canvas_.Sync();
    // Nor may the status bar go on showing the game's time and turn.
    for (QLabel* pane : panes_)
        if (pane != nullptr)
            pane->clear();
}

void CMainWindow::Command(int id) {
    switch (id) {
        case kCmdNewGame:
            NewGame();
            break;
        case kCmdRestart:
            Restart();
            break;
        case kCmdPause:
            Pause();
            break;
        case kCmdContinue:
            Continue();
            break;
        case kCmdOpenGame:
            OpenGame();
            break;
        case kCmdSaveGame:
            SaveGame();
            break;
        case kCmdExit:
            QTimer::singleShot(0, this, &QWidget::close);
            break;
        case kCmdUndo:
            if (game_) {
                game_->Undo(canvas_);
                RedrawAll();
            }
            break;
        case kCmdRedo:
            if (game_) {
                game_->Redo(canvas_);
                RedrawAll();
            }
            break;
        case kCmdSuggest:
            if (game_)
                game_->Suggest(canvas_);
            break;
        case kCmdForce:
            if (game_)
                game_->ForceMove();
            break;
        case kCmdRotateLeft:
        case kCmdRotateRight:
            if (game_) {
                game_->RotateBoard(canvas_, id == kCmdRotateLeft ? 0 : 1);
                RedrawAll();
            }
            break;
        case kCmdViewStatistics:
            DialogFrame([this] { ShowStatistics(std::nullopt); });
            break;
        case kCmdBoardSettings:
            DialogFrame([this] {
                CBoardSettingsSheet sheet(this);
                sheet.exec();
            });
            break;
        case kCmdSoundSettings:
            DialogFrame([this] {
                CSoundDialog dialog(this);
                dialog.exec();
            });
            break;
        case kCmdChooseWallpaper:
            ChooseWallpaper();
            break;
        case kCmdOnlineSupport:
            PauseFrame([] { OpenOnlineSupport(); });
            break;
        case kCmdVisitWebsite:
            PauseFrame([] { OpenWebsite(); });
            break;
        case kCmdHelp:
            PauseFrame([] { OpenHelp(); });
            break;
        case kCmdHowToPlay:
            PauseFrame([] { OpenHelpTopic(kHowToPlayTopic); });
            break;
        case kCmdGameHistory:
            PauseFrame([] { OpenHelpTopic(kGameHistoryTopic); });
            break;
        case kCmdAbout:
            PauseFrame([this] { About(); });
            break;
        case kCmdShowGameInfo:
            if (game_ && panel_)
                panel_->Show();
            break;
        case kCmdQuitGame:
            if (game_ && game_->CanEndGameNow())
                game_->EndGameNow(canvas_);
            break;
        default:
            break;
    }
    // Handled commands tick at once, so menus follow without waiting for the timer.
    IdleTick();
}

void CMainWindow::NewGame() {
    if (game_ && game_->State() != kGameOver) {
        if (!AskYesNo(this, kNewGameQuestion, kGameRunningCaption))
            return;
    }
    // The running game waits while the next one is set up, and ends only once the sheet and
    // every human seat's name have been confirmed.
    const bool held = PauseIfPlaying();
    const auto confirmed = [this] {
        CNewGameSheet sheet(this);
        sheet.exec();
        settings_.Load();
        if (!sheet.Confirmed())
            return false;
        for (PlayerColor seat = 0; seat < kColorCount; ++seat) {
            if (settings_.PlayerType[seat] != kSeatHuman)
                continue;
            CPlayerPickerDialog picker(this, seat);
            const int answer = picker.exec();
            settings_.Load();
            if (answer != QDialog::Accepted)
                return false;
        }
        return true;
    };
    if (!confirmed() || sessionEnding_) {
        if (held && game_)
            game_->Continue(canvas_);
        RedrawAll();
        return;
    }
    if (game_) {
        DeleteGame();
        DisableGameMenus();
    }
    settings_.Save();

    game_ = std::make_unique<CGame>(*this);
    for (PlayerColor seat = 0; seat < kColorCount; ++seat) {
        const int32_t type = settings_.PlayerType[seat];
        const auto& name = settings_.PlayerName[seat];
        if (type == kSeatHuman) {
            game_->AddPlayer(std::make_unique<CHumanPlayer>(seat, static_cast<PlayerType>(type),
                                                            GbkNameBytes(name)));
        } else if (type >= kSeatNovice && type <= kSeatMaster) {
            game_->AddPlayer(std::make_unique<CComputerPlayer>(
                seat, static_cast<PlayerType>(type), GbkNameBytes(ToGbkName(kComputerName))));
        }
    }
    canvas_.SetAreaSize(board_->width(), board_->height());
    UpdateBackground();
    game_->NewGame(canvas_, board_->width(), board_->height(), kGamePlaying,
                   settings_.GameInitialSeconds(), settings_.GameSecondsPerMove());
    gameReady_ = true;
    EnableGameMenus();
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
    if (!AskYesNo(this, kRestartQuestion, kGameRunningCaption))
        return;
    canvas_.SetAreaSize(board_->width(), board_->height());
    game_->Restart(canvas_, board_->width(), board_->height());
    EnableGameMenus();
    RedrawAll();
}

void CMainWindow::Pause() {
    if (game_)
        game_->Pause(canvas_);
    if (game_) {
        DisableGameMenus();
        SetMenuEnabled(kCmdContinue, true);
        board_->update();
    }
}

void CMainWindow::Continue() {
    if (game_)
        game_->Continue(canvas_);
    if (game_) {
        EnableGameMenus();
        RedrawAll();
    }
}

void CMainWindow::OpenGame() {
    if (game_ && game_->State() != kGameOver) {
        if (!AskYesNo(this, kOpenGameQuestion, kGameRunningCaption))
            return;
    }
    // The running game waits while a file is chosen and read, and ends only once another game
    // has been read from it.
    const bool held = PauseIfPlaying();
    const std::optional<std::string> path = FileDialog()(this, false);
    if (!path || sessionEnding_ || !OpenGameFile(*path)) {
        if (held && game_)
            game_->Continue(canvas_);
    }
    RedrawAll();
}

bool CMainWindow::OpenGameFile(const std::string& path) {
    std::unique_ptr<CGame> old = std::move(game_);
    std::unique_ptr<CGameInfoPanel> oldPanel = std::move(panel_);
    const bool oldReady = gameReady_;
    game_ = std::make_unique<CGame>(*this);
    gameReady_ = false;
    canvas_.SetAreaSize(board_->width(), board_->height());
    UpdateBackground();
    std::string error;
    if (!game_->Load(canvas_, board_->width(), board_->height(), path, error)) {
        game_ = std::move(old);
        panel_ = std::move(oldPanel);
        gameReady_ = oldReady;
        canvas_.SetAreaSize(board_->width(), board_->height());
        ShowMessageBox(this, error, kApplicationTitle);
        return false;
    }
    // The old game takes its own information panel with it when it goes, not the new one.
    std::swap(panel_, oldPanel);
    old.reset();
    panel_ = std::move(oldPanel);
    canvas_.SetCursor(CursorKind::Arrow);
    gameReady_ = true;
    EnableGameMenus();
    return true;
}

void CMainWindow::SaveGame() {
    if (!game_)
        return;
    game_->Pause(canvas_);
    if (const std::optional<std::string> path = FileDialog()(this, true)) {
        std::string error;
        if (!game_->Save(*path, error))
            ShowMessageBox(this, error, kApplicationTitle);
    }
    if (game_)
        game_->Continue(canvas_);
    RedrawAll();
}

void CMainWindow::ShowStatistics(std::optional<GbkName> name) {
    // The window shows and deletes in the statistics kept here, so games still waiting to be
    // written are shown too.
    CStatsWindow window(this, std::move(name), &stats_);
    window.exec();
}

void CMainWindow::ChooseWallpaper() {
    DialogFrame([this] {
        CWallpaperDialog dialog(this);
        dialog.exec();
        if (std::unique_ptr<CSurface> picture = dialog.TakeNewWallpaper())
            wallpaper_ = std::move(picture);
    });
}

void CMainWindow::About() {
    CAboutDialog dialog(this);
    dialog.exec();
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
    ReloadSettings();
    if (game_) {
        game_->SettingsChanged();
        if (held)
            game_->Continue(canvas_);
    }
    RedrawAll();
}

void CMainWindow::ReloadSettings() {
    settings_.Load();
    UpdateBackground();
}

void CMainWindow::RedrawAll() {
    if (game_ && gameReady_)
        game_->Redraw(canvas_);
    board_->update();
}

void CMainWindow::LoadWallpaper() {
    wallpaper_.reset();
    if (settings_.WallpaperMode != 1 && settings_.WallpaperMode != 2)
        return;
    wallpaper_ = std::make_unique<CSurface>();
    wallpaper_->Load(CWallpaperDialog::PicturePath(settings_).string());
}

// The picture the board is laid over: the wallpaper tiled or stretched over the board area, or
// nothing when the plain colour shows.
void CMainWindow::UpdateBackground() {
    const int w = board_->width();
    const int h = board_->height();
    const QColor colour(settings_.WallpaperRed & 0xFF, settings_.WallpaperGreen & 0xFF,
                        settings_.WallpaperBlue & 0xFF);
    background_ = QImage();
    if (settings_.WallpaperMode >= 1 && wallpaper_ && wallpaper_->Width() > 0 &&
        wallpaper_->Height() > 0 && w > 0 && h > 0) {
        background_ = QImage(w, h, QImage::Format_RGB32);
        background_.fill(colour);
        QPainter dc(&background_);
        if (settings_.StretchWallpaper != 1) {
            const int columns = w / wallpaper_->Width() + 1;
            const int rows = h / wallpaper_->Height() + 1;
            for (int c = 0; c < columns; ++c)
                for (int r = 0; r < rows; ++r)
                    wallpaper_->Draw(dc, c * wallpaper_->Width(), r * wallpaper_->Height());
        } else {
            wallpaper_->DrawStretched(dc, 0, 0, w, h, 0, 0, wallpaper_->Width(),
                                      wallpaper_->Height());
        }
    }
    renderer_.SetBackgroundColor(colour);
    renderer_.SetBackgroundImage(background_);
}

void CMainWindow::BoardPaint(QPainter& dc, const QRect& dirty) {
    const bool showsGame = controlsReady_ && game_ && gameReady_ && !renderer_.Image().isNull();
    if (showsGame) {
        dc.drawImage(dirty, renderer_.Image(), dirty);
    } else if (!background_.isNull()) {
        dc.drawImage(dirty, background_, dirty);
    } else {
        dc.fillRect(dirty, QColor(settings_.WallpaperRed & 0xFF, settings_.WallpaperGreen & 0xFF,
                                  settings_.WallpaperBlue & 0xFF));
    }
    if (controlsReady_ && game_ && game_->State() == kGamePaused) {
        // Placed from the bottom of the whole client area, status bar and toolbar included.
        const int clientBottom = board_->height() + board_->y() + statusBar()->height();
        const int l = board_->width() / 2 - 100;
        const int y = clientBottom - 130;
        CTextPainter painter;
        painter.Init(24, true, false, QStringLiteral("Arial"), Qt::black, 0);
        painter.DrawIn(dc, Utf8(kPauseNotice), l, y, l + 250, y + 30);
        painter.SetColour(Qt::white);
        painter.DrawIn(dc, Utf8(kPauseNotice), l - 2, y - 2, l + 250, y + 30);
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
    canvas_.SetAreaSize(w, h);
    UpdateBackground();
    if (game_) {
        game_->Relayout(w, h);
        canvas_.SetAreaSize(w, h);
        if (gameReady_)
            game_->Redraw(canvas_);
    }
    PlaceFootButtons();
    board_->update();
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
    // No key does anything; there are no accelerators either.
    event->accept();
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (game_ && !sessionEnding_ && !AskYesNo(this, kCloseQuestion, kCloseCaption)) {
        event->ignore();
        return;
    }
    idle_.stop();
    wallpaper_.reset();
    settings_.Save();
    DeleteGame();
    ReportSettingsSaveFailure();
    SavePendingStatistics();
    event->accept();
}

// Start-up: a settings or statistics file that cannot be read whole is kept aside before
// anything can be saved over it; the player is told once, by ShowStartupNotices.
void CMainWindow::CheckDataFiles() {
    if (std::optional<std::string> kept = CSettings::KeepUnreadableFileAside())
        startupNotices_.push_back(std::move(*kept));
    const StatsStatus opened = stats_.Open();
    if (!opened.notice.empty())
        startupNotices_.push_back(opened.notice);
}

void CMainWindow::ShowStartupNotices() {
    for (const std::string& notice : std::exchange(startupNotices_, {}))
        ShowMessageBox(this, notice, kApplicationTitle);
}

void CMainWindow::ReportSettingsSaveFailure() {
    std::optional<std::string> failure = CSettings::TakeSaveFailure();
    if (!failure)
        return;
    const std::string text = "The settings could not be saved (" + *failure + ").";
    if (sessionEnding_)
        TellAtSessionEnd(text);
    else
        PauseFrame([&] { ShowMessageBox(this, text, kApplicationTitle); });
}

// When the session ends nobody is left to answer a message box; the session's log keeps it.
void CMainWindow::TellAtSessionEnd(const std::string& text) {
    std::fprintf(stderr, "halmora: %s\n", text.c_str());
}

// Games whose filing failed are written now; only they, so that nothing is written at all
// when every game was recorded at its end.
void CMainWindow::SavePendingStatistics() {
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
    for (const std::string& text : texts) {
        if (sessionEnding_)
            TellAtSessionEnd(text);
        else
            ShowMessageBox(this, text, kApplicationTitle);
    }
}

std::filesystem::path CMainWindow::InterruptedGamePath() {
    return AppFile("Interrupted Game.hlm");
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
    // A marble in flight is kept on the hole it left, where the board has it until its move
    // ends; the move is then made again.
    CGameBoard& board = *game_->Board();
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            board.Hole(col, row).marbleHidden = 0;
    std::string error;
    // Nobody is left to see a message box; the session's log is.
    if (!game_->Save(InterruptedGamePath(), error))
        std::fprintf(stderr, "halmora: the game in progress could not be kept: %s\n",
                     error.c_str());
}

bool CMainWindow::OfferInterruptedGame() {
    const std::filesystem::path path = InterruptedGamePath();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    char stamp[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr)
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string keptName = std::string("Interrupted Game ") + stamp + ".hlm";
    const std::string question =
        "A game was still in progress when the session ended last time, and was kept. "
        "Continue it now?\n\nIf not, it stays in the game folder as \"" +
        keptName + "\", for Open Game.";
    if (AskYesNo(this, question, kApplicationTitle) && !sessionEnding_ &&
        OpenGameFile(path.string())) {
        std::filesystem::remove(path, ec);
        RedrawAll();
        return true;
    }
    // Kept, and not offered again.
    std::filesystem::rename(path, path.parent_path() / keptName, ec);
    RedrawAll();
    return false;
}

// --- CGameHost ---

void CMainWindow::ShowMessage(const std::string& caption, const std::string& text) {
    ShowMessageBox(this, text, caption);
}

void CMainWindow::PlaySound(const std::string& relativePath) {
    PlayGameSound(relativePath);
}

void CMainWindow::CreateInfoPanel() {
    panel_ = std::make_unique<CGameInfoPanel>(this);
    panel_->SetClocksShown(game_ && game_->ClocksOn());
    panel_->Show();
}

void CMainWindow::CloseInfoPanel() {
    if (panel_)
        panel_->Close();
}

void CMainWindow::DestroyInfoPanel() {
    panel_.reset();
}

void CMainWindow::AddInfoRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) {
    if (panel_)
        panel_->AddRow(colour, name, remainingMs);
}

void CMainWindow::SetInfoCurrent(PlayerColor colour) {
    if (panel_)
        panel_->SetCurrent(colour);
}

void CMainWindow::SetInfoMarblesHome(PlayerColor colour, int count) {
    if (panel_)
        panel_->SetMarblesHome(colour, count);
}

void CMainWindow::SetInfoPlace(PlayerColor colour, int place) {
    if (panel_)
        panel_->SetPlace(colour, place);
}

void CMainWindow::SetInfoClock(uint32_t remainingMs) {
    if (panel_)
        panel_->SetClock(panel_->Current(), remainingMs);
}

int32_t CMainWindow::HumanRating(const GbkName& name) {
    // Games that other windows have recorded since count too.
    stats_.Refresh();
    return StartRating(kSeatHuman, GbkNameBytes(name), stats_);
}

void CMainWindow::FileGameRecord(const CGame& game) {
    const RecordTime now = LocalRecordTimeNow();
    // A game with no human seat has nothing to record.
    if (!BuildRecordOf(game, now))
        return;
    const StatsStatus filed = FileFinishedGame(game, stats_, now);
    if (!filed.notice.empty())
        ShowMessageBox(this, filed.notice, kApplicationTitle);
    if (!filed.Ok())
        ShowMessageBox(this,
                       "The game could not be recorded in the statistics file (" + filed.message +
                           "). Halmora tries again after the next game and when it closes.",
                       kApplicationTitle);
}

}  // namespace halmora
