// moves FILE COL ROW: the moves of one marble of a saved game, one path per line.
#include <cstdio>
#include <cstdlib>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "board/Perft.h"
#include "cli/Commands.h"
#include "cli/SavedBoard.h"

namespace halmora::cli {

int RunMoves(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("halmora-cli moves: expected FILE COL ROW\n", stderr);
        return 2;
    }
    int col = 0, row = 0;
    if (!ParsePlaceArg(argv[1], col) || !ParsePlaceArg(argv[2], row)) {
        std::fprintf(stderr, "halmora-cli moves: %s,%s is not a place on the 19 by 19 grid\n",
                     argv[1], argv[2]);
        return 2;
    }
    std::unique_ptr<SavedGameRecord> record;
    CGameBoard board;
    if (!LoadBoard(argv[0], "moves", record, board))
        return 2;

    const BoardCells cells = BoardCells::Snapshot(board);
    const Place start{col, row};
    if (!cells.At(start).isHole || cells.At(start).occupant == kNoColor8) {
        std::fprintf(stderr, "halmora-cli moves: no marble on %d,%d\n", col, row);
        return 2;
    }
    MoveList list;
    GenerateMoves(cells, start, list);
    for (int i = 0; i < list.count; ++i)
        std::printf("%s\n", PathText(list.moves[i]).c_str());
    return 0;
}

}  // namespace halmora::cli
