// The application's message boxes and questions. They go through one settable function so that
// tests can answer them instead of blocking on a modal box.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace halmora {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

using MessageFunction = std::function<MessageAnswer(
    QWidget* parent, const std::string& text, const std::string& caption, MessageButtons buttons)>;

// Replaces the function that shows the boxes; an empty function restores the QMessageBox.
void SetMessageFunction(MessageFunction show);

// A box with the given buttons; returns the button the user chose (closing a yes/no box is No).
MessageAnswer ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                             MessageButtons buttons = MessageButtons::Ok);

// A yes/no question: true only for Yes.
bool AskYesNo(QWidget* parent, const std::string& text, const std::string& caption);

}  // namespace halmora
