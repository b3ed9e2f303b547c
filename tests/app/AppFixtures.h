// Helpers for the application tests: message boxes answered by script, a temporary application
// folder, modal dialogs driven from a timer while they run, clicks on named controls, and the
// files as they are on disk.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/AppSettings.h"
#include "app/MessageBoxes.h"
#include "platform/AppFolder.h"
#include "records/Settings.h"
#include "support/TempFolder.h"
#include "view/ViewMessages.h"

namespace halmora::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageButtons buttons;
};

// Records every message box and question while it lives. Questions take the next scripted
// answer, or `defaultAnswer` when the script is used up.
class MessageScript {
public:
    MessageScript() {
        SetMessageFunction([this](QWidget*, const std::string& text, const std::string& caption,
                                  MessageButtons buttons) {
            shown.push_back({text, caption, buttons});
            if (buttons == MessageButtons::Ok)
                return MessageAnswer::Ok;
            if (answers.empty())
                return defaultAnswer;
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
        SetMessageBoxFunction([this](const std::string& caption, const std::string& text) {
            shown.push_back({text, caption, MessageButtons::Ok});
        });
    }
    ~MessageScript() {
        SetMessageFunction(nullptr);
        SetMessageBoxFunction(nullptr);
    }
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
    MessageAnswer defaultAnswer = MessageAnswer::No;
};

// The settings as the file holds them now, for a dialog under test, as the program reads them at
// start. Every call reads the file again into the same record.
inline CAppSettings& FileSettings() {
    static CAppSettings settings;
    settings = CAppSettings{};
    settings.Open();
    return settings;
}

// The settings as the file holds them now.
inline CSettings Saved() {
    CSettings settings;
    settings.Load();
    return settings;
}

inline std::vector<char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Clicks the named control: a button in its middle, a check box or radio button on its box,
// whatever width the layout gives it.
inline void Click(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    const bool box = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      box ? QPoint(8, widget->height() / 2) : widget->rect().center());
}

// Makes the game's pictures, sounds and wallpapers of the build visible in a test's application
// folder, without copying them.
inline void LinkGameFiles(const std::filesystem::path& folder) {
    for (const char* part : {"Graphics", "Resources", "Sounds", "Wallpapers"}) {
        const std::filesystem::path from = std::filesystem::path(HALMORA_GAMEFILES) / part;
        std::error_code ec;
        if (std::filesystem::exists(from, ec))
            std::filesystem::create_directory_symlink(from, folder / part, ec);
    }
}

// Runs `step` on the next modal dialog of type T once it is showing (the caller then starts the
// code that opens it). The step must close the dialog, e.g. with accept() or reject().
template <typename T>
void WhenModalShows(std::function<void(T&)> step, int attempts = 200) {
    QTimer::singleShot(0, [step = std::move(step), attempts]() {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            step(*dialog);
            return;
        }
        if (attempts > 0)
            WhenModalShows<T>(step, attempts - 1);
    });
}

}  // namespace halmora::testing
