#include "app/SplashWindow.h"

#include <QCoreApplication>
#include <QPainter>

#include "app/SoundPlayer.h"
#include "app/Version.h"
#include "platform/AppFolder.h"
#include "view/DensePictures.h"
#include "view/ViewMessages.h"

namespace halmora {

CSplashWindow::CSplashWindow(bool muted, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("splashWindow");
    setWindowTitle(ApplicationTitle());
    setFixedSize(kWidth, kHeight);
    logo_.Load(AppFile("Graphics/Popup Logo.bmp").string());
    if (devicePixelRatioF() > 1) {
        denseLogo_.load(
            QString::fromStdString(AtDensity(AppFile("Graphics/Popup Logo.bmp").string(), 2)));
        if (denseLogo_.size() == QSize(logo_.Width(), logo_.Height()) * 2)
            denseLogo_.setDevicePixelRatio(2);
        else
            denseLogo_ = QImage();
    }
    painter_.Init(16, true, false, QStringLiteral("Arial"), Qt::white, 0);
    if (!muted)
        PlayGameSound("Sounds/Startup.wav");
}

void CSplashWindow::CentreOn(int screenWidth, int screenHeight) {
    move((screenWidth - kWidth) / 2, (screenHeight - kHeight) / 2);
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter dc(this);
    dc.fillRect(rect(), Qt::black);
    if (denseLogo_.isNull() || devicePixelRatioF() <= 1) {
        logo_.Draw(dc, 0, 0);
    } else {
        dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
        dc.drawImage(QPoint(0, 0), denseLogo_);
    }
    const QString edition = QCoreApplication::translate("SplashWindow", "2005 Edition");
    const QString version =
        QCoreApplication::translate("SplashWindow", "Version ") + QString::fromUtf8(kVersionText);
    CTextPainter text = painter_;
    text.SetColour(Qt::black);
    text.DrawIn(dc, edition, 292, 87, 400, 110);
    text.SetColour(QColor(255, 255, 0));
    text.DrawIn(dc, edition, 290, 85, 400, 110);
    text.SetColour(Qt::black);
    text.DrawIn(dc, version, 12, 452, 400, 475);
    text.SetColour(Qt::white);
    text.DrawIn(dc, version, 10, 450, 400, 475);
}

}  // namespace halmora
