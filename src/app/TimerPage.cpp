#include "app/TimerPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "records/Settings.h"

namespace halmora {
namespace {

// The most characters a time box holds and is read from.
constexpr int kMaxTimeText = 7;

// The settings field behind each time box, in the order of the boxes.
template <typename Settings>
auto& TimeField(Settings& settings, std::size_t box) {
    switch (box) {
        case 0:
            return settings.InitialMinutes;
        case 1:
            return settings.InitialSeconds;
        case 2:
            return settings.MoveMinutes;
        default:
            return settings.MoveSeconds;
    }
}

// Reads text as "%d" does: blanks, an optional sign, digits; false when no digit follows. A
// value beyond the int range is clamped to it.
bool ScanInt(const QString& text, int32_t& value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    // Blanks as isspace() knows them.
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= n || text[i] < u'0' || text[i] > u'9')
        return false;
    int64_t magnitude = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            magnitude = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int32_t>(std::clamp<int64_t>(
        signedValue, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    return true;
}

constexpr const char* kNotANumber =
    QT_TRANSLATE_NOOP("TimerPage", "Please give each time as a whole number, in digits only.");
constexpr const char* kNoTime = QT_TRANSLATE_NOOP(
    "TimerPage",
    "With the timer on, the starting time and the time added per move cannot both be 0.");

// A box's whole number of minutes or seconds; none for an empty box or anything but digits (a
// value put in from the settings file may be negative).
std::optional<int64_t> BoxValue(const QLineEdit& edit) {
    const QString text = edit.text();
    if (text.isEmpty())
        return std::nullopt;
    int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

CTimerPage::CTimerPage(QWidget* parent, CAppSettings& settings) : CSettingsPage(parent, settings) {
    auto* grid = new QGridLayout(this);

    useTimer_ = new QCheckBox(QCoreApplication::translate("TimerPage", "使用计时器"), this);
    useTimer_->setObjectName(QStringLiteral("check1006"));
    grid->addWidget(useTimer_, 0, 0, 1, 5);

    constexpr const char* kEditNames[4] = {"edit1007", "edit1040", "edit1041", "edit1042"};
    for (std::size_t box = 0; box < edits_.size(); ++box) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kEditNames[box]));
        edit->setMaxLength(kMaxTimeText);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edits_[box] = edit;
    }
    const auto addRow = [&](int row, const QString& label, QLineEdit* minutes, QLineEdit* seconds) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(minutes, row, 1);
        grid->addWidget(new QLabel(QCoreApplication::translate("TimerPage", "分"), this), row, 2);
        grid->addWidget(seconds, row, 3);
        grid->addWidget(new QLabel(QCoreApplication::translate("TimerPage", "秒"), this), row, 4);
    };
    addRow(1, QCoreApplication::translate("TimerPage", "最初的时间:"), edits_[0], edits_[1]);
    addRow(2, QCoreApplication::translate("TimerPage", "每步移动附加的时间:"), edits_[2],
           edits_[3]);
    grid->setRowStretch(3, 1);

    connect(useTimer_, &QCheckBox::toggled, this, &CTimerPage::TimerClicked);
}

void CTimerPage::Fill(const CSettings& settings) {
    {
        const QSignalBlocker blocker(useTimer_);
        useTimer_->setChecked(settings.UseTimer != 0);
    }
    TimerClicked();
    for (std::size_t box = 0; box < edits_.size(); ++box)
        edits_[box]->setText(QString::number(TimeField(settings, box)));
}

void CTimerPage::TimerClicked() {
    for (QLineEdit* edit : edits_)
        edit->setEnabled(useTimer_->isChecked());
}

QLineEdit* CTimerPage::InvalidTimeBox() const {
    if (!useTimer_->isChecked())
        return nullptr;
    int64_t total = 0;
    for (QLineEdit* edit : edits_) {
        const std::optional<int64_t> value = BoxValue(*edit);
        if (!value)
            return edit;
        total += *value;
    }
    return total == 0 ? edits_[0] : nullptr;
}

const char* CTimerPage::InvalidTimeReason() const {
    for (QLineEdit* edit : edits_)
        if (!BoxValue(*edit))
            return kNotANumber;
    return kNoTime;
}

void CTimerPage::Apply(CSettings& settings) const {
    settings.UseTimer = useTimer_->isChecked() ? 1 : 0;
    for (std::size_t box = 0; box < edits_.size(); ++box)
        ScanInt(edits_[box]->text().left(kMaxTimeText), TimeField(settings, box));
}

}  // namespace halmora
