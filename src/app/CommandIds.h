// The command ids of menus, toolbar and buttons. Kept as numbers so that the command table, the
// toolbar and the tests speak of the same commands.
#pragma once

namespace halmora {

enum CommandId : int {
    kCmdNewGame = 40002,
    kCmdRestart = 40003,
    kCmdExit = 40004,
    kCmdSaveGame = 40005,
    kCmdOpenGame = 40007,
    kCmdUndo = 40008,
    kCmdSuggest = 40009,
    kCmdForce = 40010,
    kCmdRotateLeft = 40011,
    kCmdRotateRight = 40012,
    kCmdBoardSettings = 40013,
    kCmdSoundSettings = 40014,
    kCmdChooseWallpaper = 40015,
    kCmdOnlineSupport = 40016,
    kCmdVisitWebsite = 40017,
    kCmdHowToPlay = 40019,
    kCmdGameHistory = 40020,
    kCmdAbout = 40021,
    kCmdViewStatistics = 40022,
    kCmdPause = 40029,
    kCmdContinue = 40030,
    kCmdRedo = 40032,
    kCmdHelp = 40035,
    kCmdShowGameInfo = 40137,
    kCmdQuitGame = 40138,
    // Ours, beside the menus the game has always had.
    kCmdKeyboardShortcuts = 40201,
    kCmdLanguageAsSpecified = 40202,
    kCmdLanguageChinese = 40203,
    kCmdLanguageEnglish = 40204,
};

}  // namespace halmora
