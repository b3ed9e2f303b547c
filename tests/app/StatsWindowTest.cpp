#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <string>
#include <vector>

#include "AppFixtures.h"
#include "app/StatsWindow.h"
#include "records/Settings.h"
#include "records/StatsDatabase.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::FileBytes;
using testing::MessageScript;
using testing::WhenModalShows;

constexpr int kNovice = 2;
constexpr int kMaster = 6;

int Ms(int hours, int minutes) {
    return (hours * 60 + minutes) * 60 * 1000;
}

// A game of a human against a computer on the given day, started at startMs.
GameRecord Game(const std::string& human, int rating, bool won, int day, int month, int year,
                int startMs, int computerLevel = kNovice) {
    GameRecord record;
    record.count = 2;
    record.participants[0] = {ToGbkName(human), 1, rating, 0, won ? 0 : 1};
    record.participants[1] = {ToGbkName("Computer"), computerLevel, 1400, 3, won ? 1 : 0};
    record.day = day;
    record.month = month;
    record.year = year;
    record.startMs = startMs;
    record.endMs = startMs + 600000;
    return record;
}

void WriteStats(const std::vector<GameRecord>& records) {
    StatsDatabase stats;
    for (const GameRecord& record : records)
        stats.AddGameRecord(record);
    ASSERT_TRUE(stats.Save().Ok());
}

// One game won by each player in turn, on successive days of January 2005 at nine.
void WriteWins(const std::vector<std::string>& players) {
    std::vector<GameRecord> records;
    for (std::size_t i = 0; i < players.size(); ++i)
        records.push_back(Game(players[i], 1505, true, static_cast<int>(i) + 1, 0, 2005, Ms(9, 0)));
    WriteStats(records);
}

void SetStatsPlayer(const std::string& name) {
    CSettings settings;
    settings.Load();
    settings.StatsPlayer = ToGbkName(name);
    settings.Save();
}

std::string SavedStatsPlayer() {
    return GbkNameToUtf8(testing::Saved().StatsPlayer);
}

QStringList Row(const CStatsWindow& window, int row) {
    return {window.CellText(row, 0), window.CellText(row, 1), window.CellText(row, 2),
            window.CellText(row, 3)};
}

class StatsWindowTest : public ::testing::Test {
protected:
    AppFolderScope folder_{"halmora-stats-window"};
    MessageScript messages_;
};

TEST_F(StatsWindowTest, OneGameIsOneRowWithItsChangeFromTheNewPlayersRating) {
    WriteStats({Game("Alice", 1505, true, 5, 2, 2004, Ms(21, 7)),
                Game("Bob", 1494, false, 5, 2, 2004, Ms(21, 7))});
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
    ASSERT_EQ(window.RowCount(), 1);
    EXPECT_EQ(Row(window, 0), QStringList({"05/03/2004 09:07PM", "1", "1505 (+5)", "Win"}));
    window.SelectPlayer(window.PlayerNames().indexOf("Bob"));
    EXPECT_EQ(window.CellText(0, 2), "1494 (-6)");
    window.SelectPlayer(window.PlayerNames().indexOf("Alice"));
    auto* list = window.findChild<QTableWidget*>("list95001");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 350, 290));
    EXPECT_EQ(list->columnWidth(3), 50);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(StatsWindowTest, RowsNewestFirstWithDatesRatingChangesAndResults) {
    GameRecord fourPlayers = Game("Alice", 1510, true, 1, 2, 2000, -Ms(1, 0));
    fourPlayers.count = 4;
    fourPlayers.participants[2] = {ToGbkName("Bob"), 1, 1495, 2, 1};
    fourPlayers.participants[3] = {ToGbkName("Carol"), 1, 1495, 4, 2};
    WriteStats({
        Game("Alice", 1505, true, 9, 11, 1999, Ms(0, 5)),
        Game("Alice", 1497, false, 31, 0, 2000, Ms(12, 30), kMaster),
        Game("Alice", 1497, false, 1, 1, 2000, Ms(13, 5)),
        fourPlayers,  // begun the evening before the day it ended on
    });
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
    ASSERT_EQ(window.RowCount(), 4);
    EXPECT_EQ(Row(window, 0), QStringList({"29/02/2000 11:00PM", "3", "1510 (+13)", "Win"}));
    EXPECT_EQ(Row(window, 1), QStringList({"01/02/2000 01:05PM", "1", "1497 (0)", "Loss"}));
    EXPECT_EQ(Row(window, 2), QStringList({"31/01/2000 12:30PM", "1", "1497 (-8)", "Loss"}));
    EXPECT_EQ(Row(window, 3), QStringList({"09/12/1999 00:05AM", "1", "1505 (+5)", "Win"}));
    EXPECT_EQ(window.TotalsTexts(),
              QStringList({"Current Rating: 1510", "Games Played: 4", "Games Won: 2 (50.00%)",
                           "Games Lost: 2 (50.00%)"}));
    // Bob lost his only game, against Alice.
    window.SelectPlayer(window.PlayerNames().indexOf("Bob"));
    EXPECT_EQ(window.TotalsTexts(),
              QStringList({"Current Rating: 1495", "Games Played: 1", "Games Won: 0 (0.00%)",
                           "Games Lost: 1 (100.00%)"}));
}

TEST_F(StatsWindowTest, TotalsInThirdsAndNoneForAnUnknownPlayerOrAnEmptyFile) {
    {
        CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
        EXPECT_TRUE(window.PlayerNames().isEmpty());
        EXPECT_TRUE(window.TotalsTexts().isEmpty());
    }
    WriteStats({
        Game("Alice", 1505, true, 1, 0, 2005, Ms(9, 0)),
        Game("Alice", 1500, false, 2, 0, 2005, Ms(9, 0)),
        Game("Alice", 1495, false, 3, 0, 2005, Ms(9, 0)),
    });
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
    EXPECT_EQ(window.TotalsTexts().mid(2),
              QStringList({"Games Won: 1 (33.33%)", "Games Lost: 2 (66.67%)"}));
    SetStatsPlayer("Zed");
    CStatsWindow unknown(nullptr, testing::FileSettings(), std::nullopt);
    EXPECT_EQ(unknown.ShownPlayer(), "Zed");
    EXPECT_EQ(unknown.findChild<QComboBox*>("combo1075")->currentIndex(), -1);
    EXPECT_EQ(unknown.RowCount(), 0);
    EXPECT_TRUE(unknown.TotalsTexts().isEmpty());
}

TEST_F(StatsWindowTest, NamesAreSortedAndThePassedNameReplacesTheLastShown) {
    WriteWins({"bob", "张三", "Carol", "Alice"});
    SetStatsPlayer("Carol");
    {
        CStatsWindow window(nullptr, testing::FileSettings(), std::nullopt);
        EXPECT_EQ(window.PlayerNames(), QStringList({"Alice", "bob", "Carol", "张三"}));
        EXPECT_EQ(window.ShownPlayer(), "Carol");
        EXPECT_EQ(window.findChild<QComboBox*>("combo1075")->currentText(), "Carol");
    }
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("张三"));
    EXPECT_EQ(window.ShownPlayer(), QString::fromUtf8("张三"));
    EXPECT_EQ(window.RowCount(), 1);
    // Only closing remembers it.
    EXPECT_EQ(SavedStatsPlayer(), "Carol");

    // Choosing in the list shows that player and is remembered on closing.
    auto* combo = window.findChild<QComboBox*>("combo1075");
    combo->setCurrentIndex(1);
    EXPECT_EQ(window.ShownPlayer(), "bob");
    EXPECT_EQ(window.TotalsTexts().value(0), "Current Rating: 1505");
    QTest::mouseClick(window.findChild<QPushButton*>("button1054"), Qt::LeftButton);
    EXPECT_EQ(SavedStatsPlayer(), "bob");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(StatsWindowTest, DeletingShowsTheFirstRemainingPlayerAndIsSaved) {
    WriteWins({"Bob", "Carol", "Alice"});
    // The caller's database follows the deletion, so its next save keeps it.
    StatsDatabase shared;
    messages_.answers = {MessageAnswer::Yes};
    {
        CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"), &shared);
        QTest::mouseClick(window.findChild<QPushButton*>("button2"), Qt::LeftButton);

        ASSERT_EQ(messages_.shown.size(), 2u);
        EXPECT_EQ(messages_.shown[0].text,
                  "Are you sure you want to delete all the game records for Alice?");
        EXPECT_EQ(messages_.shown[0].caption, "Confirm Player Record Deletion");
        EXPECT_EQ(messages_.shown[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(messages_.shown[1].text, "Record has been deleted.");
        EXPECT_EQ(messages_.shown[1].caption, "Player Record Deleted");

        EXPECT_EQ(window.PlayerNames(), QStringList({"Bob", "Carol"}));
        EXPECT_EQ(window.ShownPlayer(), "Bob");
        EXPECT_EQ(window.findChild<QComboBox*>("combo1075")->currentIndex(), 0);
        EXPECT_EQ(shared.Find("Alice"), nullptr);
        window.Close();
    }
    StatsDatabase onDisk;
    ASSERT_TRUE(onDisk.Load().Ok());
    EXPECT_EQ(onDisk.Find("Alice"), nullptr);
    EXPECT_EQ(SavedStatsPlayer(), "Bob");

    CStatsWindow reopened(nullptr, testing::FileSettings(), std::nullopt);
    EXPECT_EQ(reopened.PlayerNames(), QStringList({"Bob", "Carol"}));
    EXPECT_EQ(reopened.ShownPlayer(), "Bob");

    // Deleting the last players leaves nothing shown.
    messages_.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    reopened.DeletePlayer();
    reopened.DeletePlayer();
    EXPECT_TRUE(reopened.PlayerNames().isEmpty());
    EXPECT_EQ(reopened.ShownPlayer(), "");
    EXPECT_TRUE(reopened.TotalsTexts().isEmpty());
}

TEST_F(StatsWindowTest, AnsweringNoOrAnUnknownPlayerDeletesNothing) {
    WriteWins({"Alice", "Bob"});
    const std::vector<char> before = FileBytes(StatsDatabase::DefaultPath());
    messages_.answers = {MessageAnswer::No};
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Bob"));
    QTest::mouseClick(window.findChild<QPushButton*>("button2"), Qt::LeftButton);

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(window.PlayerNames(), QStringList({"Alice", "Bob"}));
    EXPECT_EQ(window.ShownPlayer(), "Bob");
    EXPECT_EQ(window.RowCount(), 1);
    EXPECT_EQ(FileBytes(StatsDatabase::DefaultPath()), before);

    CStatsWindow unknown(nullptr, testing::FileSettings(), ToGbkName("Zed"));
    messages_.shown.clear();
    messages_.answers = {MessageAnswer::Yes};
    unknown.DeletePlayer();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text, "Could not delete record.");
    EXPECT_EQ(messages_.shown[1].caption, "Player Record Not Deleted");
    EXPECT_EQ(FileBytes(StatsDatabase::DefaultPath()), before);
}

TEST_F(StatsWindowTest, EscapeAndTheCloseBoxCloseWithoutAskingAndRemember) {
    WriteWins({"Alice", "Bob"});
    SetStatsPlayer("Bob");
    {
        CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
        WhenModalShows<CStatsWindow>(
            [](CStatsWindow& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
        window.exec();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(SavedStatsPlayer(), "Alice");

    CStatsWindow window(nullptr, testing::FileSettings(), std::nullopt);
    window.show();
    window.SelectPlayer(1);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(SavedStatsPlayer(), "Bob");
}

TEST_F(StatsWindowTest, DamagedOrUnreadableFilesAreShownAsReadAndNeverReplaced) {
    WriteWins({"Alice", "Bob"});
    // Cut into the last player block: the first one is still read whole, the rest of the file
    // would be lost by saving.
    const std::filesystem::path path = StatsDatabase::DefaultPath();
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 10);
    const std::vector<char> before = FileBytes(path);
    messages_.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    {
        CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"));
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_NE(messages_.shown[0].text.find("could not be read completely"), std::string::npos);
        EXPECT_EQ(window.PlayerNames().size(), 2);
        window.DeletePlayer();
        ASSERT_EQ(messages_.shown.size(), 3u);
        EXPECT_EQ(messages_.shown[2].caption, "Player Record Not Deleted");
        EXPECT_EQ(window.PlayerNames().size(), 2);
        EXPECT_EQ(FileBytes(path), before);
    }
    // A file that cannot be read at all: the records in memory are still shown, nothing is
    // deleted and the file stays.
    std::filesystem::remove(path);
    std::filesystem::create_directories(path / "keep");
    StatsDatabase shared;
    shared.AddGameRecord(Game("Alice", 1505, true, 1, 0, 2005, Ms(9, 0)));
    messages_.shown.clear();
    CStatsWindow window(nullptr, testing::FileSettings(), ToGbkName("Alice"), &shared);
    EXPECT_EQ(window.RowCount(), 1);
    window.DeletePlayer();
    ASSERT_EQ(messages_.shown.size(), 3u);
    EXPECT_EQ(messages_.shown[2].caption, "Player Record Not Deleted");
    EXPECT_NE(shared.Find("Alice"), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(path / "keep"));
}

}  // namespace
}  // namespace halmora
