// The program's own pictures: toolbar strips (normal, hot, disabled), the application and rotate
// icons, the hand cursor and the eighteen marble cursors, with a list of cursor hot spots. All but
// the application icon, which is large already, are also drawn at twice the density ("@2x" names,
// the hot spots in the plain pictures' pixels).
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

// `density` times as many pixels each way as the plain picture.
QImage ToolbarStrip(ToolbarState state, int density = 1);
QImage RotateIcon(bool clockwise, int density = 1);
QImage HandCursor(int density = 1);
QImage MarbleCursor(int sizeIndex, int colour, int density = 1);

void WriteResources(COutputFolder& out);

}  // namespace halmora::assets
