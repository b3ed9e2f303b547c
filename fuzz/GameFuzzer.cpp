// Plays arbitrary saved-game files through the whole game: load, undo everything, redo
// everything, turn the board, save, and load again. A file the game takes must keep every
// colour's marbles through all of it, every undo and redo must move the history, and what the
// game saves must load again as the same game. A file it refuses must leave no game behind.
#include <stdlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/Game.h"
#include "game/NullCanvas.h"
#include "game/NullHost.h"
#include "game/SavedGameRecord.h"

namespace {

namespace fs = std::filesystem;
using namespace halmora;

void Check(bool ok) {
    if (!ok)
        __builtin_trap();
}

// A fresh private folder for the files the game reads and writes; removed at exit.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "halmora-gamefuzz-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

std::array<int, kColorCount> MarbleCounts(const CGameBoard& board) {
    std::array<int, kColorCount> counts{};
    for (int i = 0; i < kPlaceCount; ++i) {
        const int32_t occupant = board.Hole(i % kGridSize, i / kGridSize).occupant;
        if (occupant >= 0 && occupant < kColorCount)
            ++counts[occupant];
    }
    return counts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Scratch scratch;
    const fs::path in = scratch.Path() / "in.hlm", out = scratch.Path() / "out.hlm";
    std::ofstream(in, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    CNullHost host;
    CNullCanvas canvas;
    // No animation, so undo and redo act at once.
    const GameOptions still{.fullAnimation = false, .muteSounds = true};
    CGame game(host);
    game.SetOptions(still);
    std::string error;
    if (!game.Load(canvas, 800, 600, in, error)) {
        Check(!error.empty() && game.Board() == nullptr && game.Players() == 0);
        return 0;
    }
    const std::array<int, kColorCount> counts = MarbleCounts(*game.Board());
    const CMoveHistory& history = game.History();
    Check(history.Position() >= 0 && history.Position() <= history.Top());
    Check(game.MoveCount() >= 0 && game.MoveCount() <= kMaxMoveCount);

    while (game.CanUndo()) {
        const int before = history.Position();
        game.Undo(canvas);
        Check(history.Position() < before && game.State() == kGamePlaying);
        Check(game.Current() != nullptr && game.Current()->IsHuman());
        Check(MarbleCounts(*game.Board()) == counts);
    }
    const bool humanToMove = game.Current() != nullptr && game.Current()->IsHuman();
    while (game.CanRedo()) {
        const int before = history.Position();
        game.Redo(canvas);
        Check(history.Position() > before && game.State() == kGamePlaying);
        Check(MarbleCounts(*game.Board()) == counts);
    }
    // Redo stops only at a human's turn, where it can go on, or at the end of the history.
    Check(!humanToMove || history.Position() == history.Top());
    Check(game.MoveCount() >= 0 && game.MoveCount() <= kMaxMoveCount);

    game.RotateBoard(canvas, static_cast<int>(size % 2));
    Check(MarbleCounts(*game.Board()) == counts);

    Check(game.Save(out, error));
    CGame again(host);
    again.SetOptions(still);
    Check(again.Load(canvas, 800, 600, out, error));
    Check(MarbleCounts(*again.Board()) == counts);
    Check(again.CurrentColour() == game.CurrentColour());
    Check(again.MoveCount() == game.MoveCount());
    Check(again.TurnOrder() == game.TurnOrder());
    // The history fitted the board before the turn, so it fits after it: nothing is cut.
    Check(again.History().Top() == history.Top());
    Check(again.History().Position() == history.Position());
    for (int i = 0; i < history.Top(); ++i)
        Check(again.History().MoveAt(i) == history.MoveAt(i) &&
              again.History().MoverAt(i) == history.MoverAt(i));
    return 0;
}
