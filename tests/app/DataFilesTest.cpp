// The settings and statistics files from the window's side: files that could not be read whole
// are kept aside and named once at start-up; failed writes are told with their reason, once; a
// finished game that could not be written is written at exit, or its loss is told.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>

#include "app/AppFixtures.h"
#include "app/MainWindow.h"
#include "records/Settings.h"
#include "records/StatsDatabase.h"
#include "support/GameFixture.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

constexpr PlayerColor kYellow = 0;
constexpr PlayerColor kRed = 3;

class DataFilesTest : public testing::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        testing::LinkGameFiles(dir_);
    }
    void TearDown() override {
        window_.reset();
        GameTest::TearDown();
    }
    void OpenWindow() {
        window_ = std::make_unique<CMainWindow>(settings_);
        window_->show();
        window_->CreateControls();
    }
    // A file where the Data folder belongs.
    void BreakData() {
        fs::remove_all(dir_ / "Data");
        std::ofstream(dir_ / "Data") << "not a folder";
    }
    bool Told(std::size_t index, std::initializer_list<std::string> parts) const {
        if (index >= messages_.shown.size())
            return false;
        for (const std::string& part : parts)
            if (messages_.shown[index].text.find(part) == std::string::npos)
                return false;
        return true;
    }

    testing::MessageScript messages_;
    CAppSettings settings_;
    std::unique_ptr<CMainWindow> window_;
};

TEST_F(DataFilesTest, FilesNotReadWholeAreKeptAsideAndNamedOnceAtStartUp) {
    GameRecord game;
    game.count = 2;
    game.participants[0] = {ToGbkName("Ann"), 1, 1505, 0, 0};
    game.participants[1] = {ToGbkName("Bob"), 1, 1495, 3, 1};
    ASSERT_TRUE(StatsDatabase().FileGame(game).Ok());
    std::ofstream(StatsDatabase::DefaultPath(), std::ios::app) << "xyz";
    std::ofstream(dir_ / "Data" / "Settings.dat") << std::string(2 << 20, 'S');

    OpenWindow();
    EXPECT_TRUE(messages_.shown.empty());
    window_->ShowStartupNotices();
    window_->ShowStartupNotices();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(Told(0, {"Settings.dat.damaged-", "too large"})) << messages_.shown[0].text;
    EXPECT_TRUE(Told(1, {"Stats.dat.damaged-", "3 bytes follow"})) << messages_.shown[1].text;
    EXPECT_NE(window_->Statistics().Find("Ann"), nullptr);
    StatsDatabase onDisk;
    EXPECT_TRUE(onDisk.Load().Ok());
    EXPECT_NE(onDisk.Find("Bob"), nullptr);
}

TEST_F(DataFilesTest, AGameThatCannotBeRecordedSaysWhyAndIsWrittenAtExitOrToldLost) {
    Seat(kYellow);
    Seat(kRed);
    Start(0);
    YellowNearlyHome();
    Tick();
    game_->EndGameNow(canvas_);
    ASSERT_EQ(game_->State(), kGameOver);
    const std::string notADirectory = std::strerror(ENOTDIR);
    ASSERT_TRUE(CSettings{}.Save());  // nothing left to tell from earlier tests

    // The folder is back (missing: it is made) by the time the window closes.
    OpenWindow();
    BreakData();
    window_->Host().FileGameRecord(*game_);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(Told(0, {"could not be recorded", notADirectory})) << messages_.shown[0].text;
    fs::remove(dir_ / "Data");
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(messages_.shown.size(), 1u);
    StatsDatabase onDisk;
    ASSERT_TRUE(onDisk.Load().Ok());
    EXPECT_NE(onDisk.Find("P"), nullptr);

    // Still broken at exit. Settings that keep failing are told once, not on every tick.
    messages_.shown.clear();
    OpenWindow();
    BreakData();
    window_->Host().FileGameRecord(*game_);
    CSettings settings;
    EXPECT_FALSE(settings.Save());
    window_->IdleTick();
    EXPECT_FALSE(settings.Save());
    window_->IdleTick();
    EXPECT_TRUE(window_->close());
    ASSERT_EQ(messages_.shown.size(), 3u);
    EXPECT_TRUE(Told(1, {"settings could not be saved", notADirectory})) << messages_.shown[1].text;
    EXPECT_TRUE(Told(2, {"1 finished game could not be recorded", notADirectory}))
        << messages_.shown[2].text;
}

}  // namespace
}  // namespace halmora
