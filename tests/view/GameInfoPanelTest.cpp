#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QRegion>

#include "ViewFixtures.h"
#include "platform/AppFolder.h"
#include "support/TempFolder.h"
#include "view/GameInfoPanel.h"

namespace halmora {
namespace {

using testing::Filled;
using testing::MessageCapture;
using testing::Pixel;
using testing::Rgb;
using testing::SaveBmp;
using testing::TempFolder;

constexpr PlayerColor kYellow = 0;
constexpr PlayerColor kBlue = 2;
constexpr PlayerColor kRed = 3;
const QRgb kGround = Rgb(25, 25, 125);
const QRgb kClockRed = Rgb(255, 0, 0);

TEST(GameInfoPanelTextTest, TimesPlacesAndMarblesHome) {
    EXPECT_EQ(CGameInfoPanel::TimeText(545000), "(9:05)");
    EXPECT_EQ(CGameInfoPanel::TimeText(605000), "(10:05)");
    EXPECT_EQ(CGameInfoPanel::TimeText(610000), "(10:10)");
    EXPECT_EQ(CGameInfoPanel::TimeText(0), "(0:00)");
    EXPECT_EQ(CGameInfoPanel::TimeText(59999), "(0:59)");
    EXPECT_EQ(CGameInfoPanel::TimeText(75 * 60000 + 3000), "(75:03)");
    EXPECT_EQ(CGameInfoPanel::TimeText(4294967295u), "(71582:47)");
    EXPECT_EQ(CGameInfoPanel::PlaceText(1), "  完成以第1名.");
    EXPECT_EQ(CGameInfoPanel::PlaceText(5), "  完成以第5名.");
    EXPECT_EQ(CGameInfoPanel::PlaceText(6), "  完成以第6th.");
    EXPECT_EQ(CGameInfoPanel::PlaceText(-1), "  完成以第6th.");
    EXPECT_EQ(CGameInfoPanel::MarblesHomeText(7), "   弹珠入樽: [7/10]");
}

// Counts the panel's paint events and where they painted.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
    QRegion painted;
};

class GameInfoPanelTest : public ::testing::Test {
protected:
    GameInfoPanelTest() {
        // A 12x12 red clock face, all of it shown.
        SaveBmp(Filled(12, 12, Qt::red), folder_ / "Graphics/Small Clock.bmp");
        SaveBmp(Filled(12, 12, Qt::white), folder_ / "Graphics/Small Clock Mask.bmp");
        SetApplicationFolder(folder_.Path());
        white_.Init(18, true, false, "Arial", QColor(Qt::white));
    }
    ~GameInfoPanelTest() override { SetApplicationFolder(previous_); }

    std::unique_ptr<CGameInfoPanel> Panel(int rows, bool clocks) {
        auto panel = std::make_unique<CGameInfoPanel>();
        panel->SetClocksShown(clocks);
        const PlayerColor seats[] = {kYellow, kBlue, kRed, 1, 4, 5};
        for (int i = 0; i < rows; ++i)
            panel->AddRow(seats[i], ToGbkName(i == 0 ? "张三" : "Bob"), 545000);
        panel->Show();
        panel->SetCurrent(kYellow);
        return panel;
    }

    int RowTop(int row) const { return 20 + row * (2 * white_.Height("A") + 10); }

    // True when a pixel of the clock face lies in the row's first line.
    bool ClockInRow(const QImage& image, int row) const {
        const int y = RowTop(row) + 6;
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) == kClockRed)
                return true;
        return false;
    }

    std::filesystem::path previous_ = ApplicationFolder();
    TempFolder folder_{"halmora-panel"};
    MessageCapture capture_;
    CTextPainter white_;
};

// A screen of two device pixels per pixel gets the panel drawn at its density: text finer than
// the plain picture enlarged, and the clock from its twice dense picture. Runs where the screen
// is that dense (ctest's *_at_2x entries).
TEST_F(GameInfoPanelTest, ADenseScreenGetsThePanelAtItsDensity) {
    if (qApp->devicePixelRatio() != 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    SaveBmp(Filled(24, 24, QColor(0, 255, 0)), folder_ / "Graphics/Small Clock@2x.bmp");
    SaveBmp(Filled(24, 24, Qt::white), folder_ / "Graphics/Small Clock Mask@2x.bmp");
    auto panel = Panel(2, true);
    const QImage image = panel->grab().toImage();
    ASSERT_EQ(image.size(), panel->size() * 2);
    int finer = 0, denseClock = 0;
    for (int y = RowTop(0) * 2; y < (RowTop(1) - 10) * 2; y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            finer += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                     p != image.pixel(x + 1, y + 1);
            denseClock += Pixel(image, x, y) == Rgb(0, 255, 0);
        }
    }
    EXPECT_GT(finer, 100) << "the plain picture enlarged";
    EXPECT_GT(denseClock, 0);
    EXPECT_TRUE(capture_.messages.empty());
}

TEST_F(GameInfoPanelTest, ArrowMarksTheCurrentRowAndTheClockShowsOnlyWithClocks) {
    auto panel = Panel(3, true);
    panel->SetCurrent(kBlue);
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(Pixel(image, 7, RowTop(1) + 8), Rgb(59, 45, 255)) << "the panel's own blue";
    EXPECT_EQ(Pixel(image, 7, RowTop(0) + 8), kGround);
    EXPECT_EQ(Pixel(image, 7, RowTop(2) + 8), kGround);
    EXPECT_EQ(panel->windowTitle(), QString::fromUtf8("游戏信息 "));
    EXPECT_TRUE(ClockInRow(image, 1));

    auto without = Panel(2, false);
    const QImage hidden = without->grab().toImage();
    EXPECT_FALSE(ClockInRow(hidden, 1));
    // Nothing right of a short name: no time either.
    EXPECT_EQ(Pixel(hidden, 150, RowTop(1) + 8), kGround);
}

TEST_F(GameInfoPanelTest, FinishedPlayerShowsItsPlaceAndCloseHidesTheWindowTillShown) {
    auto panel = Panel(2, false);
    const QImage before = panel->grab().toImage();
    panel->SetPlace(kBlue, 1);
    panel->SetCurrent(kYellow);
    const int h = white_.Height("A");
    const QImage after = panel->grab().toImage();
    EXPECT_NE(after.copy(0, RowTop(1) + h, 212, h), before.copy(0, RowTop(1) + h, 212, h));
    EXPECT_EQ(after.copy(0, 0, 212, RowTop(1)), before.copy(0, 0, 212, RowTop(1)));

    EXPECT_TRUE(panel->IsShown());
    panel->close();  // the close box
    EXPECT_FALSE(panel->IsShown());
    EXPECT_FALSE(panel->isVisible());
    panel->Show();
    panel->Close();
    EXPECT_FALSE(panel->IsShown());
}

}  // namespace
}  // namespace halmora
