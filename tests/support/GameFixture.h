// A player that moves at once and a fixture that runs games in a temporary application folder,
// for the game's tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "board/BoardCells.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "game/Game.h"
#include "platform/AppFolder.h"
#include "support/Boards.h"
#include "support/FakeCanvas.h"
#include "support/FakeHost.h"
#include "support/TempFolder.h"

namespace halmora::testing {

// Plays at once on its first poll: the move that brings a marble nearest to its target tip, or
// keeps choosing for ever when told to stall.
class ScriptedPlayer : public CPlayer {
public:
    explicit ScriptedPlayer(PlayerColor c, PlayerType type = kSeatHuman) : CPlayer(c, type, "P") {}

    void BeginTurn(CBoardCanvas&, CGameBoard&, const TurnInfo& turn) override {
        moveState_ = kMoveChoosing;
        ++begun;
        lastRemaining = turn.remainingMs;
        lastPerMove = turn.secondsPerMove;
        lastMoveCount = turn.moveCount;
    }
    int32_t PollTurn(CBoardCanvas&, CGameBoard& board) override {
        if (moveState_ != kMoveChoosing || stall)
            return moveState_;
        const BoardCells cells = BoardCells::Snapshot(board);
        const Place tip = board.ZoneList(board.TargetColour(colour_))[0];
        MoveList list;
        Move best;
        int bestGain = -100;
        for (int i = 0; i < kPlaceCount; ++i) {
            if (cells.cells[i].occupant != colour_)
                continue;
            GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
            for (int k = 0; k < list.count; ++k) {
                const Move& m = list.moves[k];
                const int gain = HoleDistance(m.Start(), tip) - HoleDistance(m.End(), tip);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = m;
                }
            }
        }
        board.MoveMarble(best.Start(), best.End());
        previousMove_ = best;
        moveState_ = kMoveDone;
        return moveState_;
    }
    void ForceMove() override { ++forced; }

    bool stall = false;
    int begun = 0;
    int forced = 0;
    uint32_t lastRemaining = 0;
    int32_t lastPerMove = -1;
    int32_t lastMoveCount = -1;
};

constexpr Place kBottom[10] = {{8, 17}, {8, 16}, {7, 16}, {9, 15}, {8, 15},
                               {7, 15}, {9, 14}, {8, 14}, {7, 14}, {6, 14}};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_ / "Data");
        previousFolder_ = ApplicationFolder();
        SetApplicationFolder(dir_);
        game_ = std::make_unique<CGame>(host_);
    }
    void TearDown() override {
        game_.reset();
        SetApplicationFolder(previousFolder_);
    }

    ScriptedPlayer* Seat(PlayerColor c, PlayerType type = kSeatHuman) {
        auto p = std::make_unique<ScriptedPlayer>(c, type);
        ScriptedPlayer* raw = p.get();
        game_->AddPlayer(std::move(p));
        return raw;
    }
    void Start(int turnStart, int initialSeconds = 0, int perMove = 0) {
        game_->SetTurnStart(turnStart);
        game_->NewGame(canvas_, 800, 600, kGamePlaying, initialSeconds, perMove);
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            game_->Tick(canvas_);
    }
    // Yellow (top) one step from having all ten in the bottom triangle; Red spread about.
    void YellowNearlyHome() {
        CGameBoard& b = *game_->Board();
        for (int i = 0; i < kPlaceCount; ++i)
            b.Hole(i % kGridSize, i / kGridSize).occupant = -1;
        for (int i = 0; i < 9; ++i)
            b.Hole(kBottom[i]).occupant = kYellow;
        b.Hole(6, 13).occupant = kYellow;
        for (const Place p : {Place{2, 5}, Place{3, 5}, Place{4, 5}, Place{5, 5}, Place{6, 5},
                              Place{12, 5}, Place{13, 5}, Place{14, 5}, Place{11, 5}, Place{10, 5}})
            b.Hole(p).occupant = kRed;
    }

    FakeHost host_;
    FakeCanvas canvas_;
    std::unique_ptr<CGame> game_;
    TempFolder folder_{"halmora-game"};
    const std::filesystem::path& dir_ = folder_.Path();
    std::filesystem::path previousFolder_;
};

}  // namespace halmora::testing
