// The main window's toolbar: eight command buttons with pictures under three looks (normal, hot,
// disabled). Which buttons are enabled follows eight flags that the idle tick sets; the toolbar
// applies them whenever it is asked to update.
#pragma once

#include <QImage>
#include <QToolBar>

#include <array>
#include <cstdint>
#include <string>

class QAction;
class QToolButton;

namespace halmora {

class CGameToolBar : public QToolBar {
    Q_OBJECT

public:
    enum class ImageKind { Normal, Hot, Disabled };
    // The flags, in this order.
    enum Flag {
        kNewFlag,
        kRestartFlag,
        kUndoFlag,
        kRedoFlag,
        kForceFlag,
        kSuggestFlag,
        kStatsFlag,
        kHelpFlag,
        kFlagCount
    };
    static constexpr int kButtonSize = 52;
    static constexpr int kImageWidth = 32;
    static constexpr int kImageHeight = 30;

    explicit CGameToolBar(QWidget* parent = nullptr);

    // Cuts a strip of pictures into the images of one look; the strip's bottom-left pixel is its
    // transparent colour. False when the picture cannot be loaded or is too small.
    bool SetImageList(ImageKind kind, const std::string& path, int imageWidth);

    void SetFlag(Flag flag, bool on) { flags_[flag] = on ? 1 : 0; }
    // The flag of the button of a command id; nothing for a command without a button.
    void SetCommandFlag(int commandId, bool on);

    // Enables each button by its flag and gives a button the framework resized its 52 by 52 back.
    void UpdateCommands();
    // Gives the buttons their texts in the chosen language.
    void Retranslate();

    // The button of a command id, or null.
    QToolButton* ButtonOf(int commandId) const;
    QAction* ActionOf(int commandId) const;

signals:
    void CommandChosen(int commandId);

private:
    void ApplyIcons();

    std::array<uint8_t, kFlagCount> flags_{1, 0, 0, 0, 0, 0, 1, 1};
    std::array<QAction*, kFlagCount> actions_{};
    std::array<std::array<QImage, kFlagCount>, 3> images_{};
    // The same pictures at twice the density, for denser screens; null where there are none.
    std::array<std::array<QImage, kFlagCount>, 3> denseImages_{};
};

}  // namespace halmora
