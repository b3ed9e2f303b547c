// The board area: the main window's central widget between toolbar and status bar. Its own
// coordinates are the board coordinates; it paints from the renderer's backing image and hands
// paint, mouse and size events to its owner.
#pragma once

#include <QWidget>

namespace halmora {

class CBoardAreaOwner {
public:
    virtual ~CBoardAreaOwner() = default;
    virtual void BoardPaint(QPainter& dc, const QRect& dirty) = 0;
    // A mouse message in the game's codes, in board coordinates.
    virtual void BoardMouse(int message, int keyFlags, int x, int y) = 0;
    virtual void BoardResized() = 0;
};

class CBoardArea : public QWidget {
    Q_OBJECT

public:
    explicit CBoardArea(CBoardAreaOwner& owner, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Forward(int message, const QMouseEvent& event);

    CBoardAreaOwner& owner_;
};

}  // namespace halmora
