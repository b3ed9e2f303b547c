// selfplay: whole games between computer seats through the game's own tick, with no window.
//
//   halmora-cli selfplay --seats Red=master,Yellow=novice [--games N] [--max-moves M]
//                        [--seed S] [--budget-ms MS] [--opening K] [--force-percent P]
//                        [--max-seconds T] [--report on]
//
// --force-percent forces P in 100 of the searched moves, through the game as the menu does,
// after a random 0..MS milliseconds (MS the budget, or 100 without one), drawn from the seed.
// --max-seconds gives up a game after T seconds of wall time. --report on adds why each
// unfinished game stopped, and a last line counting the reasons and the forced moves:
//   game 2: order Yellow Red | unfinished after 400 moves | 90.0 s
//     why: move cap reached | home Yellow 10 Red 9
//   unfinished: move cap 1, time cap 0, other 0; ended with nobody able to move 0; forced moves 12
//
// One line per game, then a summary:
//   game 1: order Red Yellow | places Red Yellow | 88 moves | 41.2 s
//   game 2: order Yellow Red | unfinished after 400 moves | 90.0 s
//   wins: Red=master 1, Yellow=novice 0, unfinished 1
//   think: master 0.912 s/move over 44 moves; novice 0.004 s/move over 44 moves
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "board/BoardCells.h"
#include "board/BoardGeometry.h"
#include "board/MoveGenerator.h"
#include "board/RandomPlay.h"
#include "cli/Args.h"
#include "cli/Commands.h"
#include "game/ComputerPlayer.h"
#include "game/Game.h"
#include "game/NullCanvas.h"
#include "game/NullHost.h"

namespace halmora::cli {
namespace {

using Clock = std::chrono::steady_clock;

std::string LevelKeyword(PlayerType type) {
    return std::string(ComputerLevel(type).keyword);
}

struct SeatSpec {
    PlayerColor colour;
    PlayerType type;
};

struct ThinkTime {
    double seconds = 0;
    int moves = 0;
};

// When and how often searches are cut short.
struct ForcePlan {
    uint32_t percent = 0;
    uint32_t withinMs = 100;
};

class ConsoleHost : public CNullHost {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

// A computer seat that plays its first moves at random, for varied openings, and times the
// turns its search plays.
class SelfPlayer : public CPlayer {
public:
    SelfPlayer(PlayerColor colour, PlayerType type, int randomMoves, uint64_t seed,
               uint32_t budgetMs, ThinkTime& think, ForcePlan force = {})
        : CPlayer(colour, type, ""),
          inner_(colour, type, ""),
          randomMoves_(randomMoves),
          random_(seed),
          think_(think),
          force_(force),
          forceRandom_(seed ^ 0x5DEECE66Dull) {
        name_ = inner_.Name();
        rating_ = inner_.Rating();
        if (budgetMs > 0)
            inner_.SetBudgetLimit(budgetMs);
    }

    void BeginTurn(CBoardCanvas& canvas, CGameBoard& board, const TurnInfo& turn) override {
        moveState_ = kMoveChoosing;
        if (turns_++ < randomMoves_) {
            random_turn_ = true;
            return;
        }
        random_turn_ = false;
        started_ = Clock::now();
        // Its own generator, so that forcing leaves the openings as they were.
        forceDue_ = force_.percent > 0 && forceRandom_.Below(100) < force_.percent;
        if (forceDue_)
            forceAt_ = started_ +
                       std::chrono::microseconds(forceRandom_.Below(force_.withinMs * 1000u + 1u));
        inner_.BeginTurn(canvas, board, turn);
    }

    // True once, when this turn's search is due to be forced.
    bool ForceDue(Clock::time_point now) {
        if (!forceDue_ || random_turn_ || now < forceAt_)
            return false;
        forceDue_ = false;
        return true;
    }

    int32_t PollTurn(CBoardCanvas& canvas, CGameBoard& board) override {
        if (random_turn_) {
            previousMove_ = Move{};
            if (PickRandomMove(board, colour_, random_, previousMove_))
                board.MoveMarble(previousMove_.Start(), previousMove_.End());
            moveState_ = kMoveDone;
            return moveState_;
        }
        moveState_ = inner_.PollTurn(canvas, board);
        if (moveState_ == kMoveDone) {
            previousMove_ = inner_.PreviousMove();
            think_.seconds += std::chrono::duration<double>(Clock::now() - started_).count();
            ++think_.moves;
        }
        return moveState_;
    }

    void ForceMove() override { inner_.ForceMove(); }

private:
    CComputerPlayer inner_;
    int randomMoves_;
    int turns_ = 0;
    bool random_turn_ = false;
    SplitMix64 random_;
    ThinkTime& think_;
    Clock::time_point started_;
    ForcePlan force_;
    SplitMix64 forceRandom_;
    bool forceDue_ = false;
    Clock::time_point forceAt_;
};

// Why a game stopped short of every seat reaching home.
struct Shortfalls {
    int moveCap = 0;
    int timeCap = 0;
    int other = 0;  // a game that stopped playing without being over: never expected
    int nobodyCanMove = 0;
    long forced = 0;
};

// How many marbles each colour has home, in turn order.
std::string HomeCounts(const CGame& game) {
    std::string text = "home";
    for (PlayerColor c : game.TurnOrder())
        text += " " + std::string(ColourName(c)) + " " + std::to_string(game.Board()->CountHome(c));
    return text;
}

int Fail(const std::string& problem) {
    std::fprintf(stderr, "halmora-cli selfplay: %s\n", problem.c_str());
    return 2;
}

bool ParseSeats(const std::string& text, std::vector<SeatSpec>& seats, std::string& error) {
    size_t at = 0;
    while (at <= text.size()) {
        const size_t comma = text.find(',', at);
        const std::string item =
            text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        const size_t eq = item.find('=');
        if (eq == std::string::npos) {
            error = "seat '" + item + "' is not COLOUR=LEVEL";
            return false;
        }
        const std::string colour = item.substr(0, eq), level = item.substr(eq + 1);
        SeatSpec seat{kNoColor, 0};
        for (PlayerColor c = 0; c < kColorCount; ++c)
            if (ColourName(c) == colour)
                seat.colour = c;
        for (PlayerType type = kSeatNovice; type <= kSeatMaster; ++type)
            if (level == ComputerLevel(type).keyword)
                seat.type = type;
        if (seat.colour == kNoColor || seat.type == 0) {
            error = "seat '" + item +
                    "': colours are Yellow, Purple, Blue, Red, Orange, Green and levels novice, "
                    "average, advanced, expert, master";
            return false;
        }
        for (const SeatSpec& s : seats) {
            if (s.colour == seat.colour) {
                error = "colour " + colour + " is seated twice";
                return false;
            }
        }
        seats.push_back(seat);
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    if (seats.size() != 2 && seats.size() != 3 && seats.size() != 4 && seats.size() != 6) {
        error = "a game has 2, 3, 4 or 6 seats";
        return false;
    }
    return true;
}

std::string SeatLabel(const SeatSpec& s) {
    return std::string(ColourName(s.colour)) + "=" + LevelKeyword(s.type);
}

}  // namespace

int RunSelfPlay(int argc, char** argv) {
    std::vector<SeatSpec> seats;
    long games = 1, maxMoves = 1000, seed = 1, budget = 0, opening = 0;
    long forcePercent = 0, maxSeconds = 0;
    bool report = false;
    for (int i = 0; i < argc; i += 2) {
        if (i + 1 >= argc)
            return Fail(std::string("missing value after ") + argv[i]);
        const char* name = argv[i];
        const char* value = argv[i + 1];
        std::string error;
        bool ok = true;
        if (std::strcmp(name, "--seats") == 0) {
            if (!ParseSeats(value, seats, error))
                return Fail(error);
        } else if (std::strcmp(name, "--games") == 0) {
            ok = ParseNumber(value, 1, 100000, games);
        } else if (std::strcmp(name, "--max-moves") == 0) {
            ok = ParseNumber(value, 1, 1000000, maxMoves);
        } else if (std::strcmp(name, "--seed") == 0) {
            ok = ParseNumber(value, 0, 2147483647L, seed);
        } else if (std::strcmp(name, "--budget-ms") == 0) {
            ok = ParseNumber(value, 1, 2147483647L, budget);
        } else if (std::strcmp(name, "--opening") == 0) {
            ok = ParseNumber(value, 0, 1000, opening);
        } else if (std::strcmp(name, "--force-percent") == 0) {
            ok = ParseNumber(value, 0, 100, forcePercent);
        } else if (std::strcmp(name, "--max-seconds") == 0) {
            ok = ParseNumber(value, 1, 1000000, maxSeconds);
        } else if (std::strcmp(name, "--report") == 0) {
            ok = std::strcmp(value, "on") == 0 || std::strcmp(value, "off") == 0;
            report = std::strcmp(value, "on") == 0;
        } else {
            return Fail(std::string("unknown option ") + name);
        }
        if (!ok)
            return Fail(std::string("bad value for ") + name + ": " + value);
    }
    if (seats.empty())
        return Fail("--seats COLOUR=LEVEL,... is required");

    CNullCanvas canvas;
    ConsoleHost host;
    std::map<PlayerColor, int> wins;
    std::map<PlayerType, ThinkTime> think;
    int unfinished = 0;
    Shortfalls shortfalls;
    ForcePlan force;
    force.percent = static_cast<uint32_t>(forcePercent);
    if (budget > 0)
        force.withinMs = static_cast<uint32_t>(std::min(budget, 1000000L));
    for (long g = 0; g < games; ++g) {
        const auto started = Clock::now();
        CGame game(host);
        // Without a window: no animation, no sound, no panel.
        game.SetOptions({.fullAnimation = false, .muteSounds = true, .showGameInfo = false});
        game.SetRandomSeed(static_cast<uint64_t>(seed) * 1000003u + static_cast<uint64_t>(g));
        for (const SeatSpec& s : seats) {
            auto p = std::make_unique<SelfPlayer>(
                s.colour, s.type, static_cast<int>(opening),
                static_cast<uint64_t>(seed) * 7919u + static_cast<uint64_t>(g * 31 + s.colour),
                static_cast<uint32_t>(budget), think[s.type], force);
            game.AddPlayer(std::move(p));
        }
        game.NewGame(canvas, 800, 600, kGamePlaying, 0, 0);
        bool outOfTime = false;
        while (game.State() == kGamePlaying && game.MoveCount() < maxMoves) {
            const int before = game.MoveCount();
            game.Tick(canvas);
            auto* player = dynamic_cast<SelfPlayer*>(game.Current());
            if (game.State() == kGamePlaying && player != nullptr &&
                player->ForceDue(Clock::now())) {
                game.ForceMove();
                ++shortfalls.forced;
            }
            if (maxSeconds > 0 && Clock::now() - started >= std::chrono::seconds(maxSeconds)) {
                outOfTime = game.State() == kGamePlaying;
                break;
            }
            if (game.MoveCount() == before)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        std::string order;
        for (PlayerColor c : game.TurnOrder())
            order += std::string(" ") + std::string(ColourName(c));
        std::printf("game %ld: order%s | ", g + 1, order.c_str());
        if (game.State() == kGameOver) {
            std::string places;
            for (int i = 0; i < kColorCount && game.PlaceAt(i) != kNoColor; ++i)
                places += std::string(i ? " " : "") + std::string(ColourName(game.PlaceAt(i)));
            std::printf("places %s | %d moves | %.1f s\n", places.c_str(), game.MoveCount(),
                        seconds);
            ++wins[game.PlaceAt(0)];
            bool allHome = true;
            for (PlayerColor c : game.TurnOrder())
                allHome = allHome && game.Board()->CountHome(c) == kTriangleHoles;
            if (!allHome) {
                ++shortfalls.nobodyCanMove;
                if (report)
                    std::printf("  why: ended with nobody able to move | %s\n",
                                HomeCounts(game).c_str());
            }
        } else {
            std::printf("unfinished after %d moves | %.1f s\n", game.MoveCount(), seconds);
            ++unfinished;
            const char* why = outOfTime                      ? "time cap reached"
                              : game.MoveCount() >= maxMoves ? "move cap reached"
                              : game.State() == kGamePlaying ? "still playing"
                                                             : "left play";
            if (outOfTime)
                ++shortfalls.timeCap;
            else if (game.MoveCount() >= maxMoves)
                ++shortfalls.moveCap;
            else
                ++shortfalls.other;
            if (report)
                std::printf("  why: %s | %s\n", why, HomeCounts(game).c_str());
        }
        std::fflush(stdout);
    }
    std::string line = "wins:";
    for (size_t i = 0; i < seats.size(); ++i)
        line +=
            (i ? ", " : " ") + SeatLabel(seats[i]) + " " + std::to_string(wins[seats[i].colour]);
    std::printf("%s, unfinished %d\n", line.c_str(), unfinished);
    line = "think:";
    bool first = true;
    for (const auto& [type, t] : think) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%s %s %.3f s/move over %d moves", first ? "" : ";",
                      LevelKeyword(type).c_str(), t.moves ? t.seconds / t.moves : 0.0, t.moves);
        line += buf;
        first = false;
    }
    std::printf("%s\n", line.c_str());
    if (report)
        std::printf(
            "unfinished: move cap %d, time cap %d, other %d; ended with nobody able to "
            "move %d; forced moves %ld\n",
            shortfalls.moveCap, shortfalls.timeCap, shortfalls.other, shortfalls.nobodyCanMove,
            shortfalls.forced);
    return 0;
}

}  // namespace halmora::cli
