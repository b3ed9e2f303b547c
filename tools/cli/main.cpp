// halmora-cli: the engine and game without a window, for tests, tools and measurements.
#include <cstdio>
#include <string_view>

#include "cli/Commands.h"

namespace {

void PrintUsage(std::FILE* to) {
    std::fputs(
        "usage: halmora-cli COMMAND [ARGS]\n"
        "  moves FILE COL ROW   the moves of the marble on (COL, ROW) of a saved game,\n"
        "                       one path per line in generator order\n"
        "  perft PLAYERS DEPTH  move-tree leaf count from the start position of 2, 3, 4 or 6\n"
        "                       players\n"
        "  bench-movegen        move generation speed over positions from seeded play\n",
        to);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stdout);
        return 0;
    }
    const std::string_view command = argv[1];
    if (command == "moves")
        return halmora::cli::RunMoves(argc - 2, argv + 2);
    if (command == "perft")
        return halmora::cli::RunPerft(argc - 2, argv + 2);
    if (command == "bench-movegen")
        return halmora::cli::RunBenchMovegen(argc - 2, argv + 2);
    if (command == "help" || command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "halmora-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
