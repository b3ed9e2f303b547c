// A seat's player behind the four operations the game calls: BeginTurn when its turn starts,
// PollTurn on every tick until the move is done, MouseInput for the board's mouse messages, and
// ForceMove. CHumanPlayer takes moves from the mouse, CComputerPlayer from a search on a worker
// thread. The base class is the inert default: it never finishes a turn.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "board/GameBoard.h"
#include "board/Move.h"
#include "board/SeatTypes.h"
#include "game/BoardCanvas.h"
#include "game/GameOptions.h"
#include "game/MoveAnimator.h"
#include "platform/TextEncoding.h"

namespace halmora {

enum MoveState : int32_t {
    kMoveIdle = 0,
    kMoveChoosing = 1,
    kMoveAnimating = 3,
    kMoveDone = 4,
};

// Mouse messages as the board window passes them on.
enum MouseMessage : int32_t {
    kMouseMove = 512,
    kLeftButtonDown = 513,
    kLeftButtonUp = 514,
    kRightButtonDown = 516,
    kRightButtonUp = 517,
};

struct TurnInfo {
    bool clocksOn = false;
    uint32_t remainingMs = 0;    // 0 with clocks off
    int32_t secondsPerMove = 0;  // 0 with clocks off
    int32_t players = 0;
    int32_t moveCount = 0;
    std::span<const PlayerColor> turnOrder;  // the players' colours, first mover first
};

class CPlayer {
public:
    // `name` is GBK bytes; it is cut to fit the 32-byte field with its zero.
    CPlayer(PlayerColor colour, PlayerType seatType, std::string_view name);
    virtual ~CPlayer() = default;
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    virtual void BeginTurn(CBoardCanvas& canvas, CGameBoard& board, const TurnInfo& turn);
    virtual int32_t PollTurn(CBoardCanvas& canvas, CGameBoard& board);
    virtual void MouseInput(int32_t message, int32_t keyFlags, int x, int y, CBoardCanvas& canvas,
                            CGameBoard& board);
    virtual void ForceMove();

    PlayerColor Colour() const { return colour_; }
    PlayerType SeatType() const { return seatType_; }
    bool IsHuman() const { return seatType_ == kSeatHuman; }
    int32_t Rating() const { return rating_; }
    void SetRating(int32_t rating) { rating_ = rating; }
    const GbkName& Name() const { return name_; }
    int32_t MoveState() const { return moveState_; }
    // The path of the move just made, start first; the game records it when the move is done.
    const Move& PreviousMove() const { return previousMove_; }
    // The player's choices; the game passes them on whenever they change.
    void SetOptions(const GameOptions& options) { options_ = options; }
    const GameOptions& Options() const { return options_; }

protected:
    PlayerColor colour_;
    PlayerType seatType_;
    int32_t rating_ = 0;
    GbkName name_{};
    int32_t moveState_ = kMoveDone;
    Move previousMove_;
    GameOptions options_;
    CMoveAnimator animator_;
};

}  // namespace halmora
