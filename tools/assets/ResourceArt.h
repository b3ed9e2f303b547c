// The program's own pictures: toolbar strips (normal, hot, disabled), the application and rotate
// icons, the hand cursor and the eighteen marble cursors, with a list of cursor hot spots.
#pragma once

#include <QImage>

#include "OutputFolder.h"

namespace halmora::assets {

inline constexpr int kToolbarImageWidth = 32;
inline constexpr int kToolbarImageHeight = 30;
inline constexpr int kToolbarImages = 8;
// The toolbar's transparent colour is read from the strip's bottom-left pixel; this colour is
// kept out of every button picture.
inline constexpr QRgb kToolbarKey = 0xFFFF00FF;

enum class ToolbarState { Normal, Hot, Disabled };

QImage ToolbarStrip(ToolbarState state);
QImage RotateIcon(bool clockwise);
QImage HandCursor();
QImage MarbleCursor(int sizeIndex, int colour);

void WriteResources(COutputFolder& out);

}  // namespace halmora::assets
