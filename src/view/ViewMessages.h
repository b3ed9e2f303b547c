// The message boxes the pictures show when a file cannot be loaded. They go through one settable
// function so that tests can capture them instead of blocking on a modal box.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <string>

namespace halmora {

// The caption of the program's error boxes: the application's title. Translated in the context
// "View", as ApplicationTitle gives it.
inline constexpr char kApplicationTitle[] = QT_TRANSLATE_NOOP("View", "Halmora 汉化版    ");
QString ApplicationTitle();

// A text of the pictures' messages (context "Surface") in the chosen language, as UTF-8.
std::string SurfaceText(const char* text);

using MessageBoxFunction = std::function<void(const std::string& caption, const std::string& text)>;

// Replaces the function that shows message boxes; an empty function restores the QMessageBox.
void SetMessageBoxFunction(MessageBoxFunction show);

// Shows text with an OK button under the application's title. The text is cut to 255 bytes, at a
// character boundary so that the box never shows half a character.
void ShowLoadMessage(const std::string& text);

}  // namespace halmora
