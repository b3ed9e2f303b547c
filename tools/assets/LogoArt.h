// The start-up logo and the application icon: the star board with glossy marbles, and on the
// logo the name in gold over a night-blue ground.
#pragma once

#include <QImage>

namespace halmora::assets {

inline constexpr int kLogoWidth = 640;
inline constexpr int kLogoHeight = 480;

QImage PopupLogo();
QImage ApplicationIcon(int size);

}  // namespace halmora::assets
