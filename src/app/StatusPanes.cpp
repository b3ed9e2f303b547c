#include "app/StatusPanes.h"

#include <QFont>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>
#include <string>

#include "board/BoardGeometry.h"
#include "game/Game.h"
#include "platform/TextEncoding.h"

namespace halmora {
namespace {

constexpr int kPaneWidths[3] = {96, 96, 384};
constexpr int kPaneIds[3] = {6771, 6772, 6773};
constexpr char kGameOverText[] = "游戏退出.     ";

// "(Red) Ann", as the turn pane names a player.
QString PlayerText(const CGame& game, PlayerColor colour) {
    const std::string_view name = ColourName(colour);
    const CPlayer* player = game.Seat(colour);
    return QString::fromUtf8("(%1) %2").arg(
        QString::fromUtf8(name.data(), static_cast<int>(name.size())),
        player != nullptr ? QString::fromStdString(GbkNameToUtf8(player->Name())).trimmed()
                          : QString());
}

}  // namespace

void CStatusPanes::Build(QStatusBar& bar) {
    // A compact face keeps "Game Time 00:00" inside 96.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    bar.setFont(font);
    bar_ = &bar;
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(&bar);
        pane->setObjectName(QString("pane%1").arg(kPaneIds[i]));
        pane->setFixedWidth(kPaneWidths[i]);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setIndent(2);
        bar.addWidget(pane);
        panes_[i] = pane;
    }
}

bool CStatusPanes::Show(const CGame& game) {
    Set(0, QString::fromStdString("Game Time " + ClockText(game.GameClock().Get(), true)));
    const int players = std::max(game.Players(), 1);
    Set(1, QString::asprintf("Turns Played: %d", game.MoveCount() / players));
    QString turn;
    if (game.State() == kGameOver) {
        turn = QString::fromUtf8(kGameOverText);
    } else if (const CPlayer* player = game.Current()) {
        const std::string_view colour = ColourName(game.CurrentColour());
        turn = QString::fromUtf8("(%1) %2's turn")
                   .arg(QString::fromUtf8(colour.data(), static_cast<int>(colour.size())),
                        QString::fromStdString(GbkNameToUtf8(player->Name())));
        if (const uint32_t left = game.CurrentClock(); left != 0)
            turn += QString::fromStdString(" - Time Remaining " + ClockText(left, false));
    }
    if (turn == panes_[2]->text())
        return false;
    Set(2, turn);
    return true;
}

void CStatusPanes::ShowResult(const CGame& game) {
    static constexpr const char* kOrdinals[kColorCount] = {"", "2nd", "3rd", "4th", "5th", "6th"};
    int placed = 0;
    for (int i = 0; i < kColorCount; ++i)
        placed += game.PlaceAt(i) != kNoColor ? 1 : 0;
    // Between two players the winner says it all.
    QString text;
    if (game.PlaceAt(0) != kNoColor)
        text = PlayerText(game, game.PlaceAt(0)) + " wins";
    for (int i = 1; i < kColorCount && placed > 2; ++i) {
        if (game.PlaceAt(i) != kNoColor)
            text += QString(" - %1 ").arg(kOrdinals[i]) + PlayerText(game, game.PlaceAt(i));
    }
    bar_->showMessage(text.isEmpty() ? QString::fromUtf8(kGameOverText) : text);
}

void CStatusPanes::Clear() {
    if (bar_ != nullptr)
        bar_->clearMessage();
    for (QLabel* pane : panes_)
        if (pane != nullptr)
            pane->clear();
}

QString CStatusPanes::Text(int pane) const {
    return panes_[pane]->text();
}

void CStatusPanes::Set(int pane, const QString& text) {
    if (panes_[pane]->text() != text)
        panes_[pane]->setText(text);
}

}  // namespace halmora
