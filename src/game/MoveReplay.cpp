#include "game/MoveReplay.h"

namespace halmora {
namespace {

int TurnIndexOf(std::span<const PlayerColor> order, PlayerColor c) {
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] == c)
            return static_cast<int>(i);
    return 0;
}

// Turns from `from`'s to `to`'s in the turn order, passes included: 1..players.
int32_t TurnsBetween(std::span<const PlayerColor> order, PlayerColor from, PlayerColor to) {
    const int n = static_cast<int>(order.size());
    if (n == 0)
        return 1;
    const int d = (TurnIndexOf(order, to) - TurnIndexOf(order, from) + n) % n;
    return d == 0 ? n : d;
}

}  // namespace

// A player who had to pass left no move and is passed over with the others.
bool CMoveReplay::PlanUndo(CMoveHistory& history, PlayerColor current,
                           std::span<const PlayerColor> order, const IsHuman& isHuman) {
    steps_.clear();
    PlayerColor after = current;
    for (bool human = false; !human;) {
        const int i = history.StepBack();
        if (i < 0) {
            // The history ran out before a human's move (it restarts after 1023 moves): give back
            // what was taken, so the board and the history stay in step.
            for (size_t k = 0; k < steps_.size(); ++k)
                history.StepForward();
            steps_.clear();
            return false;
        }
        Step step;
        step.mover = history.MoverAt(i);
        const Move& m = history.MoveAt(i);
        for (int j = m.count - 1; j >= 0; --j)
            step.path.Append(m.places[j]);
        step.turns = TurnsBetween(order, step.mover, after);
        after = step.mover;
        human = isHuman(step.mover);
        steps_.push_back(step);
    }
    turnTo_ = steps_.back().mover;
    return true;
}

bool CMoveReplay::PlanRedo(CMoveHistory& history, std::span<const PlayerColor> order,
                           const IsHuman& isHuman) {
    steps_.clear();
    if (history.Top() <= history.Position())
        return false;
    auto stepForward = [&]() {
        const int i = history.StepForward();
        steps_.push_back({history.MoverAt(i), history.MoveAt(i), 1});
    };
    stepForward();
    while (history.Position() < history.Top() && !isHuman(history.MoverAt(history.Position())))
        stepForward();
    const PlayerColor last = steps_.back().mover;
    turnTo_ = history.Position() < history.Top()
                  ? history.MoverAt(history.Position())
                  : order[(TurnIndexOf(order, last) + 1) % order.size()];
    for (size_t k = 0; k < steps_.size(); ++k)
        steps_[k].turns = TurnsBetween(order, steps_[k].mover,
                                       k + 1 < steps_.size() ? steps_[k + 1].mover : turnTo_);
    return true;
}

void CMoveReplay::Start(CBoardCanvas& canvas, CGameBoard& board, float speed) {
    index_ = 0;
    if (!steps_.empty())
        animator_.Start(canvas, steps_[0].path, board, speed);
}

std::optional<int32_t> CMoveReplay::Tick(CBoardCanvas& canvas, CGameBoard& board, float speed) {
    if (Done() || !animator_.Step(canvas, board))
        return std::nullopt;
    const int32_t turns = steps_[index_].turns;
    ++index_;
    if (!Done())
        animator_.Start(canvas, steps_[index_].path, board, speed);
    return turns;
}

}  // namespace halmora
