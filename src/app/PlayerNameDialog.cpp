#include "app/PlayerNameDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

#include "app/MessageBoxes.h"
#include "platform/TextEncoding.h"

namespace halmora {
namespace {

QString Prompt() {
    return QCoreApplication::translate("PlayerNameDialog",
                                       "请进入一个新的玩家名字指定控制那当前颜色棋子。") +
           QString(22, u' ');
}

constexpr const char* kEmptyName =
    QT_TRANSLATE_NOOP("PlayerNameDialog", " 请为这个玩家输入一个名字          .");
constexpr const char* kNameCaption = QT_TRANSLATE_NOOP("PlayerNameDialog", "玩家名字   ");

// Counts characters as the user sees them, so that a character made of two UTF-16 units or of
// several code points counts once.
int VisibleCharacters(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

// Refuses an edit that would make the text longer than the limit, as a limited edit box does.
class VisibleLengthValidator : public QValidator {
public:
    VisibleLengthValidator(int maximum, QObject* parent) : QValidator(parent), maximum_(maximum) {}

    State validate(QString& input, int&) const override {
        return VisibleCharacters(input) <= maximum_ ? Acceptable : Invalid;
    }

private:
    int maximum_;
};

}  // namespace

CPlayerNameDialog::CPlayerNameDialog(QWidget* parent, CAppSettings& settings, PlayerColor seat)
    : QDialog(parent), settings_(settings), seat_(std::clamp(seat, 0, kColorCount - 1)) {
    painter_.Init(14, false, false, QStringLiteral("Arial"), Qt::black);
    setWindowTitle(QCoreApplication::translate("PlayerNameDialog", " 输入当前玩家的名字   "));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("edit1087"));
    edit_->setValidator(new VisibleLengthValidator(kMaxPlayerNameCharacters, edit_));
    auto* ok = new QPushButton(QCoreApplication::translate("PlayerNameDialog", "确定"), this);
    ok->setObjectName(QStringLiteral("button1088"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CPlayerNameDialog::Ok);
    // Cancel, like Escape and the close box, saves nothing and ends the new game's set-up.
    auto* cancel = new QPushButton(QCoreApplication::translate("PlayerNameDialog", "取消"), this);
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The prompt is painted above the controls, in (10, 10)-(250, 60).
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 65, 10, 10);
    row->addWidget(edit_, 1);
    row->addWidget(ok);
    row->addWidget(cancel);
    setMinimumWidth(320);

    edit_->setFocus();
}

void CPlayerNameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edit_->setFocus();
}

void CPlayerNameDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter dc(this);
    painter_.DrawIn(dc, Prompt(), 10, 10, 250, 60);
}

void CPlayerNameDialog::Ok() {
    const QString name = edit_->text();
    // A name of blanks alone shows as no name at all.
    if (name.trimmed().isEmpty()) {
        ShowMessageBox(this,
                       QCoreApplication::translate("PlayerNameDialog", kEmptyName).toStdString(),
                       QCoreApplication::translate("PlayerNameDialog", kNameCaption).toStdString());
        return;
    }
    // Cut at a character boundary so that the zero still fits the field.
    settings_.Change([&](CSettings& s) { StoreGbkName(name.toStdString(), s.PlayerName[seat_]); });
    accept();
}

}  // namespace halmora
