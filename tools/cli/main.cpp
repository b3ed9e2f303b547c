// halmora-cli: the engine and game without a window, for tests, tools and measurements.
#include <cstdio>
#include <string_view>

#include "cli/Commands.h"
#include "cli/StatsCommand.h"

namespace {

using namespace halmora::cli;

void PrintUsage(std::FILE* to) {
    std::fputs(
        "usage: halmora-cli COMMAND [ARGS]\n"
        "  moves FILE COL ROW   the moves of the marble on (COL, ROW) of a saved game,\n"
        "                       one path per line in generator order\n"
        "  perft PLAYERS DEPTH  move-tree leaf count from the start position of 2, 3, 4 or 6\n"
        "                       players\n"
        "  bench-movegen        move generation speed over positions from seeded play\n"
        "  candidates FILE [--keep N]\n"
        "                       the scored candidates of the colour to move, all of them in\n"
        "                       generation order or the N kept by selection\n"
        "  think FILE --level L [--budget-ms MS] [--threads N] [--store on|off]\n"
        "                       the move computer level L (2 Novice .. 6 Master) chooses\n"
        "  suggest FILE         the move suggested to the colour to move, or none\n"
        "  bench [--quick] [--level L] [--position NAME] [--threads N] [--store on|off]\n"
        "                       every level on fixed positions to full depth: node counts,\n"
        "                       signature and speed; N threads (default: all), with or\n"
        "                       without the transposition store (same results)\n"
        "  stats FILE           a statistics file: players, ratings and every game\n"
        "  selfplay --seats COLOUR=LEVEL,... [--games N] [--max-moves M] [--seed S]\n"
        "           [--budget-ms MS] [--opening K] [--force-percent P] [--max-seconds T]\n"
        "           [--report on]\n"
        "                       whole games between computer seats, without a window\n",
        to);
}

struct Command {
    std::string_view name;
    int (*run)(int argc, char** argv);
};

// clang-format off
constexpr Command kCommands[] = {
    {"moves",         RunMoves},
    {"perft",         RunPerft},
    {"bench-movegen", RunBenchMovegen},
    {"candidates",    RunCandidates},
    {"think",         RunThink},
    {"suggest",       RunSuggest},
    {"bench",         RunBench},
    {"selfplay",      RunSelfPlay},
    {"stats", RunStats},
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stdout);
        return 0;
    }
    const std::string_view name = argv[1];
    for (const Command& c : kCommands)
        if (c.name == name)
            return c.run(argc - 2, argv + 2);
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "halmora-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
