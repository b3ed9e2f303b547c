// The window shown for the first seconds: the logo with the edition and version over it, and the
// start-up sound unless sounds are muted.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/Surface.h"
#include "view/TextPainter.h"

namespace halmora {

class CSplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    explicit CSplashWindow(bool muted, QWidget* parent = nullptr);

    // Centres the window on a screen of this size.
    void CentreOn(int screenWidth, int screenHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSurface logo_;
    // The logo at twice the density, for a denser screen; null on a plain one.
    QImage denseLogo_;
    CTextPainter painter_;
};

}  // namespace halmora
