// When each command of the menus, the toolbar and the buttons at the foot of the board can be
// used. Every enabled state is computed from one set of facts (CommandFacts), which one function
// reads from the game's queries; the main window's command table names, for each command, the
// fact it waits for and its handler.
#pragma once

#include <QKeySequence>
#include <QList>

#include <vector>

namespace halmora {

class CGame;

// How the game menus stand: off without a game, on while one runs, or with Continue offered
// after the player paused.
enum class GameMenus { Off, On, Paused };

struct CommandFacts {
    bool gameReady = false;  // a game is set up and shown
    bool menusOn = false;
    bool pausedByPlayer = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canForce = false;
    bool canSuggest = false;  // a human may move now: also saving and turning the board
    bool canEndGame = false;
    bool panelClosed = false;
};

// The facts of the window's game (null for none).
CommandFacts FactsOf(const CGame* game, bool gameReady, GameMenus menus, bool panelShown);

enum class EnabledWhen {
    Always,
    GameReady,
    MenusOn,
    PausedByPlayer,
    CanUndo,
    CanRedo,
    CanForce,
    CanSuggest,
    CanEndGame,
    PanelClosed,
};

bool IsEnabled(EnabledWhen when, const CommandFacts& facts);

// The menu bar: titles and, in order, the command ids of each menu with their texts (id 0 is a
// separator). Texts are translated in the context "Menu", except the names of the languages,
// which read the same in every language.
struct MenuItem {
    int id;
    const char* text;
};
struct MenuDef {
    const char* title;
    std::vector<MenuItem> items;
};
const std::vector<MenuDef>& MenuBar();
// A menu text as the chosen language shows it.
QString MenuText(const MenuItem& item);

// The keys of a command while keyboard shortcuts are on: the desktop's standard keys where it has
// them, otherwise our own; none for a command without keys.
QList<QKeySequence> ShortcutsOf(int id);

}  // namespace halmora
