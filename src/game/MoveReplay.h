// Undo and redo as the game carries them out: the recorded moves taken back down to the last move
// of a human, or played again up to the next one, each with the turns it spans up to the next
// move (passes too), which the move count goes back or forward by. The game plans a replay, then
// makes its moves at once or shows them one after the other, a step on every tick.
//
//   if (replay.PlanUndo(history, current, order, isHuman)) {
//       replay.Start(canvas, board, speed);
//       while (!replay.Done()) replay.Tick(canvas, board, speed);  // once a tick
//   }
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "board/GameBoard.h"
#include "board/Move.h"
#include "game/BoardCanvas.h"
#include "game/MoveAnimator.h"
#include "game/MoveHistory.h"

namespace halmora {

class CMoveReplay {
public:
    struct Step {
        PlayerColor mover = kNoColor;
        Move path;  // start first, as the marble goes now
        int32_t turns = 1;
    };
    using IsHuman = std::function<bool(PlayerColor)>;

    // Back over the recorded moves, whoever made them, to the last move of a human, who then has
    // the turn again; `current` has the turn now. False, with the history as it was, when the
    // history runs out first.
    bool PlanUndo(CMoveHistory& history, PlayerColor current, std::span<const PlayerColor> order,
                  const IsHuman& isHuman);
    // Forward up to the next move of a human, whose turn it then is; at the end of the history
    // the turn goes to the player after the last mover. False when there is nothing to redo.
    bool PlanRedo(CMoveHistory& history, std::span<const PlayerColor> order,
                  const IsHuman& isHuman);
    void Clear() { steps_.clear(); }

    const std::vector<Step>& Steps() const { return steps_; }
    // Whose turn it is once the replay is over.
    PlayerColor TurnTo() const { return turnTo_; }

    // Shows the moves one after the other, each at the `speed` (pixels per millisecond) of its
    // start.
    void Start(CBoardCanvas& canvas, CGameBoard& board, float speed);
    // One tick of the show: once the move being shown has landed, its turns, and the next move
    // starts; nothing meanwhile. Done() tells when the last move has landed.
    std::optional<int32_t> Tick(CBoardCanvas& canvas, CGameBoard& board, float speed);
    bool Done() const { return index_ >= static_cast<int>(steps_.size()); }

private:
    std::vector<Step> steps_;
    PlayerColor turnTo_ = kNoColor;
    CMoveAnimator animator_;
    int index_ = 0;
};

}  // namespace halmora
