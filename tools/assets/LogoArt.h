// The start-up logo and the application icon: the star board with glossy marbles, and on the
// logo the name in gold over a night-blue ground.
#pragma once

#include <QImage>

namespace halmora::assets {

inline constexpr int kLogoWidth = 640;
inline constexpr int kLogoHeight = 480;

// `density` times as many pixels each way, for denser screens.
QImage PopupLogo(int density = 1);
QImage ApplicationIcon(int size);

}  // namespace halmora::assets
