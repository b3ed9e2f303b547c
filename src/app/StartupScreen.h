// The screen offered after the splash: five choices as link labels with a line of description
// each, and the version. Choosing one closes the screen and leaves the command for the main
// window; the update link opens its page and keeps the screen open.
#pragma once

#include <QDialog>

#include <array>

#include "app/LinkLabel.h"

namespace halmora {

class CStartupScreen : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLabelCount = 5;

    explicit CStartupScreen(QWidget* parent = nullptr, const QCursor& hand = QCursor());

    // The command chosen (New Game, Open Game, View Statistics, Choose Wallpaper), or 0.
    int ChosenCommand() const { return chosen_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<CLinkLabel, kLabelCount> labels_;
    int chosen_ = 0;
};

}  // namespace halmora
