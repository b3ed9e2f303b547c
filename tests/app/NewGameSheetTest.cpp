// The new-game sheet driven through its controls: seat combos and quick setups, the player-count
// checks, the timer page and what reaches the settings file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <array>
#include <string>
#include <vector>

#include "AppFixtures.h"
#include "app/NewGameSheet.h"
#include "app/PlayerSetupPage.h"
#include "app/TimerPage.h"
#include "records/Settings.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::Click;
using testing::MessageScript;
using testing::Saved;
using testing::WhenModalShows;

// PlayerColor
constexpr int kYellow = 0, kPurple = 1, kBlue = 2, kRed = 3, kOrange = 4, kGreen = 5;
using Types = std::array<int32_t, 6>;  // by PlayerColor

const char* const kSeatCombos[6] = {"combo1033", "combo1034", "combo1035",
                                    "combo1030", "combo1031", "combo1032"};  // by PlayerColor
const QString kTypeNames[7] = {
    "不参与游戏 ",       "人类 ",           "电脑玩家 初学  ", "电脑玩家 普通   ",
    "电脑玩家 高级    ", "电脑玩家 专家  ", "电脑玩家 大师  "};
const std::string kCaption = "不能开始游戏    ";

void SaveTypes(const Types& types) {
    CSettings settings;
    settings.Load();
    settings.PlayerType = types;
    ASSERT_TRUE(settings.Save());
}

QComboBox& Combo(QWidget& sheet, const char* name) {
    auto* combo = sheet.findChild<QComboBox*>(name);
    EXPECT_NE(combo, nullptr) << name;
    return *combo;
}

void ChooseQuickSetup(QWidget& sheet, const QString& text) {
    QComboBox& quick = Combo(sheet, "combo1026");
    const int index = quick.findText(text);
    ASSERT_GE(index, 0);
    quick.setCurrentIndex(index);
    emit quick.activated(index);
}

void ShowTimerTab(CNewGameSheet& sheet) {
    auto* tabs = sheet.findChild<QTabWidget*>();
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    ASSERT_EQ(tabs->currentIndex(), 1);
}

class NewGameSheetTest : public ::testing::Test {
protected:
    AppFolderScope folder{"halmora-newgame"};
    MessageScript messages;
};

TEST_F(NewGameSheetTest, OpensOnTheSavedSeatsAndStoresTheChangedOnes) {
    SaveTypes({6, 0, 7, 1, 0, 0});  // Yellow Master, Blue network, Red human
    CNewGameSheet sheet(nullptr, testing::FileSettings());
    sheet.show();

    auto* tabs = sheet.findChild<QTabWidget*>();
    EXPECT_EQ(tabs->tabText(0), "玩家设置 ");
    EXPECT_EQ(tabs->tabText(1), "计时器设置 ");
    EXPECT_EQ(sheet.windowTitle(), "新的游戏");
    EXPECT_EQ(Combo(sheet, "combo1026").currentText(), "自定义游戏 ");
    EXPECT_EQ(Combo(sheet, kSeatCombos[kYellow]).currentText(), kTypeNames[6]);
    EXPECT_EQ(Combo(sheet, kSeatCombos[kRed]).currentText(), kTypeNames[1]);
    EXPECT_EQ(Combo(sheet, kSeatCombos[kPurple]).currentText(), kTypeNames[0]);
    EXPECT_EQ(Combo(sheet, kSeatCombos[kBlue]).currentIndex(), -1);  // network is never offered
    EXPECT_EQ(Combo(sheet, kSeatCombos[kBlue]).count(), 7);

    Combo(sheet, kSeatCombos[kOrange]).setCurrentIndex(3);
    Click(sheet, "buttonOk");

    EXPECT_TRUE(sheet.Confirmed());
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(Saved().PlayerType, (Types{6, 0, 7, 1, 3, 0}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewGameSheetTest, QuickSetupsFillTheSeatsAndAreStoredOnOk) {
    struct Case {
        QString entry;
        Types types;
    };
    // clang-format off
    const Case cases[] = {
        {"一个人类玩家对一个电脑玩家(初)",   {2, 0, 0, 1, 0, 0}},  // Red, Yellow
        {"一个人类玩家对两个电脑玩家(初)",   {0, 2, 0, 1, 0, 2}},  // Red, Green, Purple
        {"一个人类玩家对三个电脑玩家(初)",   {2, 0, 0, 1, 2, 2}},  // Red, Orange, Green, Yellow
        {"一个人类玩家对五个电脑玩家(初)",   {2, 2, 2, 1, 2, 2}},
        {"一个人类玩家对一个电脑玩家(高级)", {4, 0, 0, 1, 0, 0}},
        {"一个人类玩家对两个电脑玩家(高级)", {0, 4, 0, 1, 0, 4}},
        {"一个人类玩家对三个电脑玩家(高级)", {4, 0, 0, 1, 4, 4}},
        {"一个人类玩家对五个电脑玩家(高级)", {4, 4, 4, 1, 4, 4}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString());
        SaveTypes({0, 0, 0, 0, 0, 0});
        CNewGameSheet sheet(nullptr, testing::FileSettings());
        sheet.show();
        ChooseQuickSetup(sheet, c.entry);
        for (int colour = 0; colour < 6; ++colour)
            EXPECT_EQ(Combo(sheet, kSeatCombos[colour]).currentText(), kTypeNames[c.types[colour]]);
        // Nothing reaches the file before OK.
        EXPECT_EQ(Saved().PlayerType, (Types{0, 0, 0, 0, 0, 0}));

        Click(sheet, "buttonOk");
        EXPECT_TRUE(sheet.Confirmed());
        EXPECT_EQ(Saved().PlayerType, c.types);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewGameSheetTest, RefusesNoneOneOrFivePlayersAndKeepsTheStoredTypes) {
    CNewGameSheet sheet(nullptr, testing::FileSettings());
    sheet.show();

    // The custom entry clears every seat.
    ChooseQuickSetup(sheet, "一个人类玩家对三个电脑玩家(初)");
    ChooseQuickSetup(sheet, "自定义游戏 ");
    for (const char* name : kSeatCombos)
        EXPECT_EQ(Combo(sheet, name).currentText(), kTypeNames[0]);
    Click(sheet, "buttonOk");

    Combo(sheet, kSeatCombos[kGreen]).setCurrentIndex(1);
    Click(sheet, "buttonOk");

    ChooseQuickSetup(sheet, "一个人类玩家对五个电脑玩家(高级)");
    Combo(sheet, kSeatCombos[kBlue]).setCurrentIndex(0);
    Click(sheet, "buttonOk");

    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text,
              "          你无法开始一个游戏以没有玩家.   这里必须是2, 3, 4, 或6 个玩家      .");
    EXPECT_EQ(
        messages.shown[1].text,
        "             你无法开始一个游戏以唯一的玩家.   这里必须是2, 3, 4, 或6 个玩家      .");
    EXPECT_EQ(messages.shown[2].text,
              "         你无法开始一个游戏以5 个玩家.   这里必须是2, 3, 4, 或6 个玩家      .");
    for (const auto& shown : messages.shown)
        EXPECT_EQ(shown.caption, kCaption);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(sheet.Confirmed());

    // The refused types were stored before the count was tested, and Cancel leaves them.
    Click(sheet, "buttonCancel");
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(sheet.Confirmed());
    EXPECT_EQ(Saved().PlayerType, (Types{4, 4, 0, 1, 4, 4}));
}

TEST_F(NewGameSheetTest, TimerPageShowsTheClockAndScansTheBoxes) {
    CSettings settings;
    settings.PlayerType = {2, 0, 0, 1, 0, 0};
    settings.InitialMinutes = 5;
    settings.InitialSeconds = 30;
    settings.MoveMinutes = 1;
    settings.MoveSeconds = 10;
    ASSERT_TRUE(settings.Save());

    CNewGameSheet sheet(nullptr, testing::FileSettings());
    sheet.show();
    ShowTimerTab(sheet);
    auto* check = sheet.findChild<QCheckBox*>("check1006");
    EXPECT_EQ(check->text(), "使用计时器");
    EXPECT_FALSE(check->isChecked());
    const char* const names[4] = {"edit1007", "edit1040", "edit1041", "edit1042"};
    const QString shown[4] = {"5", "30", "1", "10"};
    std::array<QLineEdit*, 4> edits{};
    for (int i = 0; i < 4; ++i) {
        edits[i] = sheet.findChild<QLineEdit*>(names[i]);
        ASSERT_NE(edits[i], nullptr);
        EXPECT_EQ(edits[i]->text(), shown[i]);
        EXPECT_FALSE(edits[i]->isEnabled());
    }

    for (const bool ticked : {true, false, true}) {
        Click(sheet, "check1006");
        EXPECT_EQ(check->isChecked(), ticked);
        for (QLineEdit* edit : edits)
            EXPECT_EQ(edit->isEnabled(), ticked);
    }

    // The boxes take digits only, seven at most.
    const QString typed[4] = {"abc", "-5", "12abc", "  1234567890"};
    const QString kept[4] = {"", "5", "12", "1234567"};
    for (int i = 0; i < 4; ++i) {
        edits[i]->clear();
        QTest::keyClicks(edits[i], typed[i]);
        EXPECT_EQ(edits[i]->text(), kept[i]);
    }

    // With the timer ticked, an empty box or no time at all is refused and nothing is stored.
    const struct {
        QString first;
        QString others;
        const char* message;
    } refused[] = {
        {"", "5", "Please give each time as a whole number, in digits only."},
        {"-1", "5", "Please give each time as a whole number, in digits only."},
        {"0", "00",
         "With the timer on, the starting time and the time added per move cannot "
         "both be 0."},
    };
    for (const auto& times : refused) {
        messages.shown.clear();
        edits[0]->setText(times.first);
        for (int i = 1; i < 4; ++i)
            edits[i]->setText(times.others);
        Click(sheet, "buttonOk");
        EXPECT_FALSE(sheet.Confirmed()) << times.first.toStdString();
        EXPECT_TRUE(sheet.isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, times.message);
        EXPECT_EQ(messages.shown[0].caption, kCaption);
        EXPECT_EQ(Saved().UseTimer, 0);
    }

    for (int i = 0; i < 4; ++i)
        edits[i]->setText(kept[i]);
    QTest::keyClicks(edits[0], "7");
    Click(sheet, "buttonOk");
    ASSERT_TRUE(sheet.Confirmed());
    const CSettings a = Saved();
    EXPECT_EQ(std::vector<int32_t>(
                  {a.UseTimer, a.InitialMinutes, a.InitialSeconds, a.MoveMinutes, a.MoveSeconds}),
              std::vector<int32_t>({1, 7, 5, 12, 1234567}));
}

}  // namespace
}  // namespace halmora
