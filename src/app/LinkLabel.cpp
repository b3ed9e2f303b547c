#include "app/LinkLabel.h"

#include <QPainter>
#include <QUrl>
#include <QWidget>

#include "app/HelpLinks.h"
#include "view/TextPainter.h"

namespace halmora {

CLinkLabel::CLinkLabel(const QRect& area, const QString& text, const QString& target) {
    Set(area, text, target);
}

void CLinkLabel::Set(const QRect& area, const QString& text, const QString& target) {
    area_ = area;
    right_ = area.x() + area.width();
    bottom_ = area.y() + area.height();
    text_ = text;
    target_ = target;
}

void CLinkLabel::Draw(QPainter& dc) const {
    dc.save();
    CTextPainter painter;
    painter.Init(fontHeight_, bold_, true, QStringLiteral("Arial"), QColor(0, 0, 255), 0);
    dc.setFont(painter.Font());
    dc.setPen(QColor(0, 0, 255));
    dc.drawText(area_, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
    dc.restore();
}

bool CLinkLabel::Inside(int x, int y) const {
    return area_.x() < x && x < right_ && area_.y() < y && y < bottom_;
}

bool CLinkLabel::MouseMove(int x, int y) {
    if (Inside(x, y)) {
        if (owner_ != nullptr)
            owner_->setCursor(hand_);
        hover_ = true;
        return true;
    }
    if (hover_ && owner_ != nullptr)
        owner_->setCursor(Qt::ArrowCursor);
    hover_ = false;
    return false;
}

bool CLinkLabel::Press(int x, int y, bool open) {
    if (!Inside(x, y))
        return false;
    if (pressed_)
        return true;
    if (open)
        OpenUrl(QUrl(target_));
    pressed_ = true;
    return true;
}

bool CLinkLabel::Release() {
    if (!pressed_)
        return false;
    pressed_ = false;
    return true;
}

}  // namespace halmora
