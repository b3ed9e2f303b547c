// Wallpapers for the board's background: seamless tiles, since the game tiles a wallpaper that
// is not stretched.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

#include "OutputFolder.h"

namespace halmora::assets {

inline constexpr int kWallpaperWidth = 1024;
inline constexpr int kWallpaperHeight = 768;

struct Wallpaper {
    QString fileName;
    QImage (*make)();
};

const std::vector<Wallpaper>& Wallpapers();

void WriteWallpapers(COutputFolder& out);

}  // namespace halmora::assets
