#include "app/PlayerPickerDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/MessageBoxes.h"
#include "app/PlayerNameDialog.h"
#include "game/Player.h"
#include "platform/TextEncoding.h"
#include "records/StatsDatabase.h"

namespace halmora {
namespace {

QString Prompt() {
    return QCoreApplication::translate("PlayerPickerDialog",
                                       "请选择一个玩家名字指定控制当前颜色棋子, 或按下 ") +
           u'"' + QCoreApplication::translate("PlayerPickerDialog", " 新的玩家 ") + u'"' +
           QCoreApplication::translate("PlayerPickerDialog", " 输入一个新的玩家名字。") +
           QString(36, u' ');
}

constexpr const char* kNoName = QT_TRANSLATE_NOOP(
    "PlayerPickerDialog", "    请创建一个新的玩家或者选择一个现有的玩家            ");
constexpr const char* kNameCaption = QT_TRANSLATE_NOOP("PlayerPickerDialog", "玩家名字   ");

QString ShownName(std::string_view gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

void SetName(GbkName& field, std::string_view gbk) {
    field.fill(0);
    // The field keeps its terminating zero.
    std::copy_n(gbk.begin(), std::min(gbk.size(), field.size() - 1), field.begin());
}

}  // namespace

CPlayerPickerDialog::CPlayerPickerDialog(QWidget* parent, CAppSettings& settings, PlayerColor seat)
    : QDialog(parent), settings_(settings), seat_(std::clamp(seat, 0, kColorCount - 1)) {
    painter_.Init(14, false, false, QStringLiteral("Arial"), Qt::black);
    StatsDatabase stats;
    stats.Load();
    // The database holds the players in the reverse of the file's order.
    for (int32_t i = stats.Count() - 1; i >= 0; --i)
        statsNames_.emplace_back(stats.Entry(i).Name());

    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("combo1085"));
    for (const std::string& name : statsNames_)
        if (!TakenByLowerSeat(name))
            names_->addItem(ShownName(name), QByteArray::fromStdString(name));
    names_->setMaxVisibleItems(std::max(10, names_->count()));

    // The name last used at this seat, if it is still there to pick; otherwise no choice yet.
    const QString current = ShownName(GbkNameBytes(settings_->PlayerName[seat_]));
    names_->setCurrentIndex(current.isEmpty() ? -1
                                              : names_->findText(current, Qt::MatchStartsWith));

    auto* ok = new QPushButton(QCoreApplication::translate("PlayerPickerDialog", "确定"), this);
    ok->setObjectName(QStringLiteral("button1086"));
    ok->setDefault(true);
    auto* newPlayer =
        new QPushButton(QCoreApplication::translate("PlayerPickerDialog", "新的玩家"), this);
    newPlayer->setObjectName(QStringLiteral("button1087"));
    connect(ok, &QPushButton::clicked, this, &CPlayerPickerDialog::Ok);
    connect(newPlayer, &QPushButton::clicked, this, &CPlayerPickerDialog::NewPlayer);

    // The prompt is painted above the controls, in (10, 10)-(275, 60).
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 65, 10, 10);
    layout->addWidget(names_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(newPlayer);
    layout->addLayout(buttons);
    setMinimumWidth(285);

    setWindowTitle(QCoreApplication::translate("PlayerPickerDialog", "当前玩家的名字  "));
}

int CPlayerPickerDialog::exec() {
    if (statsNames_.empty()) {
        NewPlayer();
        return result();
    }
    return QDialog::exec();
}

void CPlayerPickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Shown without exec(): ask for the name once the picker is up.
    if (statsNames_.empty() && !newPlayerStarted_) {
        newPlayerStarted_ = true;
        QTimer::singleShot(0, this, &CPlayerPickerDialog::NewPlayer);
    }
}

void CPlayerPickerDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter dc(this);
    painter_.DrawIn(dc, Prompt(), 10, 10, 275, 60);
}

bool CPlayerPickerDialog::TakenByLowerSeat(std::string_view name) const {
    for (PlayerColor other = 0; other < seat_; ++other)
        if (settings_->PlayerType[other] == kSeatHuman &&
            GbkNameBytes(settings_->PlayerName[other]) == name)
            return true;
    return false;
}

bool CPlayerPickerDialog::InStatistics(std::string_view name) const {
    return std::find(statsNames_.begin(), statsNames_.end(), name) != statsNames_.end();
}

void CPlayerPickerDialog::Ok() {
    const int index = names_->currentIndex();
    const std::string name =
        index < 0 ? std::string() : names_->itemData(index).toByteArray().toStdString();
    if (name.empty() || TakenByLowerSeat(name) || !InStatistics(name)) {
        ShowMessageBox(
            this, QCoreApplication::translate("PlayerPickerDialog", kNoName).toStdString(),
            QCoreApplication::translate("PlayerPickerDialog", kNameCaption).toStdString());
        return;
    }
    // The name shown is the name kept, also when it was only preselected on opening.
    settings_.Change([&](CSettings& s) { SetName(s.PlayerName[seat_], name); });
    accept();
}

void CPlayerPickerDialog::NewPlayer() {
    newPlayerStarted_ = true;
    CPlayerNameDialog dialog(isVisible() ? this : parentWidget(), settings_, seat_);
    const int answer = dialog.exec();
    done(answer == QDialog::Accepted ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace halmora
