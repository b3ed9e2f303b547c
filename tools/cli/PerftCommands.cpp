// perft and bench-movegen: exact move-tree counts and the move generator's speed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "board/Perft.h"
#include "board/RandomPlay.h"
#include "cli/Args.h"
#include "cli/Commands.h"

namespace halmora::cli {
namespace {

// The seated colours and the clockwise turn order used for benchmark and perft positions.
std::vector<PlayerColor> SeatsFor(int players, std::array<bool, kColorCount>& seated) {
    std::vector<PlayerColor> order;
    switch (players) {
        case 2:
            order = {0, 3};
            break;
        case 3:
            order = {0, 2, 4};
            break;
        case 4:
            order = {0, 1, 3, 4};
            break;
        case 6:
            order = {0, 1, 2, 3, 4, 5};
            break;
        default:
            return {};
    }
    seated.fill(false);
    for (PlayerColor c : order)
        seated[c] = true;
    return order;
}

}  // namespace

int RunPerft(int argc, char** argv) {
    long players = 0, depth = 0;
    if (argc != 2 || !ParseNumber(argv[0], 0, 6, players) || !ParseNumber(argv[1], 0, 6, depth)) {
        std::fputs("halmora-cli perft: expected PLAYERS DEPTH\n", stderr);
        return 2;
    }
    std::array<bool, kColorCount> seated{};
    const std::vector<PlayerColor> order = SeatsFor(static_cast<int>(players), seated);
    if (order.empty() || depth < 0 || depth > 6) {
        std::fputs("halmora-cli perft: PLAYERS is 2, 3, 4 or 6 and DEPTH 0..6\n", stderr);
        return 2;
    }
    CGameBoard board;
    SetUpStartPosition(board, seated);
    CBasicBoard basic;
    basic.BuildFrom(board);
    std::printf("%llu\n",
                static_cast<unsigned long long>(Perft(basic, order, 0, static_cast<int>(depth))));
    return 0;
}

int RunBenchMovegen(int argc, char**) {
    if (argc != 0) {
        std::fputs("halmora-cli bench-movegen: takes no arguments\n", stderr);
        return 2;
    }
    // Positions for 2, 3, 4 and 6 players after 0 to 90 random moves each.
    std::vector<BoardCells> positions;
    for (int players : {2, 3, 4, 6}) {
        std::array<bool, kColorCount> seated{};
        const std::vector<PlayerColor> order = SeatsFor(players, seated);
        for (int plies = 0; plies <= 90; plies += 10) {
            CGameBoard board;
            SetUpStartPosition(board, seated);
            SplitMix64 random(0x4841'4C4D'0000ull + static_cast<uint64_t>(players * 1000 + plies));
            PlayRandomMoves(board, order, plies, random);
            positions.push_back(BoardCells::Snapshot(board));
        }
    }
    using Clock = std::chrono::steady_clock;
    MoveList list;
    uint64_t marbles = 0, moves = 0;
    const auto start = Clock::now();
    double seconds = 0;
    do {
        for (int round = 0; round < 200; ++round) {
            for (const BoardCells& cells : positions) {
                for (int i = 0; i < kPlaceCount; ++i) {
                    if (cells.cells[i].occupant == kNoColor8)
                        continue;
                    GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
                    ++marbles;
                    moves += static_cast<uint64_t>(list.count);
                }
            }
        }
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds < 2.0);
    std::printf("positions: %zu\n", positions.size());
    std::printf("marbles: %llu in %.3f s: %.0f marbles/s\n",
                static_cast<unsigned long long>(marbles), seconds, marbles / seconds);
    std::printf("moves: %llu: %.0f moves/s\n", static_cast<unsigned long long>(moves),
                moves / seconds);
    return 0;
}

}  // namespace halmora::cli
