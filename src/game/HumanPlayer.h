// A seat whose moves come from the mouse, entered in one of two ways chosen by the MouseMode
// setting: drag and drop (pick the marble up, carry it as the cursor, drop it on its end hole) or
// connect the dots (click the marble, then each hole of its path, then the last hole again).
// Every entry is checked against the move generator; the finished move is left in the
// previous-move path for the game tick, which polls until the state says the move is done.
#pragma once

#include <cstdint>
#include <string_view>

#include "board/GameBoard.h"
#include "board/Move.h"
#include "game/BoardCanvas.h"
#include "game/Player.h"

namespace halmora {

class CHumanPlayer : public CPlayer {
public:
    // The player is idle until its first turn.
    CHumanPlayer(PlayerColor colour, PlayerType seatType, std::string_view name);

    void BeginTurn(CBoardCanvas& canvas, CGameBoard& board, const TurnInfo& turn) override;
    // Runs a started move animation on; 4 once the marble has landed.
    int32_t PollTurn(CBoardCanvas& canvas, CGameBoard& board) override;
    // Ignored unless the player is choosing (any state but 0, 3 and 4).
    void MouseInput(int32_t message, int32_t keyFlags, int x, int y, CBoardCanvas& canvas,
                    CGameBoard& board) override;
    void ForceMove() override;

    // The holes chosen so far, start first: one while a marble is picked up or selected.
    const Move& SelectedPath() const { return selected_; }

private:
    void Cancel(CBoardCanvas& canvas);

    void PickUp(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board);
    void DragHover(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board);
    void Drop(bool onHole, Place hole, int x, int y, CBoardCanvas& canvas, CGameBoard& board);

    void Click(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board);
    void DotsHover(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board);
    void Perform(CBoardCanvas& canvas, CGameBoard& board);
    void AddDot(Place hole, CBoardCanvas& canvas, CGameBoard& board);

    bool IsOwnMarble(Place hole, const CGameBoard& board) const;
    bool PickedUp() const { return selected_.count == 1; }
    void HideStartMarble(CBoardCanvas& canvas, CGameBoard& board);
    void ShowPossibleMoves(Place hole, CBoardCanvas& canvas, CGameBoard& board);

    Move selected_;
};

}  // namespace halmora
