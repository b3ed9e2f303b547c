// A move is the path of one marble: the start hole, then every hole it lands on. A MoveList holds
// every move of one marble. Both have fixed capacities that this board never reaches.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/Place.h"

namespace halmora {

inline constexpr int kMaxPathPlaces = 64;
inline constexpr int kMaxMoves = 64;

struct Move {
    int32_t count = 0;
    std::array<Place, kMaxPathPlaces> places{};

    void Append(Place p) {
        if (count < kMaxPathPlaces)
            places[count++] = p;
    }
    Place Start() const { return places[0]; }
    Place End() const { return places[count - 1]; }

    friend bool operator==(const Move& a, const Move& b) {
        if (a.count != b.count)
            return false;
        for (int i = 0; i < a.count; ++i)
            if (!(a.places[i] == b.places[i]))
                return false;
        return true;
    }
};

// True when m takes the marble of `previous` straight back where it came from.
inline bool Undoes(const Move& m, const Move& previous) {
    return previous.count >= 2 && m.Start() == previous.End() && m.End() == previous.Start();
}

struct MoveList {
    int32_t count = 0;
    std::array<Move, kMaxMoves> moves;
};

// "c,r c,r ...": the path's places, start first, separated by one blank.
std::string PathText(const Move& m);

}  // namespace halmora
