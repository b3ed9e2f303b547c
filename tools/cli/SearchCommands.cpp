// candidates, think and bench: the computer opponent's view of a saved game, and its speed.
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ai/Bench.h"
#include "ai/Evaluation.h"
#include "ai/MoveSearch.h"
#include "ai/Suggestion.h"
#include "cli/Args.h"
#include "cli/Commands.h"
#include "cli/SavedBoard.h"

namespace halmora::cli {
namespace {

int Fail(const char* command, const std::string& problem) {
    std::fprintf(stderr, "halmora-cli %s: %s\n", command, problem.c_str());
    return 2;
}

// --threads N and --store on|off, shared by think and bench. Null when `name` is neither; an
// empty text when the value was taken; else what is wrong with the value.
const char* SetupOption(const char* name, const char* value, SearchSetup& setup) {
    if (std::strcmp(name, "--threads") == 0) {
        long n = 0;
        if (!ParseNumber(value, 1, CMoveSearch::kMaxThreads, n))
            return "--threads is a number of threads from 1 to 64";
        setup.threads = static_cast<int>(n);
        return "";
    }
    if (std::strcmp(name, "--store") == 0) {
        if (std::strcmp(value, "off") == 0)
            setup.store = nullptr;
        else if (std::strcmp(value, "on") != 0)
            return "--store is on or off";
        return "";
    }
    return nullptr;
}

void PrintScoreLine(const Candidate& c) {
    const Score& s = c.score;
    std::printf("%s | %.9g %.9g %.9g %.9g %.9g %.9g %.9g %d\n", PathText(c).c_str(),
                static_cast<double>(s.total), static_cast<double>(s.execution),
                static_cast<double>(s.center), static_cast<double>(s.startZone),
                static_cast<double>(s.endZone), static_cast<double>(s.forward),
                static_cast<double>(s.build), s.startDistance);
}

}  // namespace

int RunCandidates(int argc, char** argv) {
    if (argc != 1 && argc != 3)
        return Fail("candidates", "expected FILE [--keep N]");
    long keep = -1;
    if (argc == 3 && (std::strcmp(argv[1], "--keep") != 0 || !ParseNumber(argv[2], 1, 64, keep)))
        return Fail("candidates", "--keep takes a number from 1 to 64");
    std::unique_ptr<SavedGameRecord> record;
    CGameBoard board;
    if (!LoadBoard(argv[0], "candidates", record, board))
        return 2;
    CBasicBoard b;
    b.BuildFrom(board);
    const PlayerColor c = record->currentColour;
    if (!b.Playing(c))
        return Fail("candidates", "the colour to move has not ten marbles");

    static std::array<MarbleCandidates, kTriangleHoles> lists;
    GenerateCandidates(b, c, record->moveCount, lists);
    std::vector<const Candidate*> all;
    for (const auto& list : lists)
        for (int i = 0; i < list.count; ++i)
            all.push_back(&list.moves[i]);
    if (keep < 0) {
        for (const Candidate* x : all)
            PrintScoreLine(*x);
        return 0;
    }
    std::vector<int16_t> kept(static_cast<size_t>(keep));
    const int n = SelectCandidates(
        static_cast<int>(all.size()), static_cast<int>(keep),
        [&all](int i) -> const Score& { return all[i]->score; }, kept.data());
    for (int i = 0; i < n; ++i)
        PrintScoreLine(*all[kept[i]]);
    return 0;
}

int RunSuggest(int argc, char** argv) {
    if (argc != 1)
        return Fail("suggest", "expected FILE");
    std::unique_ptr<SavedGameRecord> record;
    CGameBoard board;
    if (!LoadBoard(argv[0], "suggest", record, board))
        return 2;
    Candidate best;
    const bool found = SuggestMove(board, record->currentColour, record->moveCount, best);
    std::printf("%s\n", found ? PathText(best).c_str() : "none");
    return 0;
}

int RunThink(int argc, char** argv) {
    long level = -1, budget = 180000;
    SearchSetup setup;
    if (argc < 1)
        return Fail("think", "expected FILE --level L [--budget-ms MS] [--threads N]");
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc)
            return Fail("think", std::string("missing value after ") + argv[i]);
        if (std::strcmp(argv[i], "--level") == 0) {
            if (!ParseNumber(argv[i + 1], 2, 6, level))
                return Fail("think", "--level is a computer seat type from 2 to 6");
        } else if (std::strcmp(argv[i], "--budget-ms") == 0) {
            if (!ParseNumber(argv[i + 1], 0, 2147483647L, budget))
                return Fail("think", "--budget-ms is a number of milliseconds");
        } else if (const char* problem = SetupOption(argv[i], argv[i + 1], setup)) {
            if (*problem != '\0')
                return Fail("think", problem);
        } else {
            return Fail("think", std::string("unknown option ") + argv[i]);
        }
    }
    if (level < 0)
        return Fail("think", "--level L is required");
    std::unique_ptr<SavedGameRecord> record;
    CGameBoard board;
    if (!LoadBoard(argv[0], "think", record, board))
        return 2;
    std::vector<PlayerColor> order;
    for (int i = 0; i < record->playerCount; ++i)
        order.push_back(record->players[i].colour);
    CBasicBoard check;
    check.BuildFrom(board);
    for (PlayerColor c : order)
        if (!check.Playing(c))
            return Fail("think", "a player has not ten marbles on the board");

    CMoveSearch search(board, record->currentColour, LevelRating(static_cast<int>(level)),
                       static_cast<uint32_t>(budget), record->moveCount, order, Move{}, setup);
    const auto start = std::chrono::steady_clock::now();
    search.Run();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("%s\n", search.HasBestMove() ? PathText(search.BestMove()).c_str() : "none");
    std::fprintf(stderr, "nodes: %" PRIu64 ", %lld ms\n", search.Nodes(),
                 static_cast<long long>(ms));
    return 0;
}

int RunBench(int argc, char** argv) {
    int from = 2, to = 6;
    std::string only;
    SearchSetup setup;
    for (int i = 0; i < argc; ++i) {
        long level = 0;
        if (i + 1 < argc) {
            if (const char* problem = SetupOption(argv[i], argv[i + 1], setup)) {
                if (*problem != '\0')
                    return Fail("bench", problem);
                ++i;
                continue;
            }
        }
        if (std::strcmp(argv[i], "--quick") == 0) {
            to = 4;
        } else if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc &&
                   ParseNumber(argv[i + 1], 2, 6, level)) {
            from = to = static_cast<int>(level);
            ++i;
        } else if (std::strcmp(argv[i], "--position") == 0 && i + 1 < argc) {
            only = argv[++i];
        } else {
            return Fail("bench",
                        "options are --quick, --level L, --position NAME, --threads N and "
                        "--store on|off");
        }
    }
    std::vector<BenchPosition> positions = MakeBenchPositions();
    if (!only.empty()) {
        std::erase_if(positions, [&only](const BenchPosition& p) { return p.name != only; });
        if (positions.empty())
            return Fail("bench", "no position named '" + only + "'");
    }
    std::printf("threads: %d%s\n", setup.threads,
                setup.store == nullptr ? ", no transposition store" : "");
    const BenchResult r = RunBench(
        positions, from, to,
        [](const BenchLine& line) {
            std::printf("%-12s level %d: %10" PRIu64 " nodes %11" PRIu64
                        " candidates %9.1f ms  %s\n",
                        line.position->name.c_str(), line.seatType, line.nodes, line.candidates,
                        line.milliseconds, line.move.c_str());
            std::fflush(stdout);
        },
        setup);
    const double nps = r.milliseconds > 0 ? r.nodes * 1000.0 / r.milliseconds : 0;
    std::printf("signature: %016" PRIX64 "\n", r.signature);
    std::printf("bench: %" PRIu64 " nodes %" PRIu64 " candidates %.0f ms %.0f nps\n", r.nodes,
                r.candidates, r.milliseconds, nps);
    return 0;
}

}  // namespace halmora::cli
