#include "app/SoundPlayer.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include <filesystem>
#include <map>
#include <utility>

#include "platform/AppFolder.h"
#include "platform/Replaceable.h"

namespace halmora {
namespace {

// One effect per sound lives for the whole run: a sound may outlast whatever started it, and a
// second request for the same sound restarts it instead of piling up players.
void PlayWithQt(const std::string& relativePath) {
    const std::filesystem::path file = AppFile(relativePath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return;
    static std::map<std::string, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[relativePath];
    if (effect == nullptr) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    }
    effect->play();
}

Replaceable<SoundFunction>& Current() {
    static Replaceable<SoundFunction> play(PlayWithQt);
    return play;
}

}  // namespace

void SetSoundFunction(SoundFunction play) {
    Current().Set(std::move(play));
}

void PlayGameSound(const std::string& relativePath) {
    Current()(relativePath);
}

}  // namespace halmora
