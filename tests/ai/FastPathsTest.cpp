// The search's table-driven shape value and candidate generator against the plain rules, bit for
// bit, on positions from seeded random play of every player count.
#include <gtest/gtest.h>

#include <vector>

#include "ai/CandidateGenerator.h"
#include "ai/Evaluation.h"
#include "ai/PositionValues.h"
#include "board/Perft.h"
#include "board/RandomPlay.h"
#include "support/ReferenceShape.h"

namespace halmora {
namespace {

struct Sample {
    CGameBoard board;
    std::vector<PlayerColor> order;
};

std::vector<Sample> Samples() {
    const std::vector<std::vector<PlayerColor>> orders = {
        {3, 0}, {1, 3, 5}, {0, 1, 3, 4}, {0, 1, 2, 3, 4, 5}};
    std::vector<Sample> samples;
    SplitMix64 random(20261207);
    for (const auto& order : orders) {
        std::array<bool, kColorCount> seated{};
        for (PlayerColor c : order)
            seated[c] = true;
        for (int plies : {0, 7, 30, 80, 160, 400}) {
            Sample s{CGameBoard{}, order};
            SetUpStartPosition(s.board, seated);
            PlayRandomMoves(s.board, order, plies, random);
            samples.push_back(s);
        }
        // A damaged game: the first colour is a marble short.
        Sample shortOne = samples.back();
        for (int i = 0; i < kPlaceCount; ++i) {
            HoleRecord& h = shortOne.board.Hole(i % kGridSize, i / kGridSize);
            if (h.occupant == order[0]) {
                h.occupant = kNoColor;
                break;
            }
        }
        samples.push_back(shortOne);
    }
    return samples;
}

TEST(FastPaths, ShapeValueMatchesThePlainRule) {
    for (const Sample& s : Samples()) {
        CBasicBoard b;
        b.BuildFrom(s.board);
        const CPositionEvaluator eval(40, s.order);
        for (PlayerColor p : s.order)
            EXPECT_EQ(eval.Shape(b, p), testing::ReferenceShape(b, p));
    }
}

// Totals kept up to date through a line of moves made and taken back, against a fresh evaluation
// of every position on the way.
TEST(FastPaths, KeptUpToDateValuesMatchAFreshEvaluation) {
    auto lists = std::make_unique<std::array<MarbleCandidates, kTriangleHoles>>();
    SplitMix64 random(7);
    for (const Sample& s : Samples()) {
        CBasicBoard b;
        b.BuildFrom(s.board);
        const CPositionEvaluator eval(40, s.order);
        CPositionValues values(40, s.order);
        values.Reset(b);
        std::vector<std::pair<int, int>> made;
        const auto expectSame = [&] {
            for (PlayerColor p : s.order)
                ASSERT_EQ(values.Total(b, p), eval.Total(b, p));
        };
        for (int ply = 0; ply < 12; ++ply) {
            expectSame();
            GenerateCandidates(b, s.order[ply % s.order.size()], 40, *lists);
            std::vector<const Candidate*> moves;
            for (const MarbleCandidates& list : *lists)
                for (int i = 0; i < list.count; ++i)
                    moves.push_back(&list.moves[i]);
            if (moves.empty())
                continue;
            const Candidate& m = *moves[random.Below(static_cast<uint32_t>(moves.size()))];
            made.emplace_back(PlaceIndex(m.Start()), PlaceIndex(m.End()));
            b.ApplyMove(made.back().first, made.back().second);
            values.Make(b, made.back().first, made.back().second);
        }
        for (; !made.empty(); made.pop_back()) {
            expectSame();
            b.TakeBackMove(made.back().first, made.back().second);
            values.Unmake();
        }
        expectSame();
        CBasicBoard fresh;
        fresh.BuildFrom(s.board);
        EXPECT_TRUE(fresh == b);
    }
}

// Every part of a score that the generator computes.
std::vector<float> Parts(const Score& s) {
    return {s.total,   s.execution, s.center, s.startZone,
            s.endZone, s.forward,   s.build,  static_cast<float>(s.startDistance)};
}

TEST(FastPaths, GeneratorKeepsWhatGenerationScoringAndSelectionKeep) {
    auto all = std::make_unique<SearchMove[]>(CCandidateGenerator::kMaxCandidates);
    auto lists = std::make_unique<std::array<MarbleCandidates, kTriangleHoles>>();
    CCandidateGenerator generator;
    CGeneratorScratch scratch;
    for (const Sample& s : Samples()) {
        CBasicBoard b;
        b.BuildFrom(s.board);
        for (int moveCount : {0, 40, 300}) {
            generator.Prepare(b, moveCount);
            for (PlayerColor c : s.order) {
                GenerateCandidates(b, c, moveCount, *lists);
                std::vector<const Candidate*> plain;
                for (const MarbleCandidates& list : *lists)
                    for (int i = 0; i < list.count; ++i)
                        plain.push_back(&list.moves[i]);
                for (int breadth : {1, 2, 4, 10, 15, 20}) {
                    int16_t want[20], got[20];
                    Score scores[20];
                    const int wanted = SelectCandidates(
                        static_cast<int>(plain.size()), breadth,
                        [&plain](int i) -> const Score& { return plain[i]->score; }, want);
                    int kept = 0;
                    const int count =
                        generator.Generate(b, c, breadth, scratch, all.get(), got, scores, kept);
                    ASSERT_EQ(count, static_cast<int>(plain.size()));
                    ASSERT_EQ(kept, wanted);
                    for (int i = 0; i < kept; ++i) {
                        const Candidate& x = *plain[want[i]];
                        Move path;
                        CCandidateGenerator::BuildPath(all.get(), got[i], path);
                        EXPECT_EQ(PathText(path), PathText(x));
                        EXPECT_EQ(all[got[i]].total, x.score.total);
                        EXPECT_EQ(Parts(scores[i]), Parts(x.score));
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace halmora
