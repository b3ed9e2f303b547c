#include "view/TransparentSurface.h"

#include <QCoreApplication>
#include <QPainter>
#include <QString>

#include <utility>

#include "view/ViewMessages.h"

namespace halmora {
namespace {

constexpr QRgb kMaskShown = 0xFFFFFFFF;
constexpr QRgb kMaskHidden = 0xFF000000;

// The one-bit view of a colour picture: white becomes 1 (white), every other colour 0 (black).
QImage ToMaskBits(const QImage& picture) {
    QImage bits = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < bits.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits.scanLine(y));
        for (int x = 0; x < bits.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFF) == 0x00FFFFFF ? kMaskShown : kMaskHidden;
    }
    return bits;
}

QImage LoadPicture(const std::string& path) {
    QImage read(QString::fromStdString(path));
    return read.isNull() ? read : read.convertToFormat(QImage::Format_RGB32);
}

SurfaceDC PainterOn(QImage& picture, std::function<void(QPainter*)> finish) {
    SurfaceDC dc(new QPainter(&picture), std::move(finish));
    dc->setRenderHint(QPainter::Antialiasing, false);
    return dc;
}

void Fill(SurfaceDC& dc, QRgb colour) {
    // One pixel past the right and bottom, so that nothing of the area is left unfilled.
    const QPaintDevice* device = dc->device();
    dc->fillRect(QRect(0, 0, device->width() + 1, device->height() + 1), QColor::fromRgb(colour));
}

}  // namespace

void CTransparentSurface::Load(const std::string& imagePath, const std::string& maskPath) {
    Release();
    const std::string failed =
        imagePath +
        SurfaceText(QT_TRANSLATE_NOOP("Surface", " could not be loaded! (CTransparentSurface)"));
    image_ = LoadPicture(imagePath);
    if (image_.isNull())
        ShowLoadMessage(failed);
    const QImage mask = LoadPicture(maskPath);
    if (mask.isNull())
        ShowLoadMessage(failed);
    else
        mask_ = ToMaskBits(mask);
    if (!image_.isNull() && !mask_.isNull() && image_.size() != mask_.size())
        ShowLoadMessage(
            imagePath +
            SurfaceText(QT_TRANSLATE_NOOP(
                "Surface", " image and mask not the same size! (CTransparentSurface)")));
    loaded_ = true;
}

void CTransparentSurface::Create(int width, int height) {
    Release();
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(kMaskHidden);
    mask_ = QImage(width, height, QImage::Format_RGB32);
    mask_.fill(kMaskHidden);
    loaded_ = true;
}

void CTransparentSurface::ComposeFromDrawing(int width, int height,
                                             const std::function<void(QPainter&)>& draw) {
    Create(width, height);
    {
        SurfaceDC image = OpenImageDC();
        SurfaceDC mask = OpenMaskDC();
        Fill(image, kMaskShown);
        Fill(mask, kMaskShown);
        draw(*image);
    }
    {
        // XOR with the white mask: opaque wherever the drawing is not white.
        SurfaceDC mask = OpenMaskDC();
        mask->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        mask->drawImage(0, 0, ToMaskBits(image_));
    }
    SurfaceDC image = OpenImageDC();
    Fill(image, kMaskHidden);
    draw(*image);
    // White parts of the drawing are transparent in the mask; black them out of the picture too,
    // or the OR would still paint them.
    image->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    image->drawImage(0, 0, mask_);
}

void CTransparentSurface::Draw(QPainter& dc, int x, int y) const {
    DrawPart(dc, 0, 0, image_.width(), image_.height(), x, y);
}

void CTransparentSurface::DrawPart(QPainter& dc, int srcX, int srcY, int width, int height,
                                   int dstX, int dstY) const {
    // Without both halves the picture would be ORed onto the screen or holes punched into it.
    if (image_.isNull() || mask_.isNull())
        return;
    dc.save();
    // Clear to black where the mask shows the sprite, then OR the picture into that hole.
    dc.setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
    dc.drawImage(QPoint(dstX, dstY), mask_, QRect(srcX, srcY, width, height));
    dc.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    dc.drawImage(QPoint(dstX, dstY), image_, QRect(srcX, srcY, width, height));
    dc.restore();
}

SurfaceDC CTransparentSurface::OpenImageDC() {
    return PainterOn(image_, [](QPainter* p) { delete p; });
}

SurfaceDC CTransparentSurface::OpenMaskDC() {
    return PainterOn(mask_, [this](QPainter* p) {
        delete p;
        mask_ = ToMaskBits(mask_);
    });
}

void CTransparentSurface::Release() {
    image_ = QImage();
    mask_ = QImage();
    loaded_ = false;
}

}  // namespace halmora
