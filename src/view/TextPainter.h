// A font description with a colour and drawing options, used wherever the program draws its own
// text. Heights are cell heights in pixels (ascent plus descent), which the fixed text rectangles
// are laid out for; the font is scaled so that a line is no taller.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRect;

namespace halmora {

class CTextPainter {
public:
    // format: Qt alignment and text flags; word wrapping is always added when drawing.
    void Init(int height, bool bold, bool underline, const QString& face, QColor colour,
              int format = 0);

    void SetColour(QColor colour) { colour_ = colour; }

    // Draws text in the rectangle on a transparent ground, clipped to it, and returns the width of
    // the text on one line. The four-number form takes left, top, right and bottom edges, the
    // right and bottom ones outside the rectangle.
    int DrawIn(QPainter& dc, const QString& text, const QRect& rect) const;
    int DrawIn(QPainter& dc, const QString& text, int left, int top, int right, int bottom) const;

    // The size of text on one line.
    int Width(const QString& text) const;
    int Height(const QString& text) const;

    QFont Font() const;
    QColor Colour() const { return colour_; }

private:
    int height_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    QString face_;
    QColor colour_ = Qt::black;
    int format_ = 0;
};

}  // namespace halmora
