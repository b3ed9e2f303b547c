#include "app/WallpaperDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include "app/MessageBoxes.h"
#include "platform/AppFolder.h"
#include "platform/Replaceable.h"
#include "view/ViewMessages.h"

namespace halmora {
namespace {

constexpr char kFolderName[] = "Wallpapers";
// "Wallpapers" and the separator after it.
constexpr std::size_t kFolderPrefixLength = 11;

std::optional<QColor> PickWithQtDialog(QWidget* parent, QColor initial) {
    // Qt's colour dialog always shows its custom colour part, like a fully opened picker.
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<std::string> OpenWithQtDialog(QWidget* parent) {
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), QString(),
                                                        QStringLiteral("Bitmap Files (*.bmp)"));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

Replaceable<CWallpaperDialog::ColorPicker>& CurrentColorPicker() {
    static Replaceable<CWallpaperDialog::ColorPicker> pick(PickWithQtDialog);
    return pick;
}

Replaceable<CWallpaperDialog::FilePicker>& CurrentFilePicker() {
    static Replaceable<CWallpaperDialog::FilePicker> pick(OpenWithQtDialog);
    return pick;
}

// WallpaperFile up to its zero, with the Windows separator read as '/'.
std::string WallpaperFileText(const CSettings& settings) {
    const auto* bytes = reinterpret_cast<const char*>(settings.WallpaperFile.data());
    std::string text(bytes, strnlen(bytes, settings.WallpaperFile.size()));
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// Only a text that fits whole, with its zero, is stored; a cut path would name another file.
bool StoreWallpaperFile(const std::string& text, CSettings& settings) {
    if (text.size() >= settings.WallpaperFile.size())
        return false;
    settings.WallpaperFile.fill(0);
    std::memcpy(settings.WallpaperFile.data(), text.data(), text.size());
    return true;
}

bool IsEmptyPicture(const CSurface* picture) {
    return picture == nullptr || picture->Picture().isNull();
}

}  // namespace

void CWallpaperDialog::SetColorPicker(ColorPicker pick) {
    CurrentColorPicker().Set(std::move(pick));
}

void CWallpaperDialog::SetFilePicker(FilePicker pick) {
    CurrentFilePicker().Set(std::move(pick));
}

CWallpaperDialog::CWallpaperDialog(QWidget* parent, CAppSettings& settings)
    : QDialog(parent),
      stored_(settings),
      list_(new QListWidget(this)),
      stretch_(new QCheckBox(QCoreApplication::translate("WallpaperDialog", "拉伸位图以适合窗口"),
                             this)),
      previewArea_(nullptr) {
    setWindowTitle(QCoreApplication::translate("WallpaperDialog", "选取壁纸 "));
    setFixedSize(480, 290);

    auto* group = new QGroupBox(QCoreApplication::translate("WallpaperDialog", "壁纸预览"), this);
    group->setGeometry(15, 12, 230, 185);
    // Above the group box, so that its frame never covers the preview.
    previewArea_ = new QWidget(this);
    previewArea_->setObjectName(QStringLiteral("preview"));
    previewArea_->setGeometry(kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight);
    previewArea_->installEventFilter(this);
    stretch_->setObjectName(QStringLiteral("check1073"));
    stretch_->setGeometry(20, 210, 230, 24);

    list_->setObjectName(QStringLiteral("list1072"));
    list_->setGeometry(260, 18, 200, 150);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* loadFile =
        new QPushButton(QCoreApplication::translate("WallpaperDialog", "载入位图文件..."), this);
    loadFile->setObjectName(QStringLiteral("button4"));
    loadFile->setGeometry(260, 175, 200, 28);
    auto* changeColor =
        new QPushButton(QCoreApplication::translate("WallpaperDialog", "改变颜色成"), this);
    changeColor->setObjectName(QStringLiteral("button6"));
    changeColor->setGeometry(260, 208, 200, 28);
    auto* ok = new QPushButton(QCoreApplication::translate("WallpaperDialog", "确定"), this);
    ok->setObjectName(QStringLiteral("button1066"));
    ok->setGeometry(260, 250, 95, 28);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("WallpaperDialog", "取消"), this);
    cancel->setObjectName(QStringLiteral("button1067"));
    cancel->setGeometry(365, 250, 95, 28);

    connect(list_, &QListWidget::itemSelectionChanged, this, &CWallpaperDialog::OnListSelection);
    connect(loadFile, &QPushButton::clicked, this, &CWallpaperDialog::LoadBitmapFile);
    connect(changeColor, &QPushButton::clicked, this, &CWallpaperDialog::ChangeColor);
    connect(ok, &QPushButton::clicked, this, &CWallpaperDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CWallpaperDialog::reject);

    FillList();
    settings_ = stored_.Get();
    previewColor_ =
        QColor(settings_.WallpaperRed, settings_.WallpaperGreen, settings_.WallpaperBlue);
    if (settings_.WallpaperMode != 0) {
        // A picture that cannot be read is reported and the preview stays empty.
        preview_ = std::make_unique<CSurface>();
        preview_->Load(PicturePath(settings_).string());
        previewMode_ = settings_.WallpaperMode == 1 ? kPreviewFolderPicture : kPreviewFilePicture;
        SelectStoredEntry();
    }
    stretch_->setChecked(settings_.StretchWallpaper == 1);
}

CWallpaperDialog::~CWallpaperDialog() = default;

std::filesystem::path CWallpaperDialog::PicturePath(const CSettings& settings) {
    if (settings.WallpaperMode == 0)
        return {};
    const std::string file = WallpaperFileText(settings);
    if (settings.WallpaperMode == 1)
        return AppFile(file);
    return file;
}

void CWallpaperDialog::FillList() {
    // Every entry that is not a folder; a missing folder leaves the list empty.
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(AppFile(kFolderName), error), end;
         !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    // Sorted as a list box sorts, without regard to case.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order =
            QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), list_);
        // The file name's own bytes, which the shown text may not give back.
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
}

void CWallpaperDialog::SelectStoredEntry() {
    SelectRowQuietly(-1);
    // The first entry that begins with the name after "Wallpapers/". No name at all selects
    // nothing, rather than whichever entry happens to come first.
    const std::string file = WallpaperFileText(settings_);
    const std::size_t at = file.find(kFolderName);
    if (at == std::string::npos || at + kFolderPrefixLength >= file.size())
        return;
    const QString prefix = QString::fromStdString(file.substr(at + kFolderPrefixLength));
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            SelectRowQuietly(row);
            return;
        }
}

void CWallpaperDialog::SelectRowQuietly(int row) {
    const QSignalBlocker quiet(list_);
    list_->clearSelection();
    list_->setCurrentRow(row);
    if (row >= 0)
        list_->item(row)->setSelected(true);
}

void CWallpaperDialog::OnListSelection() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty())
        ChooseEntry(list_->row(selected.front()));
}

void CWallpaperDialog::ChooseEntry(int row) {
    if (row < 0 || row >= list_->count())
        return;
    const std::string relative = std::string(kFolderName) + "/" +
                                 list_->item(row)->data(Qt::UserRole).toByteArray().toStdString();
    CSettings chosen = settings_;
    if (!StoreWallpaperFile(relative, chosen) || !LoadPreview(AppFile(relative).string())) {
        // The earlier choice stays, and the list shows it again.
        if (previewMode_ == kPreviewFolderPicture)
            SelectStoredEntry();
        else
            SelectRowQuietly(-1);
        return;
    }
    settings_ = chosen;
    settings_.WallpaperMode = 1;
    previewMode_ = kPreviewFolderPicture;
    SelectRowQuietly(row);
    previewArea_->update();
}

void CWallpaperDialog::LoadBitmapFile() {
    if (const std::optional<std::string> path = CurrentFilePicker()(this)) {
        CSettings chosen = settings_;
        if (!StoreWallpaperFile(*path, chosen))
            ShowMessageBox(
                this,
                QCoreApplication::translate("WallpaperDialog",
                                            "The path of this file is too long for a wallpaper.")
                    .toStdString(),
                ApplicationTitle().toStdString());
        else if (LoadPreview(*path)) {
            settings_ = chosen;
            previewMode_ = kPreviewFilePicture;
            settings_.WallpaperMode = 2;
        }
    }
    SelectRowQuietly(-1);
    previewArea_->update();
}

void CWallpaperDialog::ChangeColor() {
    // The picker starts at white, not at the colour shown.
    if (const std::optional<QColor> chosen = CurrentColorPicker()(this, QColor(Qt::white))) {
        previewColor_ = *chosen;
        previewMode_ = kPreviewColor;
        preview_.reset();
        settings_.WallpaperMode = 0;
        settings_.WallpaperRed = chosen->red();
        settings_.WallpaperGreen = chosen->green();
        settings_.WallpaperBlue = chosen->blue();
    }
    previewArea_->update();
}

bool CWallpaperDialog::LoadPreview(const std::string& path) {
    auto picture = std::make_unique<CSurface>();
    picture->Load(path);
    if (IsEmptyPicture(picture.get()))
        return false;
    preview_ = std::move(picture);
    return true;
}

std::unique_ptr<CSurface> CWallpaperDialog::TakeNewWallpaper() {
    if (!accepted_ || IsEmptyPicture(preview_.get()))
        return nullptr;
    return std::move(preview_);
}

void CWallpaperDialog::accept() {
    stored_.Change([this](CSettings& stored) {
        stored.WallpaperMode = settings_.WallpaperMode;
        stored.WallpaperRed = settings_.WallpaperRed;
        stored.WallpaperGreen = settings_.WallpaperGreen;
        stored.WallpaperBlue = settings_.WallpaperBlue;
        stored.WallpaperFile = settings_.WallpaperFile;
        stored.StretchWallpaper = stretch_->isChecked() ? 1 : 0;
    });
    accepted_ = true;
    QDialog::accept();
}

void CWallpaperDialog::reject() {
    preview_.reset();
    accepted_ = false;
    QDialog::reject();
}

bool CWallpaperDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == previewArea_ && event->type() == QEvent::Paint) {
        PaintPreview(*previewArea_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CWallpaperDialog::PaintPreview(QWidget& area) const {
    QPainter dc(&area);
    if (previewMode_ == kPreviewColor) {
        dc.setPen(Qt::black);
        dc.setBrush(previewColor_);
        dc.drawRect(0, 0, area.width() - 1, area.height() - 1);
        return;
    }
    // Always stretched, whatever the stretch switch says.
    if (!IsEmptyPicture(preview_.get()))
        preview_->DrawStretched(dc, 0, 0, area.width(), area.height(), 0, 0, preview_->Width(),
                                preview_->Height());
}

}  // namespace halmora
