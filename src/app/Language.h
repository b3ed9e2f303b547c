// The language of the interface. The game's own texts are a mix of Chinese and English; the
// player may keep them so (the default), or have every text in Simplified Chinese or in English,
// Qt's own buttons and dialogs included. The choice lives in the settings file's reserved bytes
// 4412..4415, a little-endian number where every older file holds 0, the mixed texts.
//
// Texts are written in the code as the game has always shown them and go through Qt's
// translators (tr, QCoreApplication::translate); the mixed choice installs none.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "records/Settings.h"

namespace halmora {

enum class UiLanguage : int32_t { AsSpecified = 0, Chinese = 1, English = 2 };

// The offset of the choice inside CSettings::Reserved4412, and its size.
inline constexpr std::size_t kLanguageByte = 0;
inline constexpr std::size_t kLanguageBytes = 4;

// A value that names no language reads as the mixed texts and is kept until the player chooses.
UiLanguage LanguageOf(const CSettings& settings);
void SetLanguage(CSettings& settings, UiLanguage language);

// Installs the translators of the language into the application (none for the mixed texts),
// replacing those of an earlier choice. False when a translation could not be loaded; the texts
// then stay untranslated. Widgets already shown keep their texts until they are set again.
bool ApplyLanguage(UiLanguage language);
UiLanguage AppliedLanguage();

// A text of a lower layer (names of colours and computers, messages of the game), which cannot
// use Qt, translated in the context "Game".
QString GameText(const char* text);

// A message of a lower layer whose details (paths, the system's reasons, what is wrong inside a
// file) have no translation: in a chosen language it gets a translated first line, `headline`
// (context "Messages"); with the mixed texts it stays as it is.
std::string Explained(const char* headline, const std::string& details);

}  // namespace halmora
