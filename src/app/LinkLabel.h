// A clickable line of blue underlined text. The window that owns labels forwards its mouse moves,
// presses and releases to all of them; a press either opens the label's web page or only reports
// the click, which the window then handles itself.
#pragma once

#include <QCursor>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace halmora {

class CLinkLabel {
public:
    CLinkLabel() = default;
    CLinkLabel(const QRect& area, const QString& text, const QString& target);

    void Set(const QRect& area, const QString& text, const QString& target);
    void SetFont(int height, bool bold) {
        fontHeight_ = height;
        bold_ = bold;
    }
    // The widget whose cursor the label changes, and the hand it shows.
    void SetCursorOwner(QWidget* owner, const QCursor& hand) {
        owner_ = owner;
        hand_ = hand;
    }

    void Draw(QPainter& dc) const;
    // True when the point is strictly inside; the hand cursor shows while it is.
    bool MouseMove(int x, int y);
    // True when the point is inside. The first press opens the target when `open` is set.
    bool Press(int x, int y, bool open);
    // True when the label was pressed.
    bool Release();

    const QString& Text() const { return text_; }
    bool Pressed() const { return pressed_; }

private:
    bool Inside(int x, int y) const;

    QRect area_;  // left, top and right, bottom as given, not Qt's inclusive corners
    int right_ = 0;
    int bottom_ = 0;
    int fontHeight_ = 12;
    bool bold_ = false;
    QString text_;
    QString target_;
    bool pressed_ = false;
    bool hover_ = false;
    QWidget* owner_ = nullptr;
    QCursor hand_{Qt::PointingHandCursor};
};

}  // namespace halmora
