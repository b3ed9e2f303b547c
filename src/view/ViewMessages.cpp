#include "view/ViewMessages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include <cstddef>
#include <utility>
#include "platform/Replaceable.h"

namespace halmora {
namespace {

// The longest text shown: what fits a 256-byte buffer with its terminator.
constexpr std::size_t kMessageBytes = 255;

void ShowQtMessageBox(const std::string& caption, const std::string& text) {
    // Only an OK button and no icon: the text says all there is to say.
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

Replaceable<MessageBoxFunction>& Current() {
    static Replaceable<MessageBoxFunction> show(ShowQtMessageBox);
    return show;
}

std::string CutToFit(const std::string& text) {
    if (text.size() <= kMessageBytes)
        return text;
    std::size_t end = kMessageBytes;
    // Step back over UTF-8 continuation bytes to the start of the character that does not fit.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

}  // namespace

QString ApplicationTitle() {
    return QCoreApplication::translate("View", kApplicationTitle);
}

std::string SurfaceText(const char* text) {
    return QCoreApplication::translate("Surface", text).toStdString();
}

void SetMessageBoxFunction(MessageBoxFunction show) {
    Current().Set(std::move(show));
}

void ShowLoadMessage(const std::string& text) {
    Current()(ApplicationTitle().toStdString(), CutToFit(text));
}

}  // namespace halmora
