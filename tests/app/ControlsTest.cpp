// The shell's small pieces: link labels, the toolbar's pictures and sizes, the splash's four
// seconds, the start-up screen's choices and the folder the file dialog starts in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <fstream>
#include <vector>

#include "app/AppFixtures.h"
#include "app/CommandIds.h"
#include "app/FileDialog.h"
#include "app/GameApp.h"
#include "app/GameToolBar.h"
#include "app/HelpLinks.h"
#include "app/HelpWindow.h"
#include "app/LinkLabel.h"
#include "app/SoundPlayer.h"
#include "app/StartupScreen.h"
#include "records/Settings.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::LinkGameFiles;
using testing::ScopedFakeTicks;
using testing::WhenModalShows;

class UrlCapture {
public:
    UrlCapture() {
        SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    }
    ~UrlCapture() { SetUrlOpener(nullptr); }
    std::vector<QUrl> opened;
};

TEST(LinkLabel, TwoPressesWithoutReleaseOpenTheTargetOnce) {
    UrlCapture urls;
    CLinkLabel label(QRect(10, 10, 100, 20), "label", "https://example.org/page");
    EXPECT_FALSE(label.Press(5, 5, true));
    EXPECT_TRUE(label.Press(50, 20, true));
    EXPECT_TRUE(label.Press(50, 20, true));
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_EQ(urls.opened[0], QUrl("https://example.org/page"));
    EXPECT_TRUE(label.Release());
    EXPECT_FALSE(label.Release());
    EXPECT_TRUE(label.Press(50, 20, false));  // a choice, not a link: nothing is opened
    EXPECT_EQ(urls.opened.size(), 1u);
}

TEST(LinkLabel, DrawsBlueUnderlinedTextInItsRectangle) {
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    CLinkLabel label(QRect(10, 10, 150, 20), "Halmora", "");
    label.SetFont(20, true);
    {
        QPainter dc(&image);
        label.Draw(dc);
    }
    int blue = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool ink = p != qRgb(255, 255, 255);
            if (ink && !QRect(10, 10, 150, 20).contains(x, y))
                ++outside;
            if (qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60)
                ++blue;
        }
    EXPECT_GT(blue, 40);
    EXPECT_EQ(outside, 0);
}

class ToolBarTest : public ::testing::Test {
protected:
    AppFolderScope folder{"halmora-toolbar"};
};

TEST_F(ToolBarTest, TheStripsBottomLeftPixelIsTransparent) {
    QImage strip(256, 30, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    for (int i = 0; i < 8; ++i)
        strip.setPixel(i * 32 + 10, 10, qRgb(0, 128, 0));
    strip.setPixel(0, 29, qRgb(1, 2, 3));  // the transparent colour of this strip
    strip.setPixel(40, 29, qRgb(1, 2, 3));
    const std::string path = (folder.Path() / "strip.bmp").string();
    ASSERT_TRUE(strip.save(QString::fromStdString(path), "BMP"));

    CGameToolBar toolbar;
    EXPECT_FALSE(toolbar.SetImageList(CGameToolBar::ImageKind::Normal,
                                      (folder.Path() / "missing.bmp").string(), 32));
    ASSERT_TRUE(toolbar.SetImageList(CGameToolBar::ImageKind::Normal, path, 32));
    const QImage restart = toolbar.ActionOf(kCmdRestart)
                               ->icon()
                               .pixmap(32, 30)
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(restart.pixel(8, 29)), 0);  // (40, 29) in the strip
    EXPECT_EQ(restart.pixel(10, 10), qRgb(0, 128, 0));
    EXPECT_EQ(restart.pixel(0, 0), qRgb(255, 0, 255));  // other colours stay
}

TEST_F(ToolBarTest, FlagsDriveTheButtonsAndResizedButtonsComeBack) {
    CGameToolBar toolbar;
    EXPECT_TRUE(toolbar.ActionOf(kCmdNewGame)->isEnabled());
    EXPECT_FALSE(toolbar.ActionOf(kCmdRestart)->isEnabled());
    EXPECT_TRUE(toolbar.ActionOf(kCmdHelp)->isEnabled());
    toolbar.SetFlag(CGameToolBar::kUndoFlag, true);
    EXPECT_FALSE(toolbar.ActionOf(kCmdUndo)->isEnabled());  // only at the next update
    QToolButton* undo = toolbar.ButtonOf(kCmdUndo);
    undo->setFixedSize(60, 40);
    toolbar.UpdateCommands();
    EXPECT_TRUE(toolbar.ActionOf(kCmdUndo)->isEnabled());
    EXPECT_EQ(undo->size(), QSize(52, 52));
    EXPECT_EQ(undo->text(), QString::fromUtf8("撤销"));
    EXPECT_EQ(toolbar.ActionOf(kCmdForce)->text(), QString::fromUtf8("强制 "));
}

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkGameFiles(folder.Path());
        SetSoundFunction([this](const std::string& sound) { sounds.push_back(sound); });
    }
    void TearDown() override { SetSoundFunction(nullptr); }

    AppFolderScope folder{"halmora-splash"};
    ScopedFakeTicks ticks{5000};
    std::vector<std::string> sounds;
};

TEST_F(SplashTest, StaysExactlyFourSecondsByTheTickCountAndPlaysItsSoundUnlessMuted) {
    int pauses = 0;
    CGameApp::ShowSplash(false, [&] {
        ++pauses;
        ticks.Advance(10);
    });
    EXPECT_EQ(pauses, 400);
    EXPECT_EQ(ticks.Get(), 9000u);
    EXPECT_EQ(sounds, std::vector<std::string>{"Sounds/Startup.wav"});
    sounds.clear();
    CGameApp::ShowSplash(/*muted=*/true, [&] { ticks.Advance(1000); });
    EXPECT_TRUE(sounds.empty());
}

TEST(StartupScreen, AChoiceClosesTheScreenWithItsCommand) {
    CStartupScreen screen;
    WhenModalShows<CStartupScreen>([](CStartupScreen& s) {
        QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    });
    EXPECT_EQ(screen.exec(), QDialog::Accepted);
    EXPECT_EQ(screen.ChosenCommand(), kCmdOpenGame);
}

TEST(StartupScreen, TheUpdateLinkOpensItsPageAndTheScreenStays) {
    AppFolderScope folder("halmora-startup");
    std::ofstream(folder.Path() / "Data" / "hlmhelp.html") << "<html></html>";
    testing::MessageScript messages;
    UrlCapture urls;
    CStartupScreen screen;
    screen.show();
    QTest::mouseClick(&screen, Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.ChosenCommand(), 0);
    // The page is the game's own: shown in its help window, not handed to the desktop.
    EXPECT_TRUE(urls.opened.empty());
    auto* help = screen.findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Source(), UpdatePageUrl());
    // On a label's border nothing happens.
    QTest::mouseClick(&screen, Qt::LeftButton, Qt::NoModifier, QPoint(145, 100));
    EXPECT_EQ(screen.ChosenCommand(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(FileDialog, SaveAndOpenStartInTheSavedGamesFolderOrElseTheGameFolder) {
    AppFolderScope folder("halmora-file-dialog");
    const std::filesystem::path saved = folder.Path() / "Saved games";
    for (const bool blocked : {false, true}) {
        if (blocked) {
            std::filesystem::remove(saved);
            std::ofstream(saved) << "a file where the folder would go";
        }
        const std::filesystem::path expected = blocked ? folder.Path() : saved;
        for (const bool save : {true, false}) {
            SCOPED_TRACE(save ? "save" : "open");
            QString started;
            WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
                started = dialog.directory().canonicalPath();
                dialog.reject();
            });
            EXPECT_EQ(AskSavedGamePath(nullptr, save), std::nullopt);
            EXPECT_EQ(started.toStdString(), std::filesystem::canonical(expected).string());
        }
    }
}

}  // namespace
}  // namespace halmora
