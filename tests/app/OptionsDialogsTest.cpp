// The options dialogs driven through their controls: the board settings sheet with its mouse and
// animation pages, the sound dialog and the wallpaper dialog, and what reaches the settings file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "AppFixtures.h"
#include "app/AnimationPage.h"
#include "app/BoardSettingsSheet.h"
#include "app/MouseInputPage.h"
#include "app/SoundDialog.h"
#include "app/WallpaperDialog.h"
#include "records/Settings.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::Click;
using testing::FileBytes;
using testing::MessageScript;
using testing::Saved;
using testing::WhenModalShows;

std::string WallpaperFile(const CSettings& settings) {
    return reinterpret_cast<const char*>(settings.WallpaperFile.data());
}

void SetWallpaperFile(CSettings& settings, const std::string& file) {
    settings.WallpaperFile.fill(0);
    std::copy(file.begin(), file.end(), settings.WallpaperFile.begin());
}

template <typename T>
T& Find(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
}

void ShowTab(CBoardSettingsSheet& sheet, int index) {
    QTabBar* bar = sheet.Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(sheet.Tabs().currentIndex(), index);
}

// The preview as drawn, in its own pixels.
QImage Preview(CWallpaperDialog& dialog) {
    return dialog
        .grab(QRect(CWallpaperDialog::kPreviewLeft, CWallpaperDialog::kPreviewTop,
                    CWallpaperDialog::kPreviewWidth, CWallpaperDialog::kPreviewHeight))
        .toImage();
}

TEST(BoardSettingsSheetTest, PagesStoreOnlyWhenShownAndOnlyOnOk) {
    AppFolderScope folder("halmora-options-pages");
    CSettings before;
    before.MouseMode = 0;
    before.ShowMovesOnHover = 0;
    before.FullAnimation = 0;
    before.AnimationSpeed = 60;
    ASSERT_TRUE(before.Save());

    {  // Never shown: OK stores nothing.
        CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
        sheet.accept();
        EXPECT_FALSE(sheet.MousePage().IsInitialised());
        EXPECT_EQ(Saved(), before);
    }
    {  // Only the mouse page is shown; the animation page keeps its fields as they are now.
        CAppSettings& settings = testing::FileSettings();
        CBoardSettingsSheet sheet(nullptr, settings);
        sheet.show();
        EXPECT_TRUE(sheet.MousePage().IsInitialised());
        EXPECT_FALSE(sheet.AnimationPage().IsInitialised());
        EXPECT_TRUE(Find<QRadioButton>(sheet, "radio1056").isChecked());
        Click(sheet, "radio1057");
        EXPECT_FALSE(Find<QRadioButton>(sheet, "radio1056").isChecked());
        Click(sheet, "check1058");

        // Another editor's change made meanwhile is not written back stale.
        ASSERT_TRUE(settings.Change([](CSettings& s) {
            s.MuteSounds = 1;
            s.AnimationSpeed = 80;
        }));
        Click(sheet, "button1");
    }
    const CSettings a = Saved();
    EXPECT_EQ(std::vector<int32_t>({a.MouseMode, a.ShowMovesOnHover, a.MuteSounds, a.FullAnimation,
                                    a.AnimationSpeed}),
              std::vector<int32_t>({1, 1, 1, 0, 80}));

    {  // Reopened, the page shows what was stored; drag and drop again.
        CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
        sheet.show();
        EXPECT_TRUE(Find<QRadioButton>(sheet, "radio1057").isChecked());
        EXPECT_TRUE(Find<QCheckBox>(sheet, "check1058").isChecked());
        Click(sheet, "radio1056");
        Click(sheet, "button1");
    }
    EXPECT_EQ(Saved().MouseMode, 0);
    EXPECT_EQ(Saved().ShowMovesOnHover, 1);
}

TEST(BoardSettingsSheetTest, CancelAfterChangingBothPagesStoresNothing) {
    AppFolderScope folder("halmora-options-cancel");
    ASSERT_TRUE(CSettings().Save());
    const std::vector<char> before = FileBytes(AppFile("Data/Settings.dat"));

    CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
    sheet.show();
    Click(sheet, "radio1057");
    Click(sheet, "check1058");
    ShowTab(sheet, 1);
    EXPECT_TRUE(sheet.AnimationPage().IsInitialised());
    Click(sheet, "check1060");
    QTest::keyClick(&Find<QSlider>(sheet, "slider1061"), Qt::Key_End);
    Click(sheet, "button2");

    EXPECT_EQ(sheet.result(), QDialog::Rejected);
    EXPECT_EQ(FileBytes(AppFile("Data/Settings.dat")), before);
}

TEST(BoardSettingsSheetTest, DefaultSpeedShowsAs20AndTheSliderStoresAnyWholeNumber) {
    AppFolderScope folder("halmora-options-slider");
    {  // No settings file: full animation, speed 1 shown as 20 and stored as 20.
        CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
        sheet.show();
        ShowTab(sheet, 1);
        const QSlider& slider = Find<QSlider>(sheet, "slider1061");
        EXPECT_EQ(slider.minimum(), 20);
        EXPECT_EQ(slider.maximum(), 200);
        EXPECT_EQ(slider.tickInterval(), 20);
        EXPECT_NE(slider.tickPosition(), QSlider::NoTicks);
        EXPECT_EQ(slider.value(), 20);
        EXPECT_TRUE(Find<QCheckBox>(sheet, "check1060").isChecked());
        Click(sheet, "button1");
    }
    EXPECT_EQ(Saved().AnimationSpeed, 20);
    EXPECT_EQ(Saved().FullAnimation, 1);

    CSettings settings = Saved();
    settings.AnimationSpeed = 130;
    ASSERT_TRUE(settings.Save());
    // Run modally, as the main window runs it: seven steps right from 130, between two ticks.
    CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
    WhenModalShows<CBoardSettingsSheet>([](CBoardSettingsSheet& shown) {
        ShowTab(shown, 1);
        QSlider& slider = Find<QSlider>(shown, "slider1061");
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(&slider, Qt::Key_Right);
        Click(shown, "check1060");
        Click(shown, "button1");
    });
    EXPECT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_EQ(Saved().AnimationSpeed, 137);
    EXPECT_EQ(Saved().FullAnimation, 0);
}

TEST(BoardSettingsSheetTest, TheLastMoveOptionTakesOnlyOffsetZeroAndOlderFilesShowMarks) {
    AppFolderScope folder("halmora-options-marks");
    CSettings old;  // a file as older versions wrote it: 0 at offset 0
    old.AnimationSpeed = 60;
    old.Reserved4412.fill(0x5A);
    ASSERT_TRUE(old.Save());
    const std::vector<char> before = FileBytes(AppFile("Data/Settings.dat"));
    EXPECT_TRUE(GameOptionsOf(Saved()).markLastMove);

    for (const bool mark : {false, true}) {
        CBoardSettingsSheet sheet(nullptr, testing::FileSettings());
        sheet.show();
        ShowTab(sheet, 1);
        EXPECT_EQ(Find<QCheckBox>(sheet, "checkMarkLastMove").isChecked(), !mark);
        Click(sheet, "checkMarkLastMove");
        Click(sheet, "button1");
        EXPECT_EQ(GameOptionsOf(Saved()).markLastMove, mark);
        std::vector<char> expected = before;
        expected[0] = mark ? 0 : 1;
        EXPECT_EQ(FileBytes(AppFile("Data/Settings.dat")), expected);
    }
    EXPECT_EQ(before.size(), kSettingsFileBytes);
}

TEST(SoundDialogTest, StoresOnOkOnly) {
    AppFolderScope folder("halmora-options-sound");
    bool muted = false;
    for (const std::string button : {"button1064", "button1063", "button1063"}) {
        CSoundDialog dialog(nullptr, testing::FileSettings());
        EXPECT_EQ(Find<QCheckBox>(dialog, "check1062").isChecked(), muted);
        Click(dialog, "check1062");
        Click(dialog, button.c_str());
        const bool ok = button == "button1063";
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        muted = muted != ok;
        if (ok)
            EXPECT_EQ(Saved().MuteSounds, muted ? 1 : 0);
        else  // Cancel writes nothing, not even a first settings file.
            EXPECT_FALSE(std::filesystem::exists(AppFile("Data/Settings.dat")));
    }
}

// A temporary application folder with a Wallpapers folder of small pictures made here.
class WallpaperDialogTest : public ::testing::Test {
protected:
    WallpaperDialogTest() {
        std::filesystem::create_directories(AppFile("Wallpapers/More"));
        // Four quadrants, so that a stretched picture shows each colour in its quarter.
        QImage quads(2, 2, QImage::Format_RGB32);
        quads.setPixel(0, 0, qRgb(255, 0, 0));
        quads.setPixel(1, 0, qRgb(0, 255, 0));
        quads.setPixel(0, 1, qRgb(0, 0, 255));
        quads.setPixel(1, 1, qRgb(255, 255, 0));
        Write(quads, "Wallpapers/Beach.bmp");
        Write(Plain(4, 3, qRgb(0, 128, 128)), "Wallpapers/aurora.bmp");
        Write(Plain(5, 5, qRgb(90, 40, 10)), "Wallpapers/Cliffs.bmp");
        std::ofstream(AppFile("Wallpapers/broken.bmp")) << "not a picture";
        Write(Plain(3, 2, qRgb(7, 8, 9)), "Own.bmp");
        CWallpaperDialog::SetColorPicker([this](QWidget*, QColor initial) {
            pickerStart = initial;
            return pickedColor;
        });
        CWallpaperDialog::SetFilePicker([this](QWidget*) { return pickedFile; });
    }
    ~WallpaperDialogTest() override {
        CWallpaperDialog::SetColorPicker(nullptr);
        CWallpaperDialog::SetFilePicker(nullptr);
    }

    static QImage Plain(int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    static void Write(const QImage& image, const std::string& relative) {
        ASSERT_TRUE(image.save(QString::fromStdString(AppFile(relative).string()), "BMP"));
    }
    static void SaveMode1(const std::string& file, int stretch) {
        CSettings settings;
        settings.WallpaperMode = 1;
        SetWallpaperFile(settings, file);
        settings.StretchWallpaper = stretch;
        ASSERT_TRUE(settings.Save());
    }
    static void ChooseByClick(CWallpaperDialog& dialog, const QString& text) {
        QListWidget& list = Find<QListWidget>(dialog, "list1072");
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(found.front()).center());
    }
    static QString Selected(CWallpaperDialog& dialog) {
        const QList<QListWidgetItem*> items = Find<QListWidget>(dialog, "list1072").selectedItems();
        return items.isEmpty() ? QString() : items.front()->text();
    }
    static void ExpectStretchedQuads(CWallpaperDialog& dialog) {
        const QImage preview = Preview(dialog);
        EXPECT_EQ(preview.pixel(5, 5), qRgb(255, 0, 0));
        EXPECT_EQ(preview.pixel(194, 5), qRgb(0, 255, 0));
        EXPECT_EQ(preview.pixel(5, 144), qRgb(0, 0, 255));
        EXPECT_EQ(preview.pixel(194, 144), qRgb(255, 255, 0));
    }

    AppFolderScope folder{"halmora-options-wallpaper"};
    MessageScript messages;
    std::optional<QColor> pickedColor;
    std::optional<std::string> pickedFile;
    std::optional<QColor> pickerStart;
};

TEST_F(WallpaperDialogTest, EntryThenColourThenOkStoresColourModeAndHandsOverNoPicture) {
    CWallpaperDialog dialog(nullptr, testing::FileSettings());
    dialog.show();
    ChooseByClick(dialog, "Beach.bmp");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFolderPicture);
    EXPECT_EQ(Selected(dialog), "Beach.bmp");
    ExpectStretchedQuads(dialog);  // always stretched, though 1073 is clear

    pickedColor = QColor(200, 100, 50);
    Click(dialog, "button6");
    EXPECT_EQ(pickerStart, QColor(Qt::white));
    EXPECT_EQ(dialog.PreviewMode(), kPreviewColor);
    EXPECT_EQ(Preview(dialog).pixel(100, 75), qRgb(200, 100, 50));
    Click(dialog, "button1066");

    const CSettings saved = Saved();
    EXPECT_EQ(std::vector<int32_t>({saved.WallpaperMode, saved.WallpaperRed, saved.WallpaperGreen,
                                    saved.WallpaperBlue}),
              std::vector<int32_t>({0, 200, 100, 50}));
    EXPECT_EQ(WallpaperFile(saved), "Wallpapers/Beach.bmp");
    // The colour dropped the picture: the main window keeps its own and paints the colour.
    EXPECT_EQ(dialog.TakeNewWallpaper(), nullptr);
}

TEST_F(WallpaperDialogTest, Mode1SelectsTheMatchingEntryAndOkHandsOverThePicture) {
    // Written on Windows, with a backslash.
    SaveMode1("Wallpapers\\Beach.bmp", 1);
    CWallpaperDialog dialog(nullptr, testing::FileSettings());
    dialog.show();
    EXPECT_EQ(Selected(dialog), "Beach.bmp");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFolderPicture);
    EXPECT_TRUE(Find<QCheckBox>(dialog, "check1073").isChecked());
    ExpectStretchedQuads(dialog);
    EXPECT_EQ(dialog.TakeNewWallpaper(), nullptr);  // not before OK

    Click(dialog, "check1073");
    Click(dialog, "button1066");
    std::unique_ptr<CSurface> picture = dialog.TakeNewWallpaper();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Picture().pixel(1, 1), qRgb(255, 255, 0));
    EXPECT_EQ(dialog.TakeNewWallpaper(), nullptr);
    EXPECT_EQ(Saved().WallpaperMode, 1);
    EXPECT_EQ(Saved().StretchWallpaper, 0);
    EXPECT_TRUE(messages.shown.empty());

    // The first entry that begins with the stored name, in any case (the file "c" itself is
    // missing and reported); a bare folder name selects nothing.
    SaveMode1("Wallpapers/c", 0);
    EXPECT_EQ(Selected(*std::make_unique<CWallpaperDialog>(nullptr, testing::FileSettings())),
              "Cliffs.bmp");
    EXPECT_EQ(messages.shown.size(), 1u);
    SaveMode1("Wallpapers/", 0);
    CWallpaperDialog bare(nullptr, testing::FileSettings());
    EXPECT_TRUE(Selected(bare).isEmpty());
}

TEST_F(WallpaperDialogTest, BitmapFileClearsTheSelectionAndOkStoresItsFullPath) {
    SaveMode1("Wallpapers/aurora.bmp", 0);
    CWallpaperDialog dialog(nullptr, testing::FileSettings());
    dialog.show();
    ASSERT_EQ(Selected(dialog), "aurora.bmp");

    // Cancelled: the picture stays, the selection goes.
    Click(dialog, "button4");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFolderPicture);
    EXPECT_TRUE(Selected(dialog).isEmpty());
    EXPECT_EQ(Preview(dialog).pixel(100, 75), qRgb(0, 128, 128));

    const std::string own = AppFile("Own.bmp").string();
    pickedFile = own;
    Click(dialog, "button4");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFilePicture);
    EXPECT_EQ(Preview(dialog).pixel(100, 75), qRgb(7, 8, 9));
    Click(dialog, "button1066");

    EXPECT_EQ(Saved().WallpaperMode, 2);
    EXPECT_EQ(WallpaperFile(Saved()), own);
    std::unique_ptr<CSurface> picture = dialog.TakeNewWallpaper();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WallpaperDialogTest, BadPicturesAreReportedAndTheEarlierChoiceStays) {
    CWallpaperDialog dialog(nullptr, testing::FileSettings());
    dialog.show();
    ChooseByClick(dialog, "broken.bmp");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              AppFile("Wallpapers/broken.bmp").string() + " could not be loaded!");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewColor);
    EXPECT_TRUE(Selected(dialog).isEmpty());
    EXPECT_EQ(Preview(dialog).pixel(100, 75), qRgb(16, 11, 218));

    ChooseByClick(dialog, "aurora.bmp");
    pickedFile = AppFile("Missing.bmp").string();
    Click(dialog, "button4");
    EXPECT_EQ(messages.shown.size(), 2u);
    // A path that the settings file could only keep cut is refused before loading.
    pickedFile = "/" + std::string(kWallpaperFileBytes, 'x') + ".bmp";
    Click(dialog, "button4");
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFolderPicture);
    EXPECT_EQ(Preview(dialog).pixel(100, 75), qRgb(0, 128, 128));

    Click(dialog, "button1066");
    EXPECT_EQ(Saved().WallpaperMode, 1);
    EXPECT_EQ(WallpaperFile(Saved()), "Wallpapers/aurora.bmp");
    EXPECT_NE(dialog.TakeNewWallpaper(), nullptr);
}

TEST_F(WallpaperDialogTest, CancelWritesNothingAndDropsThePicture) {
    CWallpaperDialog dialog(nullptr, testing::FileSettings());
    dialog.show();
    ChooseByClick(dialog, "Cliffs.bmp");
    pickedColor.reset();  // the colour picker cancelled keeps the picture
    Click(dialog, "button6");
    EXPECT_EQ(dialog.PreviewMode(), kPreviewFolderPicture);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(AppFile("Data/Settings.dat")));
    EXPECT_EQ(dialog.TakeNewWallpaper(), nullptr);
}

}  // namespace
}  // namespace halmora
