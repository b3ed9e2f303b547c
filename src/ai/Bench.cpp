#include "ai/Bench.h"

#include <chrono>
#include <cstring>

#include "board/BoardCells.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "board/Perft.h"
#include "board/RandomPlay.h"

namespace halmora {
namespace {

// FNV-1a over the bytes of each value.
class Hasher {
public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes)
            hash_ = (hash_ ^ b) * 0x100000001B3ull;
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::vector<PlayerColor> OrderFor(int players) {
    switch (players) {
        case 2:
            return {3, 0};
        case 3:
            return {1, 3, 5};
        case 4:
            return {0, 1, 3, 4};
        default:
            return {0, 1, 2, 3, 4, 5};
    }
}

// Plays `rounds` moves per player, each the best-scored candidate of its colour with some
// randomness, so positions look like real play rather than a random walk.
void PlayGreedy(CGameBoard& board, const std::vector<PlayerColor>& order, int rounds,
                SplitMix64& random, int& moveCount) {
    std::array<MarbleCandidates, kTriangleHoles> lists;
    for (int ply = 0; ply < rounds * static_cast<int>(order.size()); ++ply) {
        const PlayerColor c = order[ply % order.size()];
        CBasicBoard b;
        b.BuildFrom(board);
        GenerateCandidates(b, c, moveCount, lists);
        const Candidate* best = nullptr;
        int seen = 0;
        for (const auto& list : lists) {
            for (int i = 0; i < list.count; ++i) {
                const Candidate& x = list.moves[i];
                ++seen;
                if (best == nullptr || x.score.total > best->score.total ||
                    (x.score.total == best->score.total && random.Below(2) == 0))
                    best = &x;
            }
        }
        if (best == nullptr)
            continue;
        if (random.Below(8) == 0) {
            // Now and then a random move instead.
            int pick = static_cast<int>(random.Below(static_cast<uint32_t>(seen)));
            for (const auto& list : lists) {
                if (pick < list.count) {
                    best = &list.moves[pick];
                    break;
                }
                pick -= list.count;
            }
        }
        board.MoveMarble(best->Start(), best->End());
        ++moveCount;
    }
}

// Near the end: every colour has most marbles in its target triangle and the rest close by;
// the first `finished` colours after the one to move have all ten home.
void MakeEndGame(CGameBoard& board, const std::vector<PlayerColor>& order, int finished,
                 SplitMix64& random) {
    std::array<bool, kColorCount> seated{};
    for (PlayerColor c : order)
        seated[c] = true;
    board.SetUp(TriangleColoursFor(seated));
    for (size_t i = 0; i < order.size(); ++i) {
        const PlayerColor c = order[i];
        const auto& target = board.ZoneList(board.TargetColour(c));
        const bool done = i >= 1 && static_cast<int>(i) <= finished;
        const int inside = done ? 10 : 6 + static_cast<int>(random.Below(3));
        for (int k = 0; k < inside; ++k)
            board.Hole(target[k]).occupant = c;
        int placed = inside;
        for (int tries = 0; placed < 10 && tries < 10000; ++tries) {
            // Empty hexagon holes near the target's tip.
            const auto ring = Ring(1 + static_cast<int>(random.Below(4)));
            const Place p = ring[random.Below(static_cast<uint32_t>(ring.size()))];
            if (board.Hole(p).occupant != kNoColor)
                continue;
            if (HoleDistance(p, target[0]) > 9)
                continue;
            board.Hole(p).occupant = c;
            ++placed;
        }
    }
}

}  // namespace

std::vector<BenchPosition> MakeBenchPositions() {
    std::vector<BenchPosition> positions;
    for (int players : {2, 3, 4, 6}) {
        const std::vector<PlayerColor> order = OrderFor(players);
        std::array<bool, kColorCount> seated{};
        for (PlayerColor c : order)
            seated[c] = true;
        struct Stage {
            const char* name;
            int rounds;
        };
        for (const Stage stage : {Stage{"opening", 3}, Stage{"middle", 14}, Stage{"end", -1}}) {
            BenchPosition p;
            p.name = std::to_string(players) + "p " + stage.name;
            p.order = order;
            SplitMix64 random(0x48414C4D4F5241ull +
                              static_cast<uint64_t>(players * 100 + stage.rounds));
            if (stage.rounds >= 0) {
                SetUpStartPosition(p.board, seated);
                PlayGreedy(p.board, order, stage.rounds, random, p.moveCount);
            } else {
                MakeEndGame(p.board, order, players >= 3 ? 1 : 0, random);
                p.moveCount = 60 * players;
            }
            positions.push_back(std::move(p));
        }
    }
    return positions;
}

BenchResult RunBench(const std::vector<BenchPosition>& positions, int fromSeatType, int toSeatType,
                     const std::function<void(const BenchLine&)>& report,
                     const SearchSetup& setup) {
    using Clock = std::chrono::steady_clock;
    BenchResult result;
    Hasher hash;
    for (const BenchPosition& p : positions) {
        for (int seat = fromSeatType; seat <= toSeatType; ++seat) {
            CMoveSearch search(p.board, p.order[0], LevelRating(seat), CMoveSearch::kNoBudget,
                               p.moveCount, p.order, Move{}, setup);
            const auto start = Clock::now();
            search.Run();
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const std::string move = search.HasBestMove() ? PathText(search.BestMove()) : "none";
            hash.Add(search.Nodes());
            for (char ch : move)
                hash.Add(ch);
            for (PlayerColor c : p.order)
                hash.Add(search.RootValues()[c]);
            result.nodes += search.Nodes();
            result.candidates += search.Candidates();
            result.milliseconds += ms;
            if (report)
                report({&p, seat, search.Nodes(), search.Candidates(), ms, move});
        }
    }
    result.signature = hash.Value();
    return result;
}

}  // namespace halmora
