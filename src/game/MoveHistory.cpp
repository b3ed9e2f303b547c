#include "game/MoveHistory.h"

#include <algorithm>

#include "board/BoardGeometry.h"

namespace halmora {

void CMoveHistory::Record(PlayerColor colour, const Move& path) {
    if (position_ >= kSlots - 1)
        position_ = top_ = 0;
    movers_[position_] = colour;
    moves_[position_] = path;
    ++position_;
    top_ = position_;
}

int CMoveHistory::StepBack() {
    if (position_ < 1)
        return -1;
    return --position_;
}

int CMoveHistory::StepForward() {
    if (top_ <= position_)
        return -1;
    return position_++;
}

void CMoveHistory::Rotate(int direction) {
    for (int i = 0; i < top_; ++i)
        for (int k = 0; k < moves_[i].count; ++k)
            moves_[i].places[k] = RotatePlace(moves_[i].places[k], direction);
}

void CMoveHistory::Assign(int top, int position, const Move* moves, const PlayerColor* movers) {
    top_ = std::clamp(top, 0, kSlots - 1);
    position_ = std::clamp(position, 0, top_);
    for (int i = 0; i < top_; ++i) {
        moves_[i] = moves[i];
        movers_[i] = movers[i];
    }
}

}  // namespace halmora
