// The wallpaper dialog: a plain colour, a picture from the Wallpapers folder or any bitmap file
// behind the board, with a 200 by 150 preview that always shows the picture stretched, and whether
// the window stretches it. On OK it saves the wallpaper fields and hands the main window the
// picture it loaded; Cancel writes nothing and drops the picture.
//
//   CWallpaperDialog dialog(this);
//   if (dialog.exec() == QDialog::Accepted)
//       if (std::unique_ptr<CSurface> picture = dialog.TakeNewWallpaper())
//           wallpaper_ = std::move(picture);   // null: keep the old picture
//
// The colour picker and the open-file dialog go through settable functions so that tests can
// answer them instead of blocking on a modal dialog.
#pragma once

#include <QColor>
#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/AppSettings.h"
#include "view/Surface.h"

class QCheckBox;
class QListWidget;

namespace halmora {

// What the preview shows.
enum WallpaperPreviewMode : int {
    kPreviewColor = 0,
    kPreviewFolderPicture = 1,
    kPreviewFilePicture = 2,
};

class CWallpaperDialog : public QDialog {
    Q_OBJECT

public:
    // Returns the colour chosen, or nothing when the picker was cancelled.
    using ColorPicker = std::function<std::optional<QColor>(QWidget* parent, QColor initial)>;
    // Returns the full path of the bitmap file chosen, or nothing when the dialog was cancelled.
    using FilePicker = std::function<std::optional<std::string>(QWidget* parent)>;

    // Replace the pickers; an empty function restores Qt's dialog.
    static void SetColorPicker(ColorPicker pick);
    static void SetFilePicker(FilePicker pick);

    // The preview rectangle, in the dialog's client pixels.
    static constexpr int kPreviewLeft = 30;
    static constexpr int kPreviewTop = 35;
    static constexpr int kPreviewWidth = 200;
    static constexpr int kPreviewHeight = 150;

    // Lists the Wallpapers folder and shows the wallpaper of the settings: the picture (its list
    // entry selected when it came from the folder) or the colour. OK stores the choice.
    CWallpaperDialog(QWidget* parent, CAppSettings& settings);
    ~CWallpaperDialog() override;

    // The picture file the settings name: below the application folder in mode 1, as written in
    // mode 2 (a '\' is read as '/'), none in colour mode. The main window loads its wallpaper
    // from here.
    static std::filesystem::path PicturePath(const CSettings& settings);

    // Choosing list entry `row`: the preview shows that picture from the Wallpapers folder.
    void ChooseEntry(int row);
    // "载入位图文件...": a bitmap file from anywhere; the list selection is cleared either way.
    void LoadBitmapFile();
    // "改变颜色成": a plain colour; the picker starts at white.
    void ChangeColor();

    int PreviewMode() const { return previewMode_; }

    // After OK: the picture the dialog loaded, for the main window to show. Null when the dialog
    // was cancelled, ended on a colour, or holds no picture that could be read; the main window
    // then keeps its own. The second call returns null.
    std::unique_ptr<CSurface> TakeNewWallpaper();

public slots:
    // Saves the wallpaper fields and the stretch switch into a freshly loaded record, then closes.
    void accept() override;
    // Drops the loaded picture and closes; the settings file is not written.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList();
    // Selects the list entry that WallpaperFile names, if any.
    void SelectStoredEntry();
    void SelectRowQuietly(int row);
    void OnListSelection();
    // Loads a picture for the preview; one that cannot be read is reported and leaves the
    // preview as it was.
    bool LoadPreview(const std::string& path);
    void PaintPreview(QWidget& area) const;

    CAppSettings& stored_;
    CSettings settings_;  // the wallpaper fields as chosen so far
    int previewMode_ = kPreviewColor;
    std::unique_ptr<CSurface> preview_;
    QColor previewColor_;
    bool accepted_ = false;

    QListWidget* list_;
    QCheckBox* stretch_;
    QWidget* previewArea_;
};

}  // namespace halmora
