#include "view/GameInfoPanel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include "game/GameClock.h"
#include "platform/AppFolder.h"
#include "view/DensePictures.h"

namespace halmora {
namespace {

// clang-format off
// The panel's own colours, brighter than the board's on the dark ground.
constexpr std::array<QRgb, kColorCount> kPanelColour = {
    qRgb(255, 241,  15),  // Yellow
    qRgb(183,  91, 221),  // Purple
    qRgb( 59,  45, 255),  // Blue
    qRgb(232,  53,  34),  // Red
    qRgb(255, 134,  53),  // Orange
    qRgb( 60, 217,  23),  // Green
};
// clang-format on
constexpr QRgb kBackground = qRgb(25, 25, 125);

// 141 by 193 dialog units at (10, 50) from the owner's corner, at 1.5 by 1.625 pixels a unit.
constexpr int kClientWidth = 212;
constexpr int kClientHeight = 314;
constexpr QPoint kOffsetFromOwner(15, 81);

// How much shorter the window is for each row count, so that its height fits the rows.
int HeightCut(int rows) {
    switch (rows) {
        case 2:
            return 180;
        case 3:
            return 140;
        case 4:
            return 100;
        case 6:
            return 15;
        default:
            return 0;
    }
}

QString AsQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A player's name; the computers' names are known texts and read in the chosen language.
QString NameText(const GbkName& name) {
    const std::string utf8 = GbkNameToUtf8(name);
    return QCoreApplication::translate("ComputerName", utf8.c_str());
}

}  // namespace

CGameInfoPanel::CGameInfoPanel(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    Retranslate();
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int c = 0; c < kColorCount; ++c)
        painter_[c].Init(18, true, false, "Arial", QColor::fromRgb(kPanelColour[c]));
    white_.Init(18, true, false, "Arial", QColor(Qt::white));
    rowColour_.fill(kNoColor);
    clock_.Load(AppFile("Graphics/Small Clock.bmp").string(),
                AppFile("Graphics/Small Clock Mask.bmp").string());
    denseClock_ = DensePicture(AppFile("Graphics/Small Clock").string(),
                               QSize(clock_.ImageWidth(), clock_.ImageHeight()), 2);
    denseClock_.setDevicePixelRatio(2);
    if (owner)
        move(owner->mapToGlobal(kOffsetFromOwner));
    FitHeight();
}

void CGameInfoPanel::SetClocksShown(bool shown) {
    clocksShown_ = shown;
    Render();
}

void CGameInfoPanel::AddRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs) {
    if (rowCount_ == kColorCount || !IsColour(colour))
        return;
    rowColour_[rowCount_++] = colour;
    name_[colour] = name;
    timeLeft_[colour] = remainingMs;
    marblesHome_[colour] = 0;
    place_[colour] = 0;
    FitHeight();
    Render();
}

void CGameInfoPanel::Retranslate() {
    setWindowTitle(QCoreApplication::translate("GameInfoPanel", "游戏信息 "));
    update();
}

void CGameInfoPanel::Show() {
    show();
}

void CGameInfoPanel::Close() {
    visible_ = false;
    hide();
}

void CGameInfoPanel::SetCurrent(PlayerColor colour) {
    current_ = colour;
    Render();
}

void CGameInfoPanel::SetClock(PlayerColor colour, uint32_t remainingMs) {
    if (!IsColour(colour) || timeLeft_[colour] == remainingMs)
        return;
    timeLeft_[colour] = remainingMs;
    // A game without clocks shows no times at all.
    if (!clocksShown_ || !IsColour(current_))
        return;
    int row = 0;
    while (row < rowCount_ && rowColour_[row] != current_)
        ++row;
    if (row == rowCount_)
        return;
    const int h = LineHeight();
    const int y = RowTop(row, h);
    const QString name = NameText(name_[current_]);
    const int x = painter_[current_].Width(name) + clock_.ImageWidth() + 30;
    const QRect area(x, y, width(), h);
    QPainter dc(&canvas_);
    dc.fillRect(area, QColor::fromRgb(kBackground));
    white_.DrawIn(dc, AsQString(TimeText(timeLeft_[current_])), area);
    update(area);
}

void CGameInfoPanel::SetPlace(PlayerColor colour, int place) {
    if (IsColour(colour))
        place_[colour] = place;
}

void CGameInfoPanel::SetMarblesHome(PlayerColor colour, int count) {
    if (IsColour(colour))
        marblesHome_[colour] = count;
}

std::string CGameInfoPanel::TimeText(uint32_t remainingMs) {
    return "(" + ClockText(remainingMs, false) + ")";
}

std::string CGameInfoPanel::PlaceText(int place) {
    if (place >= 1 && place <= 5)
        return QCoreApplication::translate("GameInfoPanel", "  完成以第%1名.")
            .arg(place)
            .toStdString();
    return QCoreApplication::translate("GameInfoPanel", "  完成以第6th.").toStdString();
}

std::string CGameInfoPanel::MarblesHomeText(int count) {
    return QCoreApplication::translate("GameInfoPanel", "   弹珠入樽: [%1/10]")
        .arg(count)
        .toStdString();
}

void CGameInfoPanel::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density: draw the picture anew for it.
    if (canvas_.devicePixelRatio() != devicePixelRatioF())
        DrawCanvas();
    QPainter dc(this);
    if (canvas_.devicePixelRatio() == 1)
        dc.drawImage(event->rect(), canvas_, event->rect());
    else
        dc.drawImage(QPoint(0, 0), canvas_);
}

void CGameInfoPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Render();
}

void CGameInfoPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    visible_ = true;
}

void CGameInfoPanel::closeEvent(QCloseEvent* event) {
    // The close box only hides the panel; the game keeps it until the game ends.
    visible_ = false;
    event->accept();
}

void CGameInfoPanel::FitHeight() {
    setFixedSize(kClientWidth, kClientHeight - HeightCut(rowCount_));
}

int CGameInfoPanel::LineHeight() const {
    return painter_[0].Height("A");
}

void CGameInfoPanel::Render() {
    DrawCanvas();
    update();
}

void CGameInfoPanel::DrawCanvas() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (canvas_.size() != pixels || canvas_.devicePixelRatio() != ratio) {
        canvas_ = QImage(pixels, QImage::Format_RGB32);
        canvas_.setDevicePixelRatio(ratio);
    }
    QPainter dc(&canvas_);
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.fillRect(rect(), QColor::fromRgb(kBackground));
    const int h = LineHeight();
    for (int row = 0; row < rowCount_; ++row)
        DrawRow(dc, row, h);
}

void CGameInfoPanel::DrawRow(QPainter& dc, int row, int h) {
    const PlayerColor c = rowColour_[row];
    const int y = RowTop(row, h);
    const int right = width();
    if (c == current_) {
        dc.setPen(Qt::NoPen);
        dc.setBrush(QColor::fromRgb(kPanelColour[c]));
        dc.drawPolygon(QPolygon({QPoint(5, y), QPoint(15, y + 8), QPoint(5, y + 15)}));
    }
    const int w = painter_[c].DrawIn(dc, NameText(name_[c]), 20, y, right, y + h);
    if (clocksShown_) {
        if (canvas_.devicePixelRatio() == 1 || denseClock_.isNull()) {
            clock_.Draw(dc, w + 25, y);
        } else {
            dc.save();
            dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
            dc.drawImage(QRectF(w + 25, y, clock_.ImageWidth(), clock_.ImageHeight()), denseClock_);
            dc.restore();
        }
        white_.DrawIn(dc, AsQString(TimeText(timeLeft_[c])), w + clock_.ImageWidth() + 30, y, right,
                      y + h);
    }
    const std::string second =
        place_[c] != 0 ? PlaceText(place_[c]) : MarblesHomeText(marblesHome_[c]);
    white_.DrawIn(dc, AsQString(second), 35, y + h, right, y + 2 * h);
}

}  // namespace halmora
