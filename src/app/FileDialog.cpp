#include "app/FileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <system_error>
#include <utility>

#include "platform/AppFolder.h"
#include "platform/Replaceable.h"

namespace halmora {
namespace {

std::optional<std::string> AskPathWithQt(QWidget* parent, bool save) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(QCoreApplication::translate("FileDialog", "Halmora Files (*.hlm)"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("hlm"));
        dialog.selectFile(QStringLiteral("Save1"));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
    }
    dialog.setDirectory(QString::fromStdString(SavedGamesFolder().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

Replaceable<FileDialogFunction>& FileDialog() {
    static Replaceable<FileDialogFunction> ask(AskPathWithQt);
    return ask;
}

}  // namespace

void SetFileDialogFunction(FileDialogFunction ask) {
    FileDialog().Set(std::move(ask));
}

std::optional<std::string> AskSavedGamePath(QWidget* parent, bool save) {
    return FileDialog()(parent, save);
}

std::filesystem::path SavedGamesFolder() {
    const std::filesystem::path folder = AppFile("Saved games");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec) ? folder : ApplicationFolder();
}

}  // namespace halmora
