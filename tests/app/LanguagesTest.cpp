// The language choice: where it is kept, what each choice shows, and the translation files against
// the code (every text the code sends through the translators has a finished translation in
// Chinese and in English, and the files hold no text the code has lost).
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <QToolButton>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/AppFixtures.h"
#include "app/CommandIds.h"
#include "app/FileDialog.h"
#include "app/GameToolBar.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using TextKey = std::pair<QString, QString>;  // context, source text

// Each text of a .ts file with its translation, or "(unfinished)" for one not done.
std::map<TextKey, QString> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::map<TextKey, QString> texts;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            const QString text = xml.readElementText();
            texts[{context, source}] = unfinished ? QStringLiteral("(unfinished)") : text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return texts;
}

TEST(TranslationsTest, EveryTextOfTheCodeHasAFinishedTranslationInBothLanguages) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString root = QStringLiteral(HALMORA_SOURCE_DIR);
    const QString fromCode = scratch.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(HALMORA_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   root + QStringLiteral("/src/app"), root + QStringLiteral("/src/view"),
                   QStringLiteral("-ts"), fromCode});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    std::set<TextKey> code;
    for (const auto& [key, unused] : ReadTs(fromCode))
        code.insert(key);
    ASSERT_GT(code.size(), 50u);

    for (const char* language : {"zh_CN", "en"}) {
        const std::map<TextKey, QString> file =
            ReadTs(root + QStringLiteral("/translations/halmora_%1.ts").arg(language));
        for (const TextKey& key : code) {
            const auto it = file.find(key);
            const std::string name = (key.first + " / \"" + key.second + "\"").toStdString();
            if (it == file.end())
                ADD_FAILURE() << language << ": no translation of " << name;
            else if (it->second.isEmpty() || it->second == u"(unfinished)")
                ADD_FAILURE() << language << ": unfinished translation of " << name;
        }
        for (const auto& [key, unused] : file)
            EXPECT_TRUE(code.count(key))
                << language << ": text no longer in the code: " << key.second.toStdString();
    }
}

std::vector<char> SettingsBytes() {
    std::ifstream in(AppFile("Data/Settings.dat"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LanguagesTest, TheChoiceTakesBytes4412To4415AndSetsEveryShownTextAnew) {
    testing::ScopedFakeTicks ticks{100000};
    testing::AppFolderScope folder{"halmora-languages"};
    testing::LinkGameFiles(folder.Path());
    testing::MessageScript messages;
    CSettings old;  // as older versions wrote it: the reserved bytes carried through
    old.Reserved4412.fill(0x5A);
    ASSERT_TRUE(old.Save());
    const std::vector<char> before = SettingsBytes();

    CAppSettings settings;
    auto window = std::make_unique<CMainWindow>(settings);
    window->CreateControls();
    const auto shown = [&] {
        return std::vector<QString>{window->menuBar()->actions()[0]->text(),
                                    window->MenuAction(kCmdPause)->text(),
                                    window->ToolBar()->ButtonOf(kCmdNewGame)->text(),
                                    window->ToolBar()->ButtonOf(kCmdUndo)->text(),
                                    window->FootButton(kCmdQuitGame)->text(),
                                    QCoreApplication::translate("QPlatformTheme", "Cancel")};
    };
    // Nothing the old file holds there names a language: the texts as they have always been.
    EXPECT_TRUE(window->MenuAction(kCmdLanguageAsSpecified)->isChecked());
    const std::vector<QString> mixed = {"游戏(&G)", "暂停游戏      ", "New",
                                        "撤销",     "退出游戏",       "Cancel"};
    EXPECT_EQ(shown(), mixed);

    struct Step {
        int command;
        uint8_t stored;
        std::vector<QString> texts;
    };
    const Step steps[] = {
        {kCmdLanguageEnglish, 2, {"&Game", "&Pause Game", "New", "Undo", "Quit Game", "Cancel"}},
        {kCmdLanguageChinese,
         1,
         {"游戏(&G)", "暂停游戏(&P)", "新游戏", "撤销", "退出游戏", "取消"}},
        {kCmdLanguageAsSpecified, 0, mixed},
    };
    for (const Step& step : steps) {
        window->MenuAction(step.command)->trigger();
        EXPECT_EQ(shown(), step.texts) << step.command;
        EXPECT_TRUE(window->MenuAction(step.command)->isChecked());
        std::vector<char> expected = before;
        for (std::size_t i = 4412; i < 4416; ++i)
            expected[i] = static_cast<char>(i == 4412 ? step.stored : 0);
        EXPECT_EQ(SettingsBytes(), expected) << step.command;
    }

    // A message whose details have no translation gets a translated first line, and only then.
    SetFileDialogFunction([](QWidget*, bool) { return std::optional<std::string>("none.hlm"); });
    for (const auto& [command, headline] :
         {std::pair{kCmdLanguageChinese, "无法打开这个游戏。\n\n"},
          std::pair{kCmdLanguageAsSpecified, ""}}) {
        window->MenuAction(command)->trigger();
        window->Command(kCmdOpenGame);
        ASSERT_FALSE(messages.shown.empty());
        const std::string text = messages.shown.back().text;
        EXPECT_EQ(text.rfind(headline, 0), 0u) << text;
        EXPECT_NE(text.find("none.hlm"), std::string::npos) << text;
    }
    SetFileDialogFunction(nullptr);
    messages.shown.clear();

    // The next start shows the language kept.
    window->MenuAction(kCmdLanguageEnglish)->trigger();
    window.reset();
    ApplyLanguage(UiLanguage::AsSpecified);
    CAppSettings reread;
    window = std::make_unique<CMainWindow>(reread);
    window->CreateControls();
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), QStringLiteral("&Game"));
    window.reset();
    ApplyLanguage(UiLanguage::AsSpecified);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace halmora
