// The shape value written as plainly as its rule reads, term by term with the nearest other own
// marble found when first needed, so that the table-driven evaluation can be checked against it.
#pragma once

#include "board/BasicBoard.h"
#include "board/HoleDistance.h"

namespace halmora::testing {

inline float ReferenceShape(const CBasicBoard& b, PlayerColor p) {
    float s3 = 0;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const Place h = b.Marbles(p)[k];
        int nearest = -1;
        for (int d = 0; d < kDirectionCount; ++d) {
            const Place n = Neighbour(h, d);
            if (!InsideGrid(n) || b.Cell(n).occupant == kNoColor8)
                continue;
            const bool ownBeside = b.Cell(n).occupant == p;
            float own = ownBeside ? 0.1f : 0.0f;
            float other = ownBeside ? 0.0f : 0.05f;
            const Place beyond = JumpLanding(h, d);
            if (beyond.col >= 0 && beyond.col <= 17 && beyond.row >= 0 && beyond.row <= 17) {
                const uint8_t o = b.Cell(beyond).occupant;
                if (o == kNoColor8)
                    continue;
                if (o == p)
                    own = static_cast<float>(own + 0.1);
                else
                    other = static_cast<float>(other + 0.05);
            }
            if (own < 0.2) {
                if (nearest < 0) {
                    nearest = 10000;
                    for (int g = 0; g < kTriangleHoles; ++g)
                        if (g != k && HoleDistance(h, b.Marbles(p)[g]) < nearest)
                            nearest = HoleDistance(h, b.Marbles(p)[g]);
                }
                if (nearest > 2)
                    own -= static_cast<float>(2 * nearest);
            }
            s3 += own + other;
        }
    }
    return s3;
}

}  // namespace halmora::testing
