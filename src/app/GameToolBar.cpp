#include "app/GameToolBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QToolButton>

#include "app/CommandIds.h"
#include "view/DensePictures.h"

namespace halmora {
namespace {

struct Entry {
    int command;
    const char* text;
    CGameToolBar::Flag flag;
};

// The buttons from left to right; a separator follows Restart and Force. The pictures of a strip
// are in this order too.
constexpr Entry kEntries[CGameToolBar::kFlagCount] = {
    {kCmdNewGame, QT_TRANSLATE_NOOP("ToolBar", "New"), CGameToolBar::kNewFlag},
    {kCmdRestart, QT_TRANSLATE_NOOP("ToolBar", "Restart"), CGameToolBar::kRestartFlag},
    {kCmdUndo, QT_TRANSLATE_NOOP("ToolBar", "撤销"), CGameToolBar::kUndoFlag},
    {kCmdRedo, QT_TRANSLATE_NOOP("ToolBar", "重做"), CGameToolBar::kRedoFlag},
    {kCmdSuggest, QT_TRANSLATE_NOOP("ToolBar", "提示"), CGameToolBar::kSuggestFlag},
    {kCmdForce, QT_TRANSLATE_NOOP("ToolBar", "强制 "), CGameToolBar::kForceFlag},
    {kCmdViewStatistics, QT_TRANSLATE_NOOP("ToolBar", "统计 "), CGameToolBar::kStatsFlag},
    {kCmdHelp, QT_TRANSLATE_NOOP("ToolBar", "帮助"), CGameToolBar::kHelpFlag},
};

}  // namespace

CGameToolBar::CGameToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName("toolbar160");
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(kImageWidth, kImageHeight));
    for (int i = 0; i < kFlagCount; ++i) {
        const Entry& entry = kEntries[i];
        QAction* action = addAction(QString());
        action->setData(entry.command);
        actions_[entry.flag] = action;
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { emit CommandChosen(command); });
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
            button->setObjectName(QString("button%1").arg(entry.command));
            button->setFixedSize(kButtonSize, kButtonSize);
        }
        if (entry.command == kCmdRestart || entry.command == kCmdForce)
            addSeparator();
    }
    Retranslate();
    UpdateCommands();
}

void CGameToolBar::Retranslate() {
    for (int i = 0; i < kFlagCount; ++i)
        actions_[kEntries[i].flag]->setText(
            QCoreApplication::translate("ToolBar", kEntries[i].text));
}

namespace {

// A strip of kFlagCount pictures of the given width, its bottom-left pixel's colour made
// transparent; null when it cannot be read or is too small.
QImage ReadStrip(const std::string& path, int imageWidth) {
    QImage strip;
    if (!strip.load(QString::fromStdString(path)) || imageWidth <= 0 ||
        strip.width() < imageWidth * CGameToolBar::kFlagCount || strip.height() <= 0)
        return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = strip.pixel(0, strip.height() - 1);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if (line[x] == transparent)
                line[x] = 0;
        }
    }
    return strip;
}

}  // namespace

bool CGameToolBar::SetImageList(ImageKind kind, const std::string& path, int imageWidth) {
    const QImage strip = ReadStrip(path, imageWidth);
    if (strip.isNull())
        return false;
    for (int i = 0; i < kFlagCount; ++i)
        images_[static_cast<int>(kind)][i] =
            strip.copy(i * imageWidth, 0, imageWidth, strip.height());
    // The strip drawn at twice the density, where there is one, serves denser screens.
    const QImage dense = ReadStrip(AtDensity(path, 2), 2 * imageWidth);
    for (int i = 0; i < kFlagCount; ++i) {
        QImage& picture = denseImages_[static_cast<int>(kind)][i];
        picture = QImage();
        if (dense.height() != 2 * strip.height())
            continue;
        picture = dense.copy(2 * i * imageWidth, 0, 2 * imageWidth, dense.height());
        picture.setDevicePixelRatio(2);
    }
    ApplyIcons();
    return true;
}

void CGameToolBar::ApplyIcons() {
    for (int i = 0; i < kFlagCount; ++i) {
        QIcon icon;
        const QImage& normal = images_[static_cast<int>(ImageKind::Normal)][i];
        const QImage& hot = images_[static_cast<int>(ImageKind::Hot)][i];
        const QImage& disabled = images_[static_cast<int>(ImageKind::Disabled)][i];
        if (!normal.isNull())
            icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
        if (!hot.isNull())
            icon.addPixmap(QPixmap::fromImage(hot), QIcon::Active);
        if (!disabled.isNull())
            icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
        const QIcon::Mode modes[3] = {QIcon::Normal, QIcon::Active, QIcon::Disabled};
        for (int kind = 0; kind < 3; ++kind) {
            const QImage& dense = denseImages_[kind][i];
            if (!images_[kind][i].isNull() && !dense.isNull())
                icon.addPixmap(QPixmap::fromImage(dense), modes[kind]);
        }
        actions_[kEntries[i].flag]->setIcon(icon);
    }
}

void CGameToolBar::SetCommandFlag(int commandId, bool on) {
    for (const Entry& entry : kEntries)
        if (entry.command == commandId)
            SetFlag(entry.flag, on);
}

void CGameToolBar::UpdateCommands() {
    for (int flag = 0; flag < kFlagCount; ++flag) {
        QAction* action = actions_[flag];
        action->setEnabled(flags_[flag] != 0);
        QWidget* button = widgetForAction(action);
        if (button != nullptr && button->size() != QSize(kButtonSize, kButtonSize)) {
            button->setFixedSize(kButtonSize, kButtonSize);
            setIconSize(QSize(kImageWidth, kImageHeight));
        }
    }
}

QAction* CGameToolBar::ActionOf(int commandId) const {
    for (QAction* action : actions_) {
        if (action->data().toInt() == commandId)
            return action;
    }
    return nullptr;
}

QToolButton* CGameToolBar::ButtonOf(int commandId) const {
    QAction* action = ActionOf(commandId);
    return action == nullptr ? nullptr : qobject_cast<QToolButton*>(widgetForAction(action));
}

}  // namespace halmora
