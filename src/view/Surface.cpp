#include "view/Surface.h"

#include <QCoreApplication>
#include <QPainter>
#include <QString>

#include "view/ViewMessages.h"

namespace halmora {

void CSurface::Load(const std::string& path) {
    Release();
    QImage read(QString::fromStdString(path));
    if (read.isNull())
        ShowLoadMessage(path + SurfaceText(QT_TRANSLATE_NOOP("Surface", " could not be loaded!")));
    else
        picture_ = read.convertToFormat(QImage::Format_RGB32);
    loaded_ = true;
}

void CSurface::Draw(QPainter& dc, int x, int y) const {
    if (picture_.isNull())
        return;
    dc.save();
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    dc.drawImage(x, y, picture_);
    dc.restore();
}

void CSurface::DrawStretched(QPainter& dc, int dstX, int dstY, int dstW, int dstH, int srcX,
                             int srcY, int srcW, int srcH) const {
    if (picture_.isNull())
        return;
    dc.save();
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    // A plain pixel stretch, no smoothing: a stretched wallpaper shows its own pixels.
    dc.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dc.drawImage(QRect(dstX, dstY, dstW, dstH), picture_, QRect(srcX, srcY, srcW, srcH));
    dc.restore();
}

void CSurface::Release() {
    picture_ = QImage();
    loaded_ = false;
}

}  // namespace halmora
