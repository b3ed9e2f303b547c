#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace halmora {
namespace {

struct Installed {
    UiLanguage language = UiLanguage::AsSpecified;
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

std::unique_ptr<QTranslator> Load(const QString& name, const QString& folder, bool& ok) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) {
        ok = false;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

// The texts of the lower layers that the window shows, for the translation tools to find. The
// computers' names have a context of their own, so that a human called "Red" stays "Red".
[[maybe_unused]] constexpr const char* kGameTexts[] = {
    QT_TRANSLATE_NOOP("Game", "Yellow"),
    QT_TRANSLATE_NOOP("Game", "Purple"),
    QT_TRANSLATE_NOOP("Game", "Blue"),
    QT_TRANSLATE_NOOP("Game", "Red"),
    QT_TRANSLATE_NOOP("Game", "Orange"),
    QT_TRANSLATE_NOOP("Game", "Green"),
    QT_TRANSLATE_NOOP("ComputerName", "Novice A.I."),
    QT_TRANSLATE_NOOP("ComputerName", "Average A.I."),
    QT_TRANSLATE_NOOP("ComputerName", "Advanced A.I."),
    QT_TRANSLATE_NOOP("ComputerName", "Expert A.I."),
    QT_TRANSLATE_NOOP("ComputerName", "Master A.I."),
    QT_TRANSLATE_NOOP("Game", "不参与游戏 "),
    QT_TRANSLATE_NOOP("Game", "人类 "),
    QT_TRANSLATE_NOOP("Game", "电脑玩家 初学  "),
    QT_TRANSLATE_NOOP("Game", "电脑玩家 普通   "),
    QT_TRANSLATE_NOOP("Game", "电脑玩家 高级    "),
    QT_TRANSLATE_NOOP("Game", "电脑玩家 专家  "),
    QT_TRANSLATE_NOOP("Game", "电脑玩家 大师  "),
    QT_TRANSLATE_NOOP("Game", "Network"),
};

}  // namespace

UiLanguage LanguageOf(const CSettings& settings) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < kLanguageBytes; ++i)
        value |= uint32_t{settings.Reserved4412[kLanguageByte + i]} << (8 * i);
    switch (value) {
        case 1:
            return UiLanguage::Chinese;
        case 2:
            return UiLanguage::English;
        default:
            return UiLanguage::AsSpecified;
    }
}

void SetLanguage(CSettings& settings, UiLanguage language) {
    const auto value = static_cast<uint32_t>(language);
    for (std::size_t i = 0; i < kLanguageBytes; ++i)
        settings.Reserved4412[kLanguageByte + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool ApplyLanguage(UiLanguage language) {
    Installed& current = Current();
    current.game.reset();  // a translator removes itself from the application when destroyed
    current.qt.reset();
    current.language = language;
    bool ok = true;
    if (language == UiLanguage::Chinese) {
        current.game = Load(QStringLiteral("halmora_zh_CN"), QStringLiteral(":/i18n"), ok);
        current.qt = Load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath), ok);
    } else if (language == UiLanguage::English) {
        current.game = Load(QStringLiteral("halmora_en"), QStringLiteral(":/i18n"), ok);
    }
    return ok;
}

UiLanguage AppliedLanguage() {
    return Current().language;
}

std::string Explained(const char* headline, const std::string& details) {
    if (AppliedLanguage() == UiLanguage::AsSpecified)
        return details;
    return QCoreApplication::translate("Messages", headline).toStdString() + "\n\n" + details;
}

QString GameText(const char* text) {
    return QCoreApplication::translate("Game", text);
}

}  // namespace halmora
