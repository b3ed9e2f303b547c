#include "app/Wallpaper.h"

#include <QPainter>

#include "app/WallpaperDialog.h"

namespace halmora {

QColor CWallpaper::Colour(const CSettings& settings) {
    return QColor(settings.WallpaperRed & 0xFF, settings.WallpaperGreen & 0xFF,
                  settings.WallpaperBlue & 0xFF);
}

void CWallpaper::Load(const CSettings& settings) {
    picture_.reset();
    if (settings.WallpaperMode != 1 && settings.WallpaperMode != 2)
        return;
    picture_ = std::make_unique<CSurface>();
    picture_->Load(CWallpaperDialog::PicturePath(settings).string());
}

void CWallpaper::Update(int w, int h, const CSettings& settings, CBoardRenderer& renderer) {
    const QColor colour = Colour(settings);
    background_ = QImage();
    if (settings.WallpaperMode >= 1 && picture_ && picture_->Width() > 0 &&
        picture_->Height() > 0 && w > 0 && h > 0) {
        background_ = QImage(w, h, QImage::Format_RGB32);
        background_.fill(colour);
        QPainter dc(&background_);
        if (settings.StretchWallpaper != 1) {
            const int columns = w / picture_->Width() + 1;
            const int rows = h / picture_->Height() + 1;
            for (int c = 0; c < columns; ++c)
                for (int r = 0; r < rows; ++r)
                    picture_->Draw(dc, c * picture_->Width(), r * picture_->Height());
        } else {
            picture_->DrawStretched(dc, 0, 0, w, h, 0, 0, picture_->Width(), picture_->Height());
        }
    }
    renderer.SetBackgroundColor(colour);
    renderer.SetBackgroundImage(background_);
}

void CWallpaper::Paint(QPainter& dc, const QRect& dirty, const CSettings& settings) const {
    if (!background_.isNull())
        dc.drawImage(dirty, background_, dirty);
    else
        dc.fillRect(dirty, Colour(settings));
}

}  // namespace halmora
