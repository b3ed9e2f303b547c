// Writes valid files of every kind into seed folders for the fuzzers:
//
//   MakeSeeds <folder>    fills <folder>/saved, <folder>/settings and <folder>/stats
//
// Saved games come from real games (2, 3, 4 and 6 players, at the start, after random moves,
// with clocks, after a rotation, two of a thousand moves), settings and statistics from the code
// that writes them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "board/RandomPlay.h"
#include "game/BoardCanvas.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "game/NullCanvas.h"
#include "game/NullHost.h"
#include "game/Player.h"
#include "game/SavedGameRecord.h"
#include "platform/AppFolder.h"
#include "platform/FileIO.h"
#include "platform/TextEncoding.h"
#include "records/GameRecord.h"
#include "records/Settings.h"
#include "records/StatsDatabase.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

// Plays a random legal move as soon as it is asked, seeded so the seeds are the same each run.
class RandomPlayer : public CPlayer {
public:
    RandomPlayer(PlayerColor c, PlayerType type, const char* name, uint64_t seed)
        : CPlayer(c, type, name), random_(seed) {}

    void BeginTurn(CBoardCanvas&, CGameBoard&, const TurnInfo&) override {
        moveState_ = kMoveChoosing;
    }
    int32_t PollTurn(CBoardCanvas&, CGameBoard& board) override {
        Move move;
        if (moveState_ != kMoveChoosing || !PickRandomMove(board, colour_, random_, move))
            return moveState_;
        board.MoveMarble(move.Start(), move.End());
        previousMove_ = move;
        moveState_ = kMoveDone;
        return moveState_;
    }

private:
    SplitMix64 random_;
};

void Fail(const std::string& what) {
    std::fprintf(stderr, "MakeSeeds: %s\n", what.c_str());
    std::exit(1);
}

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
    if (!WriteFileAtomically(path, bytes).Ok())
        Fail("cannot write " + path.string());
}

std::vector<PlayerColor> Colours(int players) {
    switch (players) {
        case 2:
            return {0, 3};
        case 3:
            return {0, 2, 4};
        case 4:
            return {0, 1, 3, 4};
        default:
            return {0, 1, 2, 3, 4, 5};
    }
}

struct GameSeed {
    int players;
    int moves;       // random moves played before saving
    int clockSecs;   // 0: clocks off
    bool rotate;     // turned a sixth before saving
    bool computers;  // every other seat a computer level
};

void WriteGameSeed(const fs::path& folder, const GameSeed& g, int index) {
    CNullHost host;
    CNullCanvas canvas;
    CGame game(host);
    game.SetRandomSeed(1000 + index);
    game.SetTurnStart(index % kColorCount);
    int seat = 0;
    for (PlayerColor c : Colours(g.players)) {
        const PlayerType type = g.computers && seat % 2 == 1 ? kSeatNovice + seat % 5 : kSeatHuman;
        const char* name = seat % 3 == 0 ? "Ann" : seat % 3 == 1 ? "\xD5\xC5\xC8\xFD" : "Bob";
        game.AddPlayer(std::make_unique<RandomPlayer>(c, type, name, 77 * index + seat));
        ++seat;
    }
    game.NewGame(canvas, 800, 600, kGamePlaying, g.clockSecs, g.clockSecs > 0 ? 30 : 0);
    for (int tick = 0; tick < 20 * g.moves + 10 && game.MoveCount() < g.moves; ++tick)
        game.Tick(canvas);
    if (g.rotate)
        game.RotateBoard(canvas, index % 2);

    const fs::path path = folder / ("game-" + std::to_string(index) + ".hlm");
    std::string error;
    if (!game.Save(path, error))
        Fail("cannot save a game: " + error);

    // A seed is a file the game itself takes back, not only its reader, with all its history.
    CGame loaded(host);
    if (!loaded.Load(canvas, 800, 600, path, error) || loaded.Players() != g.players)
        Fail("a saved game does not load: " + error);
    if (loaded.History().Top() != game.History().Top() ||
        loaded.History().Position() != game.History().Position())
        Fail("a saved game loads with part of its history cut: " + path.string());

    // The same game part way back through its history, as after undoing.
    SavedGameReadResult read = LoadSavedGameFile(path);
    if (!read.status.Ok())
        Fail("a saved game does not read: " + read.status.message);
    if (read.record->historyTop > 1) {
        read.record->historyPosition = read.record->historyTop / 2;
        Write(folder / ("game-" + std::to_string(index) + "-undone.hlm"),
              WriteSavedGame(*read.record));
    }
    // A long game as late as a game can get: the move count at its bound.
    if (g.moves >= 1000) {
        read.record->moveCount = kMaxMoveCount - 1;
        Write(folder / ("game-" + std::to_string(index) + "-late.hlm"),
              WriteSavedGame(*read.record));
    }
}

void WriteSavedGames(const fs::path& folder) {
    int index = 0;
    for (int players : {2, 3, 4, 6}) {
        const GameSeed seeds[] = {
            {players, 0, 0, false, false}, {players, 0, 600, false, true},
            {players, 25, 0, false, true}, {players, 40, 300, false, false},
            {players, 12, 0, true, false}, {players, 30, 120, true, true},
        };
        for (const GameSeed& g : seeds)
            WriteGameSeed(folder, g, index++);
    }
    // Long histories, which the short games above never reach.
    for (const GameSeed& g : {GameSeed{2, 1000, 0, false, false}, GameSeed{6, 1000, 0, true, true}})
        WriteGameSeed(folder, g, index++);
}

void SetName(GbkName& field, const char* text) {
    const GbkName name = ToGbkName(text);
    std::copy(name.begin(), name.end(), field.begin());
}

void WriteSettings(const fs::path& folder) {
    const CSettings defaults;
    Write(folder / "defaults.dat", defaults.ToBytes());

    CSettings s;
    s.HideLastMove = 7;
    s.PlayerType = {1, 2, 3, 4, 5, 6};
    for (int c = 0; c < kColorCount; ++c)
        SetName(s.PlayerName[c], c % 2 == 0 ? "张三" : "Player Name");
    s.UseTimer = 1;
    s.InitialMinutes = 10;
    s.InitialSeconds = 30;
    s.MoveMinutes = 1;
    s.MoveSeconds = 15;
    s.MouseMode = 1;
    s.ShowMovesOnHover = 1;
    s.Reserved248 = 0;
    s.FullAnimation = 0;
    s.AnimationSpeed = 150;
    s.MuteSounds = 1;
    s.WallpaperMode = 2;
    s.WallpaperRed = 255;
    s.WallpaperGreen = 0;
    s.WallpaperBlue = 128;
    const std::string file = "/home/user/Pictures/wallpaper.bmp";
    std::copy(file.begin(), file.end(), s.WallpaperFile.begin());
    s.StretchWallpaper = 1;
    SetName(s.StatsPlayer, "Ann");
    s.Reserved4412.fill(0x5A);
    s.ShowGameInfo = 0;
    Write(folder / "every-field.dat", s.ToBytes());

    // An older, shorter file: the defaults fill in beyond its end.
    std::vector<uint8_t> shorter = s.ToBytes();
    shorter.resize(260);
    Write(folder / "short.dat", shorter);
}

GameRecord MakeRecord(int participants, int seed) {
    GameRecord r;
    r.count = participants;
    static const char* const kNames[] = {"Ann",         "Bob",         "张三",
                                         "Novice A.I.", "Master A.I.", "李四"};
    for (int i = 0; i < participants; ++i) {
        RecordParticipant& p = r.participants[i];
        p.name = ToGbkName(kNames[(seed + i) % 6]);
        p.seatType = (seed + i) % 3 == 0 ? 1 : 2 + (seed + i) % 5;
        p.rating = 1200 + 37 * ((seed * 7 + i) % 23);
        p.colour = i;
        p.place = (i + seed) % participants;
    }
    r.year = 2000 + seed % 25;
    r.month = seed % 12;
    r.day = 1 + seed % 28;
    r.startMs = -3600000 + 997 * seed;
    r.endMs = r.startMs + 60000 + 1000 * seed;
    return r;
}

void WriteStats(const fs::path& folder) {
    Write(folder / "empty.dat", StatsDatabase{}.Write());

    StatsDatabase one;
    GameRecord first = MakeRecord(2, 0);
    first.participants[0].name = ToGbkName("Ann");
    first.participants[0].seatType = 1;
    one.AddGameRecord(first);
    Write(folder / "one.dat", one.Write());

    StatsDatabase many;
    for (int i = 0; i < 60; ++i)
        many.AddGameRecord(MakeRecord(kMinParticipants + i % 5, i));
    Write(folder / "many.dat", many.Write());
}

}  // namespace
}  // namespace halmora

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeSeeds <folder>\n");
        return 2;
    }
    const fs::path root = argv[1];
    for (const char* sub : {"saved", "settings", "stats", "app/Data"})
        fs::create_directories(root / sub);
    // The games read their settings from here: the defaults, as there is no file.
    halmora::SetApplicationFolder(root / "app");

    halmora::WriteSavedGames(root / "saved");
    halmora::WriteSettings(root / "settings");
    halmora::WriteStats(root / "stats");
    return 0;
}
