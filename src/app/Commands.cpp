#include "app/Commands.h"

#include "app/CommandIds.h"
#include "game/Game.h"

namespace halmora {
namespace {

// Keys of the commands. The standard ones follow the desktop (Ctrl+Z, F1 ...); where a desktop
// has none (Quit on some), ours stands in. Letters as the usual board games have them: H for a
// hint, P for pause (and continue: only one of the two is ever enabled).
struct CommandKeys {
    int id;
    QKeySequence::StandardKey standard;
    const char* own;
};
// clang-format off
constexpr CommandKeys kCommandKeys[] = {
    {kCmdNewGame,        QKeySequence::New,          "Ctrl+N"},
    {kCmdOpenGame,       QKeySequence::Open,         "Ctrl+O"},
    {kCmdSaveGame,       QKeySequence::Save,         "Ctrl+S"},
    {kCmdExit,           QKeySequence::Quit,         "Ctrl+Q"},
    {kCmdUndo,           QKeySequence::Undo,         "Ctrl+Z"},
    {kCmdRedo,           QKeySequence::Redo,         "Ctrl+Shift+Z"},
    {kCmdHelp,           QKeySequence::HelpContents, "F1"},
    {kCmdSuggest,        QKeySequence::UnknownKey,   "H"},
    {kCmdForce,          QKeySequence::UnknownKey,   "F"},
    {kCmdPause,          QKeySequence::UnknownKey,   "P"},
    {kCmdContinue,       QKeySequence::UnknownKey,   "P"},
    {kCmdRotateLeft,     QKeySequence::UnknownKey,   "Ctrl+Left"},
    {kCmdRotateRight,    QKeySequence::UnknownKey,   "Ctrl+Right"},
    {kCmdViewStatistics, QKeySequence::UnknownKey,   "Ctrl+T"},
};
// clang-format on

}  // namespace

CommandFacts FactsOf(const CGame* game, bool gameReady, GameMenus menus, bool panelShown) {
    CommandFacts f;
    f.gameReady = game != nullptr && gameReady;
    f.menusOn = game != nullptr && menus == GameMenus::On;
    f.pausedByPlayer = game != nullptr && menus == GameMenus::Paused;
    if (!f.gameReady)
        return f;
    f.canUndo = game->CanUndo();
    f.canRedo = game->CanRedo();
    f.canForce = game->CanForceMove();
    f.canSuggest = game->CanSuggest();
    f.canEndGame = game->CanEndGameNow();
    f.panelClosed = !panelShown;
    return f;
}

bool IsEnabled(EnabledWhen when, const CommandFacts& f) {
    switch (when) {
        case EnabledWhen::Always:
            return true;
        case EnabledWhen::GameReady:
            return f.gameReady;
        case EnabledWhen::MenusOn:
            return f.menusOn;
        case EnabledWhen::PausedByPlayer:
            return f.pausedByPlayer;
        case EnabledWhen::CanUndo:
            return f.canUndo;
        case EnabledWhen::CanRedo:
            return f.canRedo;
        case EnabledWhen::CanForce:
            return f.canForce;
        case EnabledWhen::CanSuggest:
            return f.canSuggest;
        case EnabledWhen::CanEndGame:
            return f.canEndGame;
        case EnabledWhen::PanelClosed:
            return f.panelClosed;
    }
    return false;
}

const std::vector<MenuDef>& MenuBar() {
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
          {kCmdChooseWallpaper, "选取壁纸(&P)...       "},
          {0, nullptr},
          {kCmdKeyboardShortcuts, "键盘快捷键(&K)"}}},
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

QList<QKeySequence> ShortcutsOf(int id) {
    for (const CommandKeys& keys : kCommandKeys) {
        if (keys.id != id)
            continue;
        QList<QKeySequence> standard;
        if (keys.standard != QKeySequence::UnknownKey)
            standard = QKeySequence::keyBindings(keys.standard);
        return standard.isEmpty() ? QList<QKeySequence>{QKeySequence(QString::fromLatin1(keys.own),
                                                                     QKeySequence::PortableText)}
                                  : standard;
    }
    return {};
}

}  // namespace halmora
