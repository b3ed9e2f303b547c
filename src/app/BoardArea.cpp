#include "app/BoardArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "game/Player.h"

namespace halmora {
namespace {

// The key flags the game's mouse handling was written for.
constexpr int kFlagLeft = 0x0001;
constexpr int kFlagRight = 0x0002;
constexpr int kFlagShift = 0x0004;
constexpr int kFlagControl = 0x0008;

int KeyFlags(const QMouseEvent& event) {
    int flags = 0;
    if (event.buttons() & Qt::LeftButton)
        flags |= kFlagLeft;
    if (event.buttons() & Qt::RightButton)
        flags |= kFlagRight;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= kFlagShift;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= kFlagControl;
    return flags;
}

}  // namespace

CBoardArea::CBoardArea(CBoardAreaOwner& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName("boardArea");
    setMouseTracking(true);
    // Everything is painted from the backing image; no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBoardArea::paintEvent(QPaintEvent* event) {
    QPainter dc(this);
    owner_.BoardPaint(dc, event->rect());
}

void CBoardArea::Forward(int message, const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    owner_.BoardMouse(message, KeyFlags(event), p.x(), p.y());
}

void CBoardArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Forward(kLeftButtonDown, *event);
    else if (event->button() == Qt::RightButton)
        Forward(kRightButtonDown, *event);
}

void CBoardArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Forward(kLeftButtonUp, *event);
    else if (event->button() == Qt::RightButton)
        Forward(kRightButtonUp, *event);
}

void CBoardArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // A left double click reaches the game as a second press; a right one is not passed on.
    if (event->button() == Qt::LeftButton)
        Forward(kLeftButtonDown, *event);
}

void CBoardArea::mouseMoveEvent(QMouseEvent* event) {
    Forward(kMouseMove, *event);
}

void CBoardArea::resizeEvent(QResizeEvent*) {
    owner_.BoardResized();
}

void CBoardArea::keyPressEvent(QKeyEvent* event) {
    // Keys act only as the window's shortcuts, which come before this.
    event->accept();
}

}  // namespace halmora
