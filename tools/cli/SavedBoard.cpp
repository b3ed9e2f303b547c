#include "cli/SavedBoard.h"

#include "cli/Args.h"

#include <cstdio>
#include <cstdlib>

namespace halmora::cli {

bool ParsePlaceArg(const char* text, int& out) {
    long v = 0;
    if (!ParseNumber(text, 0, kGridSize - 1, v))
        return false;
    out = static_cast<int>(v);
    return true;
}

bool LoadBoard(const char* path, const char* command, std::unique_ptr<SavedGameRecord>& record,
               CGameBoard& board) {
    SavedGameReadResult loaded = LoadSavedGameFile(path);
    if (!loaded.status.Ok()) {
        std::fprintf(stderr, "halmora-cli %s: %s: %s\n", command, path,
                     loaded.status.message.c_str());
        return false;
    }
    record = std::move(loaded.record);
    std::array<bool, kColorCount> seated{};
    for (int i = 0; i < record->playerCount; ++i)
        seated[record->players[i].colour] = true;
    board.SetUp(TriangleColoursFor(seated));
    for (PlayerColor c = 0; c < kColorCount; ++c)
        if (seated[c])
            board.PlaceMarbles(c);
    board.ReadHoles(record->holes);
    return true;
}

}  // namespace halmora::cli
