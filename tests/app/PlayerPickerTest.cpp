// The player picker and the name dialog driven through their controls, on settings and statistics
// files made here.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "AppFixtures.h"
#include "app/PlayerNameDialog.h"
#include "app/PlayerPickerDialog.h"
#include "platform/TextEncoding.h"
#include "records/Settings.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::Click;
using testing::MessageScript;
using testing::WhenModalShows;

constexpr int kYellow = 0, kBlue = 2, kRed = 3, kOrange = 4;
const std::string kNoName = "    请创建一个新的玩家或者选择一个现有的玩家            ";
const std::string kNameCaption = "玩家名字   ";

void PutInt(std::ofstream& out, int32_t value) {
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
}

// Data/Stats.dat with a block of no records for each name (UTF-8), in this order.
void WriteStats(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    std::ofstream out(folder / "Data" / "Stats.dat", std::ios::binary);
    PutInt(out, static_cast<int32_t>(names.size()));
    for (const std::string& name : names) {
        const GbkName field = ToGbkName(name);
        out.write(reinterpret_cast<const char*>(field.data()), field.size());
        PutInt(out, 0);     // records
        PutInt(out, 1500);  // rating
    }
}

void SaveSeat(PlayerColor seat, int32_t type, const std::string& name) {
    CSettings settings;
    settings.Load();
    settings.PlayerType[seat] = type;
    StoreGbkName(name, settings.PlayerName[seat]);
    ASSERT_TRUE(settings.Save());
}

std::string SavedName(PlayerColor seat) {
    return GbkNameToUtf8(testing::Saved().PlayerName[seat]);
}

QStringList Listed(QWidget& picker) {
    auto* combo = picker.findChild<QComboBox*>("combo1085");
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

// Types text into the widget key by key. QTest::keyClicks knows only Latin-1 keys, so other
// characters come as key events carrying their text, as an input method delivers them.
void Type(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            QTest::keyClicks(widget, QString(QChar(static_cast<char16_t>(c))));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
    }
}

class PlayerPickerTest : public ::testing::Test {
protected:
    AppFolderScope folder{"halmora-picker"};
    MessageScript messages;
};

TEST_F(PlayerPickerTest, ListsTheFileNamesExceptThoseOfLowerHumanSeatsAndSavesThePreselectedOne) {
    WriteStats(folder.Path(), {"Ann", "张三", "Bobby"});
    SaveSeat(kYellow, 4, "Bobby");  // a computer seat takes no name
    SaveSeat(kBlue, 1, "张三");
    SaveSeat(kRed, 1, "");
    SaveSeat(kOrange, 1, "bob");  // a case-insensitive prefix of a listed name

    CPlayerPickerDialog blue(nullptr, testing::FileSettings(), kBlue);
    EXPECT_EQ(blue.windowTitle(), "当前玩家的名字  ");
    EXPECT_EQ(Listed(blue), (QStringList{"Ann", "张三", "Bobby"}));
    EXPECT_EQ(blue.findChild<QComboBox*>("combo1085")->currentText(), "张三");

    CPlayerPickerDialog red(nullptr, testing::FileSettings(), kRed);
    EXPECT_EQ(Listed(red), (QStringList{"Ann", "Bobby"}));
    EXPECT_EQ(red.findChild<QComboBox*>("combo1085")->currentIndex(), -1);

    CPlayerPickerDialog orange(nullptr, testing::FileSettings(), kOrange);
    orange.show();
    EXPECT_EQ(orange.findChild<QComboBox*>("combo1085")->currentText(), "Bobby");
    Click(orange, "button1086");
    EXPECT_EQ(SavedName(kOrange), "Bobby");
}

TEST_F(PlayerPickerTest, OkRefusesNoChoiceAndSavesTheChosenName) {
    WriteStats(folder.Path(), {"Ann", "Bob"});
    SaveSeat(kRed, 1, "Carl");  // no longer in the file: nothing is preselected

    CPlayerPickerDialog picker(nullptr, testing::FileSettings(), kRed);
    picker.show();
    Click(picker, "button1086");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kNoName);
    EXPECT_EQ(messages.shown[0].caption, kNameCaption);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(SavedName(kRed), "Carl");

    picker.findChild<QComboBox*>("combo1085")->setCurrentIndex(1);
    EXPECT_EQ(SavedName(kRed), "Carl");  // only OK saves
    Click(picker, "button1086");
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(SavedName(kRed), "Bob");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(PlayerPickerTest, NewPlayerRunsTheNameDialogThenClosesThePicker) {
    WriteStats(folder.Path(), {"Ann"});
    SaveSeat(kRed, 1, "Ann");
    // OK in the name dialog saves the name; Escape closes the picker too, and saves nothing.
    for (const bool escape : {false, true}) {
        CPlayerPickerDialog picker(nullptr, testing::FileSettings(), kRed);
        WhenModalShows<CPlayerPickerDialog>([escape](CPlayerPickerDialog& shown) {
            WhenModalShows<CPlayerNameDialog>([escape](CPlayerNameDialog& names) {
                Type(names.findChild<QLineEdit*>("edit1087"), escape ? "Zed" : "新人");
                if (escape)
                    QTest::keyClick(&names, Qt::Key_Escape);
                else
                    Click(names, "button1088");
            });
            Click(shown, "button1087");
        });
        EXPECT_EQ(picker.exec(), escape ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(SavedName(kRed), "新人");
    }
}

TEST_F(PlayerPickerTest, WithoutPlayersTheNameDialogComesAtOnce) {
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists);
        if (fileExists)
            WriteStats(folder.Path(), {});
        SaveSeat(kRed, 1, "");
        CPlayerPickerDialog picker(nullptr, testing::FileSettings(), kRed);
        bool pickerShown = true;
        WhenModalShows<CPlayerNameDialog>([&](CPlayerNameDialog& names) {
            pickerShown = picker.isVisible();
            Type(names.findChild<QLineEdit*>("edit1087"), "李四");
            Click(names, "button1088");
        });
        EXPECT_EQ(picker.exec(), QDialog::Accepted);
        EXPECT_FALSE(pickerShown);
        EXPECT_EQ(SavedName(kRed), "李四");
    }
}

TEST_F(PlayerPickerTest, NameDialogRefusesAnEmptyNameAndStoresATypedOne) {
    CPlayerNameDialog dialog(nullptr, testing::FileSettings(), kOrange);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("edit1087");
    EXPECT_EQ(dialog.windowTitle(), " 输入当前玩家的名字   ");
    EXPECT_EQ(dialog.focusWidget(), edit);

    // Empty, or blanks alone.
    Click(dialog, "button1088");
    Type(edit, "   ");
    Click(dialog, "button1088");
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.text, " 请为这个玩家输入一个名字          .");
        EXPECT_EQ(shown.caption, kNameCaption);
    }
    EXPECT_TRUE(dialog.isVisible());
    edit->clear();

    // Fifteen Chinese characters fit; the sixteenth is refused.
    const QString fifteen = "一二三四五六七八九十甲乙丙丁戊";
    Type(edit, fifteen + "己");
    EXPECT_EQ(edit->text(), fifteen);
    Click(dialog, "button1088");
    EXPECT_FALSE(dialog.isVisible());
    const CSettings settings = testing::Saved();
    EXPECT_EQ(GbkNameBytes(settings.PlayerName[kOrange]), Utf8ToGbk(fifteen.toStdString()));
    EXPECT_EQ(GbkNameBytes(settings.PlayerName[kOrange]).size(), 30u);
}

TEST_F(PlayerPickerTest, NameDialogCountsCharactersAsSeenAndCancelEscapeOrCloseSaveNothing) {
    SaveSeat(kRed, 1, "Old");
    const std::function<void(CPlayerNameDialog&)> leave[] = {
        [](CPlayerNameDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](CPlayerNameDialog& dialog) { Click(dialog, "buttonCancel"); },
        [](CPlayerNameDialog& dialog) { dialog.close(); },  // the close box
    };
    for (const auto& way : leave) {
        CPlayerNameDialog dialog(nullptr, testing::FileSettings(), kRed);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>("edit1087");
        // A character outside the BMP is two UTF-16 units but one character.
        const QString name = QString("abcdefghijklmn") + QString::fromUtf8("\xF0\x9F\x98\x80");
        Type(edit, name + "x");
        EXPECT_EQ(edit->text(), name);

        way(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(SavedName(kRed), "Old");
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace halmora
