#include "app/StartupScreen.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "app/CommandIds.h"
#include "app/HelpLinks.h"
#include "app/Version.h"
#include "view/TextPainter.h"

namespace halmora {
namespace {

struct Choice {
    const char* label;
    int left, top, right, bottom;
    const char* description;
    int descriptionTop, descriptionBottom;
    int command;  // 0: the update page
};

constexpr Choice kChoices[CStartupScreen::kLabelCount] = {
    {QT_TRANSLATE_NOOP("StartupScreen", "开始一个新的游戏"), 145, 90, 290, 110,
     QT_TRANSLATE_NOOP("StartupScreen", "启动这新的游戏配置窗口。         "), 110, 130,
     kCmdNewGame},
    {QT_TRANSLATE_NOOP("StartupScreen", "继续一个保存的游戏 "), 145, 140, 330, 160,
     QT_TRANSLATE_NOOP("StartupScreen", "从一个*.hlm 文件继续先前保存的游戏。             "), 160,
     180, kCmdOpenGame},
    {QT_TRANSLATE_NOOP("StartupScreen", "查看统计信息   "), 145, 190, 265, 210,
     QT_TRANSLATE_NOOP("StartupScreen", "详细查看你最近的游戏统计信息。                 "), 210,
     230, kCmdViewStatistics},
    {QT_TRANSLATE_NOOP("StartupScreen", "更改我的精美壁纸图片 "), 145, 240, 335, 260,
     QT_TRANSLATE_NOOP("StartupScreen",
                       "改变这背景壁纸到另一个图像或颜色。                        "),
     260, 280, kCmdChooseWallpaper},
    {QT_TRANSLATE_NOOP("StartupScreen", "检查游戏更新内容 "), 145, 290, 290, 310,
     QT_TRANSLATE_NOOP("StartupScreen",
                       "在线检查新的游戏升级，请确定你首先被连接到英特网。                         "
                       "                 "
                       " "),
     310, 350, 0},
};

constexpr int kWidth = 600;
constexpr int kHeight = 460;

}  // namespace

CStartupScreen::CStartupScreen(QWidget* parent, const QCursor& hand) : QDialog(parent) {
    setObjectName("dialog166");
    setWindowTitle(QString::fromUtf8("Halmora"));
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    for (int i = 0; i < kLabelCount; ++i) {
        const Choice& c = kChoices[i];
        const QString label = QCoreApplication::translate("StartupScreen", c.label);
        QRect area(c.left, c.top, c.right - c.left, c.bottom - c.top);
        // A translated label may need more room than the original's place gives it.
        if (label != QString::fromUtf8(c.label)) {
            CTextPainter font;
            font.Init(20, true, true, QStringLiteral("Arial"), Qt::blue, 0);
            area.setWidth(
                std::max(area.width(), QFontMetrics(font.Font()).horizontalAdvance(label) + 4));
        }
        labels_[i].Set(area, label, QString());
        labels_[i].SetFont(20, true);
        labels_[i].SetCursorOwner(this, hand);
    }
}

void CStartupScreen::paintEvent(QPaintEvent*) {
    QPainter dc(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0.0, QColor(250, 246, 236));
    ground.setColorAt(1.0, QColor(222, 232, 246));
    dc.fillRect(rect(), ground);

    // A small star of six marbles at the left, in the board's colours.
    const QColor marbles[6] = {QColor(232, 53, 34),  QColor(255, 134, 53), QColor(60, 217, 23),
                               QColor(255, 241, 15), QColor(183, 91, 221), QColor(59, 45, 237)};
    dc.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < kLabelCount; ++i) {
        const int y = kChoices[i].top + 10;
        QRadialGradient shine(QPointF(68, y - 4), 14);
        shine.setColorAt(0.0, Qt::white);
        shine.setColorAt(0.35, marbles[i]);
        shine.setColorAt(1.0, marbles[i].darker(170));
        dc.setPen(Qt::NoPen);
        dc.setBrush(shine);
        dc.drawEllipse(QPointF(72, y), 12, 12);
    }
    dc.setRenderHint(QPainter::Antialiasing, false);

    CTextPainter title;
    title.Init(28, true, false, QStringLiteral("Arial"), QColor(40, 52, 90), 0);
    title.DrawIn(dc, QStringLiteral("Halmora"), 145, 30, width() - 20, 70);

    for (const CLinkLabel& label : labels_)
        label.Draw(dc);
    CTextPainter description;
    description.Init(13, false, false, QStringLiteral("Arial"), QColor(60, 60, 60), 0);
    const int r = width();
    for (const Choice& c : kChoices)
        description.DrawIn(dc, QCoreApplication::translate("StartupScreen", c.description), 145,
                           c.descriptionTop, r - 20, c.descriptionBottom);
    const int b = height();
    CTextPainter version;
    version.Init(14, false, false, QStringLiteral("Arial"), QColor(90, 90, 90), 0);
    version.DrawIn(
        dc,
        QCoreApplication::translate("StartupScreen", "Version ") + QString::fromUtf8(kVersionText),
        35, b - 75, 350, b - 55);
}

void CStartupScreen::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    for (CLinkLabel& label : labels_)
        label.MouseMove(p.x(), p.y());
}

void CStartupScreen::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    for (int i = 0; i < kLabelCount; ++i) {
        const bool wasPressed = labels_[i].Pressed();
        if (!labels_[i].Press(p.x(), p.y(), false) || wasPressed)
            continue;
        if (kChoices[i].command == 0) {
            // The help window belongs to the main window: it stays when this screen closes.
            OpenUpdatePage(parentWidget() != nullptr ? parentWidget() : this);
        } else {
            chosen_ = kChoices[i].command;
            accept();
            return;
        }
    }
}

void CStartupScreen::mouseReleaseEvent(QMouseEvent*) {
    for (CLinkLabel& label : labels_)
        label.Release();
}

}  // namespace halmora
