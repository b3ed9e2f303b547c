#include "app/Commands.h"

#include <QCoreApplication>
#include <QtGlobal>

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
        {QT_TRANSLATE_NOOP("Menu", "游戏(&G)"),
         {{kCmdNewGame, QT_TRANSLATE_NOOP("Menu", "新的游戏(&N)...")},
          {kCmdRestart, QT_TRANSLATE_NOOP("Menu", "重新开始游戏(&R)   ")},
          {0, nullptr},
          {kCmdPause, QT_TRANSLATE_NOOP("Menu", "暂停游戏      ")},
          {kCmdContinue, QT_TRANSLATE_NOOP("Menu", "继续游戏(&C)      ")},
          {0, nullptr},
          {kCmdOpenGame, QT_TRANSLATE_NOOP("Menu", "打开游戏...     ")},
          {kCmdSaveGame, QT_TRANSLATE_NOOP("Menu", "保存游戏(&S)...  ")},
          {0, nullptr},
          {kCmdExit, QT_TRANSLATE_NOOP("Menu", "退出(&E)")}}},
        {QT_TRANSLATE_NOOP("Menu", "选项(&O)  "),
         {{kCmdUndo, QT_TRANSLATE_NOOP("Menu", "取消移动(&U)  ")},
          {kCmdRedo, QT_TRANSLATE_NOOP("Menu", "重做移动(&R)  ")},
          {kCmdSuggest, QT_TRANSLATE_NOOP("Menu", "建议移动(&S)     ")},
          {kCmdForce, QT_TRANSLATE_NOOP("Menu", "强制移动(&F)   ")},
          {0, nullptr},
          {kCmdRotateLeft, QT_TRANSLATE_NOOP("Menu", "转动棋盘向左           ")},
          {kCmdRotateRight, QT_TRANSLATE_NOOP("Menu", "转动棋盘向右            ")},
          {0, nullptr},
          {kCmdViewStatistics, QT_TRANSLATE_NOOP("Menu", "查看统计(&V)...        ")},
          {0, nullptr},
          {kCmdBoardSettings, QT_TRANSLATE_NOOP("Menu", "棋盘设定(&B)...       ")},
          {kCmdSoundSettings, QT_TRANSLATE_NOOP("Menu", "声音设定...          ")},
          {kCmdChooseWallpaper, QT_TRANSLATE_NOOP("Menu", "选取壁纸(&P)...       ")},
          {0, nullptr},
          {kCmdKeyboardShortcuts, QT_TRANSLATE_NOOP("Menu", "键盘快捷键(&K)")},
          {0, nullptr},
          {kCmdLanguageAsSpecified, QT_TRANSLATE_NOOP("Menu", "原样的文字(中文和英文)")},
          {kCmdLanguageChinese, "简体中文"},
          {kCmdLanguageEnglish, "English"}}},
        {QT_TRANSLATE_NOOP("Menu", "互联网(&I)  "),
         {{kCmdOnlineSupport, QT_TRANSLATE_NOOP("Menu", "在线支持          ")},
          {kCmdVisitWebsite, QT_TRANSLATE_NOOP("Menu", "访问网站(&V)      ")}}},
        {QT_TRANSLATE_NOOP("Menu", "帮助(&H)"),
         {{kCmdHelp, QT_TRANSLATE_NOOP("Menu", "帮助(&H)..")},
          {kCmdHowToPlay, QT_TRANSLATE_NOOP("Menu", "如何玩游戏...      ")},
          {kCmdGameHistory, QT_TRANSLATE_NOOP("Menu", "游戏历史(&G)...     ")},
          {0, nullptr},
          {kCmdAbout, QT_TRANSLATE_NOOP("Menu", "关於(&A)...")}}},
    };
    return menus;
}

QString MenuText(const MenuItem& item) {
    if (item.id == kCmdLanguageChinese || item.id == kCmdLanguageEnglish)
        return QString::fromUtf8(item.text);
    return QCoreApplication::translate("Menu", item.text);
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
