// Every move of the game in order, with the colour that made it, so that humans can take moves
// back and play them again and a saved game carries them. At most 1023 moves are kept: the
// 1024th restarts the history.
#pragma once

#include <array>
#include <cstdint>

#include "board/Move.h"
#include "board/Place.h"

namespace halmora {

class CMoveHistory {
public:
    static constexpr int kSlots = 1024;

    void Clear() { position_ = top_ = 0; }
    void Record(PlayerColor colour, const Move& path);
    void SetSeatTypes(const std::array<int32_t, kColorCount>& types) { seatTypes_ = types; }

    // Index of the move stepped over, or -1 when there is none.
    int StepBack();
    int StepForward();

    // Turns every recorded place a sixth of a turn (0 clockwise on the screen, 1 back).
    void Rotate(int direction);

    int Position() const { return position_; }
    int Top() const { return top_; }
    const Move& MoveAt(int i) const { return moves_[i]; }
    PlayerColor MoverAt(int i) const { return movers_[i]; }
    const std::array<int32_t, kColorCount>& SeatTypes() const { return seatTypes_; }

    // Replaces the whole history, e.g. from a saved game; counts are clamped to the slots.
    void Assign(int top, int position, const Move* moves, const PlayerColor* movers);

private:
    int32_t position_ = 0;
    int32_t top_ = 0;
    std::array<Move, kSlots> moves_{};
    std::array<PlayerColor, kSlots> movers_{};
    std::array<int32_t, kColorCount> seatTypes_{};
};

}  // namespace halmora
