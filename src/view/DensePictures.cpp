#include "view/DensePictures.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace halmora {
namespace {

constexpr QRgb kTransparent = 0;

bool Shown(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

QImage Read(const std::string& path) {
    QImage read(QString::fromStdString(path));
    return read.isNull() ? read : read.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int DensityForRatio(double ratio) {
    // Screens report ratios such as 2.0000001 for 2.
    const double rounded = std::ceil(ratio - 1e-6);
    return static_cast<int>(std::clamp(rounded, 1.0, 4.0));
}

std::string AtDensity(const std::string& path, int density) {
    if (density == 1)
        return path;
    const size_t slash = path.rfind('/');
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = path.size();
    return path.substr(0, dot) + "@" + std::to_string(density) + "x" + path.substr(dot);
}

QImage LoadMaskedPicture(const std::string& imagePath, const std::string& maskPath) {
    const QImage image = Read(imagePath);
    const QImage mask = Read(maskPath);
    if (image.isNull() || mask.isNull() || image.size() != mask.size())
        return {};
    QImage picture(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* colour = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* bits = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        // As the plain pictures are read: pure white in the mask shows, any other colour not.
        for (int x = 0; x < image.width(); ++x)
            out[x] = (bits[x] & 0x00FFFFFF) == 0x00FFFFFF ? (colour[x] | 0xFF000000) : kTransparent;
    }
    return picture;
}

QImage ResizedMaskedPicture(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty() || picture.size() == size)
        return picture;
    const int across = size.width() / picture.width();
    if (across * picture.width() == size.width() && across * picture.height() == size.height())
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage resized = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < resized.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(resized.scanLine(y));
        for (int x = 0; x < resized.width(); ++x) {
            const QRgb own = qUnpremultiply(line[x]);
            line[x] = Shown(line[x]) ? qRgb(qRed(own), qGreen(own), qBlue(own)) : kTransparent;
        }
    }
    return resized;
}

QImage DensePicture(const std::string& stem, QSize plainSize, int density) {
    if (density >= 2) {
        const QImage dense =
            LoadMaskedPicture(AtDensity(stem + ".bmp", 2), AtDensity(stem + " Mask.bmp", 2));
        if (!dense.isNull() && dense.size() == plainSize * 2)
            return ResizedMaskedPicture(dense, plainSize * density);
    }
    const QImage plain = LoadMaskedPicture(stem + ".bmp", stem + " Mask.bmp");
    return ResizedMaskedPicture(plain, plainSize * density);
}

QImage SoftOutline(const QImage& picture) {
    const QImage in = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(in.size(), QImage::Format_ARGB32_Premultiplied);
    const int width = in.width(), height = in.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Coverage: the shown share of the 3 by 3 pixels round this one. A pixel outside
            // the outline takes the mean colour of its shown neighbours.
            int shown = 0, red = 0, green = 0, blue = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    const QRgb p = reinterpret_cast<const QRgb*>(in.constScanLine(ny))[nx];
                    if (!Shown(p))
                        continue;
                    const QRgb c = qUnpremultiply(p);
                    ++shown;
                    red += qRed(c);
                    green += qGreen(c);
                    blue += qBlue(c);
                }
            }
            const QRgb own = reinterpret_cast<const QRgb*>(in.constScanLine(y))[x];
            const QRgb colour =
                Shown(own) ? qUnpremultiply(own)
                           : (shown == 0 ? 0u : qRgb(red / shown, green / shown, blue / shown));
            line[x] = qPremultiply(
                qRgba(qRed(colour), qGreen(colour), qBlue(colour), (shown * 255 + 4) / 9));
        }
    }
    out.setDevicePixelRatio(picture.devicePixelRatio());
    return out;
}

}  // namespace halmora
