#include "Picture.h"

namespace halmora::assets {

QImage Supersample(int width, int height, int factor, const std::function<void(QPainter&)>& draw) {
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(factor, factor);
        draw(p);
    }
    QImage small(width, height, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb px = in[x * factor + sx];
                    a += qAlpha(px);
                    r += qRed(px);
                    g += qGreen(px);
                    b += qBlue(px);
                }
            }
            out[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return small;
}

MaskedPicture ToMasked(const QImage& argb, int opaqueFrom) {
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    MaskedPicture out{QImage(src.size(), QImage::Format_RGB32),
                      QImage(src.size(), QImage::Format_RGB32)};
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* image = reinterpret_cast<QRgb*>(out.image.scanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(out.mask.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a >= opaqueFrom && a > 0) {
                const auto un = [a](int c) { return std::min(255, (c * 255 + a / 2) / a); };
                image[x] = qRgb(un(qRed(in[x])), un(qGreen(in[x])), un(qBlue(in[x])));
                mask[x] = qRgb(255, 255, 255);
            } else {
                image[x] = qRgb(0, 0, 0);
                mask[x] = qRgb(0, 0, 0);
            }
        }
    }
    return out;
}

QImage ToArgb(const MaskedPicture& picture) {
    QImage out(picture.image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const bool shows = qRed(picture.mask.pixel(x, y)) != 0;
            const QRgb c = picture.image.pixel(x, y);
            out.setPixel(x, y, shows ? (c | 0xFF000000u) : 0u);
        }
    }
    return out;
}

void AvoidPureWhite(MaskedPicture& picture) {
    for (int y = 0; y < picture.image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
        for (int x = 0; x < picture.image.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                line[x] = qRgb(254, 254, 254);
        }
    }
}

namespace {

// One horizontal box pass over premultiplied ARGB rows, written transposed so that calling it
// twice blurs both directions.
QImage BoxPassTransposed(const QImage& in, int radius) {
    QImage out(in.height(), in.width(), QImage::Format_ARGB32_Premultiplied);
    const int width = in.width();
    const int span = 2 * radius + 1;
    for (int y = 0; y < in.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        int sum[4] = {0, 0, 0, 0};
        const auto add = [&](int x, int sign) {
            if (x < 0 || x >= width)
                return;
            sum[0] += sign * qAlpha(line[x]);
            sum[1] += sign * qRed(line[x]);
            sum[2] += sign * qGreen(line[x]);
            sum[3] += sign * qBlue(line[x]);
        };
        for (int x = -radius; x <= radius; ++x)
            add(x, 1);
        for (int x = 0; x < width; ++x) {
            out.setPixel(y, x, qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span));
            add(x - radius, -1);
            add(x + radius + 1, 1);
        }
    }
    return out;
}

}  // namespace

void Blur(QImage& image, int radius) {
    if (radius <= 0)
        return;
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass)
        work = BoxPassTransposed(BoxPassTransposed(work, radius), radius);
    image = work;
}

QColor Lighter(const QColor& c, double t) {
    return QColor::fromRgbF(Mix(c.redF(), 1.0, t), Mix(c.greenF(), 1.0, t), Mix(c.blueF(), 1.0, t),
                            c.alphaF());
}

QColor Darker(const QColor& c, double t) {
    return QColor::fromRgbF(Mix(c.redF(), 0.0, t), Mix(c.greenF(), 0.0, t), Mix(c.blueF(), 0.0, t),
                            c.alphaF());
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

}  // namespace halmora::assets
