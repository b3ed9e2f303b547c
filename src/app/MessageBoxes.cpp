#include "app/MessageBoxes.h"

#include <QMessageBox>
#include <QString>

#include <utility>
#include "platform/Replaceable.h"

namespace halmora {
namespace {

MessageAnswer ShowQtMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                               MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNo;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int chosen = box.exec();
    if (!question)
        return MessageAnswer::Ok;
    return chosen == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

Replaceable<MessageFunction>& Current() {
    static Replaceable<MessageFunction> show(ShowQtMessageBox);
    return show;
}

}  // namespace

void SetMessageFunction(MessageFunction show) {
    Current().Set(std::move(show));
}

MessageAnswer ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                             MessageButtons buttons) {
    return Current()(parent, text, caption, buttons);
}

bool AskYesNo(QWidget* parent, const std::string& text, const std::string& caption) {
    return ShowMessageBox(parent, text, caption, MessageButtons::YesNo) == MessageAnswer::Yes;
}

}  // namespace halmora
