// The pictures of the game's Graphics folder: holes, marbles and classic boards of the three
// board sizes, the small clock of the information panel and the start-up logo; all but the
// classic boards (which the game never shows) also at twice the density for denser screens.
#pragma once

#include "BoardStyle.h"
#include "OutputFolder.h"
#include "Picture.h"

namespace halmora::assets {

inline constexpr int kSmallClockSize = 18;  // one text line of the information panel

MaskedPicture ClassicBoard(const BoardSize& size);
MaskedPicture SmallClock(int density = 1);

void WriteGraphics(COutputFolder& out);

}  // namespace halmora::assets
