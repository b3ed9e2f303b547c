#include "view/TextPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <algorithm>

namespace halmora {

void CTextPainter::Init(int height, bool bold, bool underline, const QString& face, QColor colour,
                        int format) {
    *this = CTextPainter();
    height_ = height;
    bold_ = bold;
    underline_ = underline;
    face_ = face;
    colour_ = colour;
    format_ = format;
}

QFont CTextPainter::Font() const {
    QFont font(face_);
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    if (height_ > 0) {
        font.setPixelSize(height_);
        // A pixel size is the em height; shrink it so that the whole line fits the cell height.
        const int line = QFontMetrics(font).height();
        if (line > height_)
            font.setPixelSize(std::max(1, height_ * height_ / line));
    }
    return font;
}

int CTextPainter::DrawIn(QPainter& dc, const QString& text, const QRect& rect) const {
    const QFont font = Font();
    dc.save();
    dc.setFont(font);
    dc.setPen(colour_);
    dc.setBackgroundMode(Qt::TransparentMode);
    dc.drawText(rect, format_ | Qt::TextWordWrap, text);
    dc.restore();
    return QFontMetrics(font).horizontalAdvance(text);
}

int CTextPainter::DrawIn(QPainter& dc, const QString& text, int left, int top, int right,
                         int bottom) const {
    return DrawIn(dc, text, QRect(left, top, right - left, bottom - top));
}

int CTextPainter::Width(const QString& text) const {
    return QFontMetrics(Font()).horizontalAdvance(text);
}

int CTextPainter::Height(const QString& text) const {
    return QFontMetrics(Font()).boundingRect(0, 0, 0, 0, Qt::TextSingleLine, text).height();
}

}  // namespace halmora
