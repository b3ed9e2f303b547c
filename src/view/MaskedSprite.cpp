#include "view/MaskedSprite.h"

#include <QPainter>

#include <algorithm>

#include "view/TransparentSurface.h"

namespace halmora {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Ground(int width, int height, QRgb colour) {
    QImage ground(width, height, QImage::Format_RGB32);
    ground.fill(colour);
    return ground;
}

// The drawing on a ground of one colour, painted as the surfaces paint into their pictures.
QImage DrawnOn(int width, int height, QRgb ground, const std::function<void(QPainter&)>& draw) {
    QImage picture = Ground(width, height, ground);
    QPainter dc(&picture);
    dc.setRenderHint(QPainter::Antialiasing, false);
    draw(dc);
    return picture;
}

const QRgb* Line(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

}  // namespace

void CMaskedSprite::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    // Every pixel is written by the caller; a sprite composed again at its size reuses the memory.
    keep_.resize(count);
    onBlack_.resize(count);
}

void CMaskedSprite::Take(const CTransparentSurface& surface) {
    Resize(surface.ImageWidth(), surface.ImageHeight());
    if (IsEmpty())
        return;
    const auto lay = [&](QPainter& dc) { surface.Draw(dc, 0, 0); };
    const QImage onBlack = DrawnOn(width_, height_, kBlack, lay);
    const QImage onWhite = DrawnOn(width_, height_, kWhite, lay);
    for (int y = 0; y < height_; ++y) {
        const QRgb* b = Line(onBlack, y);
        const QRgb* w = Line(onWhite, y);
        QRgb* keep = keep_.data() + static_cast<size_t>(y) * width_;
        QRgb* set = onBlack_.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            keep[x] = w[x] ^ b[x];
            set[x] = b[x];
        }
    }
}

void CMaskedSprite::TakePicture(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Resize(argb.width(), argb.height());
    for (int y = 0; y < height_; ++y) {
        const QRgb* in = Line(argb, y);
        QRgb* keep = keep_.data() + static_cast<size_t>(y) * width_;
        QRgb* set = onBlack_.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            const bool shown = qAlpha(in[x]) >= 128;
            keep[x] = shown ? 0 : (kWhite ^ kBlack);
            set[x] = shown ? (qUnpremultiply(in[x]) | kBlack) : kBlack;
        }
    }
}

void CMaskedSprite::ComposeFromDrawing(int width, int height,
                                       const std::function<void(QPainter&)>& draw) {
    Resize(width, height);
    if (IsEmpty())
        return;
    // The surface's mask is white wherever the drawing on white is not pure white, and its
    // picture is the drawing on black there and black elsewhere. Laid on black that gives the
    // picture, laid on white the picture where the mask is white and white elsewhere.
    const QImage onWhite = DrawnOn(width_, height_, kWhite, draw);
    const QImage onBlack = DrawnOn(width_, height_, kBlack, draw);
    for (int y = 0; y < height_; ++y) {
        const QRgb* w = Line(onWhite, y);
        const QRgb* b = Line(onBlack, y);
        QRgb* keep = keep_.data() + static_cast<size_t>(y) * width_;
        QRgb* set = onBlack_.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            const bool shown = (w[x] & 0x00FFFFFF) != 0x00FFFFFF;
            keep[x] = shown ? 0 : (kWhite ^ kBlack);
            set[x] = shown ? (b[x] | kBlack) : kBlack;
        }
    }
}

void CMaskedSprite::Clear() {
    Resize(0, 0);
}

void CMaskedSprite::Draw(QImage& target, int x, int y) const {
    DrawPart(target, 0, 0, width_, height_, x, y);
}

void CMaskedSprite::DrawPart(QImage& target, int srcX, int srcY, int width, int height, int dstX,
                             int dstY) const {
    if (IsEmpty() || target.depth() != 32)
        return;
    // Cut the part to the sprite, moving the destination with it, then to the target.
    const auto cut = [](int& src, int& dst, int& length, int srcLimit, int dstLimit) {
        if (src < 0) {
            dst -= src;
            length += src;
            src = 0;
        }
        length = std::min(length, srcLimit - src);
        if (dst < 0) {
            src -= dst;
            length += dst;
            dst = 0;
        }
        length = std::min(length, dstLimit - dst);
    };
    cut(srcX, dstX, width, width_, target.width());
    cut(srcY, dstY, height, height_, target.height());
    if (width <= 0 || height <= 0)
        return;
    uchar* bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    for (int row = 0; row < height; ++row) {
        auto* screen = reinterpret_cast<QRgb*>(bits + (dstY + row) * stride) + dstX;
        const size_t from = static_cast<size_t>(srcY + row) * width_ + srcX;
        const QRgb* keep = keep_.data() + from;
        const QRgb* set = onBlack_.data() + from;
        for (int i = 0; i < width; ++i)
            screen[i] = (screen[i] & keep[i]) ^ set[i];
    }
}

}  // namespace halmora
