#include "GraphicsSet.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "LogoArt.h"
#include "MarbleArt.h"

namespace halmora::assets {

MaskedPicture ClassicBoard(const BoardSize& size) {
    const QImage hole = ToArgb(HolePicture(size));
    QImage board(size.pixels, size.pixels, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::transparent);
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);
    PaintStarBoard(p, size, StarPaint{.gridLines = true, .holes = false, .lineWidth = 1.0});
    for (int row = 0; row < 19; ++row) {
        for (int col = 0; col < 19; ++col) {
            if (IsHole(col, row))
                p.drawImage(HoleCorner(size, col, row), hole);
        }
    }
    p.end();
    return ToMasked(board);
}

// A gold-rimmed watch face reading ten past ten, readable on the panel's dark blue.
MaskedPicture SmallClock(int density) {
    constexpr int kSize = kSmallClockSize;
    const QImage art = Supersample(kSize * density, kSize * density, 4, [density](QPainter& p) {
        if (density != 1)
            p.scale(density, density);
        const QPointF c(kSize / 2.0, kSize / 2.0);
        const double r = kSize / 2.0 - 0.25;

        QRadialGradient bezel(c - QPointF(r * 0.4, r * 0.5), r * 1.6);
        bezel.setColorAt(0.0, QColor(255, 236, 160));
        bezel.setColorAt(0.5, QColor(222, 170, 48));
        bezel.setColorAt(1.0, QColor(120, 78, 12));
        p.setPen(QPen(QColor(70, 44, 6), 0.6));
        p.setBrush(bezel);
        p.drawEllipse(c, r, r);

        const double face = r - 2.0;
        QRadialGradient dial(c - QPointF(face * 0.3, face * 0.4), face * 1.4);
        dial.setColorAt(0.0, QColor(255, 255, 252));
        dial.setColorAt(1.0, QColor(214, 220, 232));
        p.setPen(QPen(QColor(90, 60, 10), 0.5));
        p.setBrush(dial);
        p.drawEllipse(c, face, face);

        p.setPen(QPen(QColor(40, 44, 60), 0.9, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; i += 3) {
            const double a = i * std::numbers::pi / 6.0;
            const QPointF dir(std::sin(a), -std::cos(a));
            p.drawLine(c + dir * (face - 2.0), c + dir * (face - 0.6));
        }
        const auto hand = [&](double turns, double length, double width, QColor colour) {
            const double a = turns * 2.0 * std::numbers::pi;
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c, c + QPointF(std::sin(a), -std::cos(a)) * length);
        };
        hand(10.0 / 12.0 + 1.0 / 72.0, face * 0.55, 1.5, QColor(30, 34, 50));
        hand(2.0 / 12.0, face * 0.82, 1.1, QColor(30, 34, 50));
        hand(0.5, face * 0.8, 0.6, QColor(200, 30, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(c, 1.0, 1.0);
    });
    return ToMasked(art);
}

void WriteGraphics(COutputFolder& out) {
    for (const BoardSize& size : kBoardSizes) {
        const QString prefix = QStringLiteral("Graphics/%1 ").arg(size.pixels);
        for (const int density : {1, 2}) {
            out.SaveMasked(prefix + "Marble Hole", HolePicture(size, density), density);
            for (int c = 0; c < kColourCount; ++c) {
                const QString name = QString::fromLatin1(kColourNames[c].data(),
                                                         static_cast<int>(kColourNames[c].size()));
                out.SaveMasked(prefix + name + " Marble", BoardMarble(size, kMarbleRgb[c], density),
                               density);
            }
        }
        out.SaveMasked(prefix + "Classic Board", ClassicBoard(size));
    }
    for (const int density : {1, 2}) {
        out.SaveMasked("Graphics/Small Clock", SmallClock(density), density);
        out.SaveBmp(AtDensity("Graphics/Popup Logo.bmp", density), PopupLogo(density));
    }
}

}  // namespace halmora::assets
