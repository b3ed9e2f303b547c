// The OK and Cancel buttons of the option dialogs, right-aligned in a row, with the object names
// the tests find them by: OK is the default button and accepts, Cancel rejects.
#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;

namespace halmora {

QHBoxLayout* OkCancelRow(QDialog& dialog, const QString& okName, const QString& cancelName);

}  // namespace halmora
