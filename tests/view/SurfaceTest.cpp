#include <gtest/gtest.h>

#include <QPainter>

#include "ViewFixtures.h"
#include "support/TempFolder.h"
#include "view/Surface.h"
#include "view/TransparentSurface.h"

namespace halmora {
namespace {

using testing::Filled;
using testing::MessageCapture;
using testing::Pixel;
using testing::Rgb;
using testing::SaveBmp;
using testing::TempFolder;

const QRgb kRed = Rgb(255, 0, 0);
const QRgb kBlue = Rgb(0, 0, 255);
const QRgb kGreen = Rgb(0, 255, 0);

// Draws onto a red screen and returns the screen.
template <typename DrawFn>
QImage OverRed(int size, DrawFn draw) {
    QImage screen = Filled(size, size, Qt::red);
    QPainter dc(&screen);
    draw(dc);
    return screen;
}

TEST(TransparentSurfaceTest, ComposedDrawingReplacesOnlyWhatWasDrawn) {
    // A blue square on white with a white pixel inside it.
    CTransparentSurface sprite;
    sprite.ComposeFromDrawing(10, 10, [](QPainter& p) {
        p.fillRect(2, 2, 4, 4, Qt::blue);
        p.fillRect(3, 3, 1, 1, Qt::white);
    });
    const QImage screen = OverRed(20, [&](QPainter& dc) { sprite.Draw(dc, 5, 5); });
    EXPECT_EQ(Pixel(screen, 5, 5), kRed) << "the white ground is transparent";
    EXPECT_EQ(Pixel(screen, 7, 7), kBlue);
    EXPECT_EQ(Pixel(screen, 10, 10), kBlue);
    EXPECT_EQ(Pixel(screen, 8, 8), kRed) << "pure white inside the drawing is transparent";
    EXPECT_EQ(Pixel(screen, 11, 11), kRed);

    // The square's top-left 2x2 corner only.
    const QImage part = OverRed(4, [&](QPainter& dc) { sprite.DrawPart(dc, 2, 2, 2, 2, 1, 1); });
    EXPECT_EQ(Pixel(part, 2, 1), kBlue);
    EXPECT_EQ(Pixel(part, 2, 2), kRed);
    EXPECT_EQ(Pixel(part, 3, 3), kRed);
}

class LoadedSurfaceTest : public ::testing::Test {
protected:
    std::string Bmp(const QImage& image, const std::string& name) {
        return SaveBmp(image, folder_ / name);
    }
    TempFolder folder_{"halmora-surface"};
    MessageCapture capture_;
};

TEST_F(LoadedSurfaceTest, OnlyPureWhiteInTheMaskShows) {
    QImage picture = Filled(4, 4, Qt::black);
    picture.setPixel(1, 1, qRgb(0, 255, 0));
    QImage mask = Filled(4, 4, Qt::black);
    mask.setPixel(1, 1, qRgb(255, 255, 255));
    mask.setPixel(2, 2, qRgb(255, 255, 255));
    mask.setPixel(3, 3, qRgb(254, 255, 255));
    CTransparentSurface sprite;
    sprite.Load(Bmp(picture, "p.bmp"), Bmp(mask, "m.bmp"));
    EXPECT_TRUE(capture_.messages.empty());

    const QImage screen = OverRed(4, [&](QPainter& dc) { sprite.Draw(dc, 0, 0); });
    EXPECT_EQ(Pixel(screen, 1, 1), kGreen);
    EXPECT_EQ(Pixel(screen, 2, 2), Rgb(0, 0, 0)) << "shown, and the picture is black there";
    EXPECT_EQ(Pixel(screen, 3, 3), kRed);
}

TEST_F(LoadedSurfaceTest, MissingFilesAreReportedByTheImageNameAndDrawNothing) {
    const std::string image = Bmp(Filled(4, 4, Qt::green), "p.bmp");
    const std::string none = (folder_ / "none.bmp").string();
    CTransparentSurface sprite;
    sprite.Load(image, none);
    ASSERT_EQ(capture_.messages.size(), 1u);
    EXPECT_EQ(capture_.messages[0].caption, kApplicationTitle);
    EXPECT_EQ(capture_.messages[0].text, image + " could not be loaded! (CTransparentSurface)");
    EXPECT_TRUE(sprite.IsLoaded());
    EXPECT_EQ(sprite.MaskWidth(), 0);
    EXPECT_EQ(Pixel(OverRed(4, [&](QPainter& dc) { sprite.Draw(dc, 0, 0); }), 1, 1), kRed);

    // Both missing: the image's name twice.
    sprite.Load(none, none);
    ASSERT_EQ(capture_.messages.size(), 3u);
    EXPECT_EQ(capture_.messages[2].text, none + " could not be loaded! (CTransparentSurface)");
    EXPECT_EQ(capture_.messages[1].text, capture_.messages[2].text);

    CSurface picture;
    picture.Load(none);
    EXPECT_EQ(capture_.messages.back().text, none + " could not be loaded!");
    EXPECT_TRUE(picture.IsLoaded());
    EXPECT_EQ(Pixel(OverRed(4, [&](QPainter& dc) { picture.Draw(dc, 0, 0); }), 0, 0), kRed);
}

TEST_F(LoadedSurfaceTest, MaskOfAnotherSizeIsReportedOnceAndStillDrawn) {
    const std::string image = Bmp(Filled(20, 20, Qt::green), "p.bmp");
    CTransparentSurface sprite;
    sprite.Load(image, Bmp(Filled(20, 21, Qt::white), "m.bmp"));
    ASSERT_EQ(capture_.messages.size(), 1u);
    EXPECT_EQ(capture_.messages[0].text,
              image + " image and mask not the same size! (CTransparentSurface)");
    const QImage screen = OverRed(30, [&](QPainter& dc) { sprite.Draw(dc, 0, 0); });
    EXPECT_EQ(Pixel(screen, 10, 19), kGreen);
    EXPECT_EQ(Pixel(screen, 10, 20), kRed);
}

TEST_F(LoadedSurfaceTest, LongMessagesAreCutAtACharacterBoundary) {
    // Two-byte characters across the 255-byte limit.
    CSurface picture;
    picture.Load(std::string(250, 'a') + "/ééééé.bmp");
    ASSERT_EQ(capture_.messages.size(), 1u);
    EXPECT_EQ(capture_.messages[0].text, std::string(250, 'a') + "/éé");
}

TEST_F(LoadedSurfaceTest, PictureIsCopiedWholeOrStretched) {
    QImage art = Filled(2, 2, Qt::green);
    art.setPixel(1, 1, qRgb(0, 0, 255));
    CSurface picture;
    picture.Load(Bmp(art, "art.bmp"));
    const QImage copied = OverRed(4, [&](QPainter& dc) { picture.Draw(dc, 1, 1); });
    EXPECT_EQ(Pixel(copied, 1, 1), kGreen);
    EXPECT_EQ(Pixel(copied, 2, 2), kBlue);
    EXPECT_EQ(Pixel(copied, 3, 3), kRed);
    const QImage stretched =
        OverRed(4, [&](QPainter& dc) { picture.DrawStretched(dc, 0, 0, 4, 4, 0, 0, 2, 2); });
    EXPECT_EQ(Pixel(stretched, 1, 1), kGreen);
    EXPECT_EQ(Pixel(stretched, 3, 2), kBlue);
    EXPECT_EQ(Pixel(stretched, 3, 0), kGreen);
}

}  // namespace
}  // namespace halmora
