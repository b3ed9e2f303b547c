#include "app/InterruptedGame.h"

#include <QCoreApplication>

#include <ctime>
#include <system_error>

#include "app/MessageBoxes.h"
#include "game/Game.h"
#include "platform/AppFolder.h"
#include "view/ViewMessages.h"

namespace halmora {

std::filesystem::path InterruptedGameFile() {
    return AppFile("Interrupted Game.hlm");
}

bool KeepInterruptedGame(CGame& game, std::string& error) {
    CGameBoard& board = *game.Board();
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            board.Hole(col, row).marbleHidden = 0;
    return game.Save(InterruptedGameFile(), error);
}

bool OfferInterruptedGame(QWidget* parent, const std::function<bool(const std::string&)>& open) {
    const std::filesystem::path path = InterruptedGameFile();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    char stamp[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr)
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string keptName = std::string("Interrupted Game ") + stamp + ".hlm";
    const std::string question =
        QCoreApplication::translate("InterruptedGame",
                                    "A game was still in progress when the session ended last "
                                    "time, and was kept. Continue it now?\n\nIf not, it stays in "
                                    "the game folder as \"%1\", for Open Game.")
            .arg(QString::fromStdString(keptName))
            .toStdString();
    if (AskYesNo(parent, question, ApplicationTitle().toStdString()) && open(path.string())) {
        std::filesystem::remove(path, ec);
        return true;
    }
    std::filesystem::rename(path, path.parent_path() / keptName, ec);
    return false;
}

}  // namespace halmora
