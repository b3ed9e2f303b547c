// The help and web-link commands: the section of the help page each one shows in the game's help
// window, the anchors those sections need in the generated page, which links leave for the
// desktop, and what the user sees when the page is missing or the desktop cannot open a link.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "AppFixtures.h"
#include "app/HelpLinks.h"
#include "app/HelpWindow.h"
#include "app/Language.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::MessageScript;

// Captures the URLs asked of the desktop while it lives, answering with `accept`.
class CapturedUrls {
public:
    explicit CapturedUrls(bool accept = true) {
        SetUrlOpener([this, accept](const QUrl& url) {
            urls.push_back(url);
            return accept;
        });
    }
    ~CapturedUrls() { SetUrlOpener(nullptr); }
    CapturedUrls(const CapturedUrls&) = delete;
    CapturedUrls& operator=(const CapturedUrls&) = delete;

    std::vector<QUrl> urls;
};

// The pages the game ships, in the test's game folder.
void CopyGeneratedHelpFile(const std::filesystem::path& folder) {
    for (const char* page : {"hlmhelp.html", "hlmhelp-en.html"}) {
        std::filesystem::copy_file(std::filesystem::path(HALMORA_GAMEFILES) / "Data" / page,
                                   folder / "Data" / page,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Command {
    const char* name;
    std::function<void(QWidget*)> run;
    const char* fragment;  // empty: the page without an anchor
};

std::vector<Command> AllCommands() {
    return {
        {"help", [](QWidget* w) { OpenHelp(w); }, ""},
        {"how to play", [](QWidget* w) { OpenHelpTopic(w, kHowToPlayTopic); }, "how-to-play"},
        {"game history", [](QWidget* w) { OpenHelpTopic(w, kGameHistoryTopic); }, "history"},
        {"online support", [](QWidget* w) { OpenOnlineSupport(w); }, "support"},
        {"website", [](QWidget* w) { OpenWebsite(w); }, "about"},
        {"update page", [](QWidget* w) { OpenUpdatePage(w); }, "updates"},
    };
}

TEST(HelpLinksTest, EachCommandShowsItsSectionInTheHelpWindowWithoutABrowser) {
    AppFolderScope folder("halmora-help-open");
    CopyGeneratedHelpFile(folder.Path());
    const QUrl page = QUrl::fromLocalFile(
        QString::fromStdString((folder.Path() / "Data" / "hlmhelp.html").string()));
    MessageScript messages;
    CapturedUrls desktop(false);  // a desktop without a browser
    QWidget game;
    game.show();

    std::vector<int> scrolled;
    for (const Command& command : AllCommands()) {
        command.run(&game);
        auto* help = game.findChild<CHelpWindow*>();
        ASSERT_NE(help, nullptr) << command.name;
        EXPECT_TRUE(help->isVisible()) << command.name;
        EXPECT_EQ(help->Source().adjusted(QUrl::RemoveFragment), page) << command.name;
        EXPECT_EQ(help->Source().fragment().toStdString(), command.fragment) << command.name;
        scrolled.push_back(help->Browser()->verticalScrollBar()->value());
    }
    // One window, scrolled to each section in turn: the page's top, then lower and lower.
    EXPECT_EQ(game.findChildren<CHelpWindow*>().size(), 1);
    EXPECT_EQ(scrolled[0], 0);
    EXPECT_LT(scrolled[1], scrolled[2]);
    EXPECT_LT(scrolled[2], scrolled[3]);
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(HelpLinksTest, OnlyLinksToOutsideAddressesLeaveTheHelpWindow) {
    AppFolderScope folder("halmora-help-links");
    CopyGeneratedHelpFile(folder.Path());
    MessageScript messages;
    CapturedUrls desktop;
    QWidget game;
    OpenHelp(&game);
    CHelpWindow& help = *game.findChild<CHelpWindow*>();
    const QUrl page = help.Source();

    struct Link {
        const char* href;
        const char* desktopGets;  // empty: stays in the help window
        const char* fragmentShown;
    };
    const Link links[] = {
        {"#history", "", "history"},
        {"https://example.org/x", "https://example.org/x", "history"},
        {"mailto:help@example.org", "mailto:help@example.org", "history"},
        {"ftp://example.org/", "", "history"},
        {"#support", "", "support"},
    };
    for (const Link& link : links) {
        desktop.urls.clear();
        help.FollowLink(QUrl(QString::fromUtf8(link.href)));
        EXPECT_EQ(desktop.urls.empty() ? std::string() : desktop.urls[0].toString().toStdString(),
                  link.desktopGets)
            << link.href;
        EXPECT_EQ(help.Source().fragment().toStdString(), link.fragmentShown) << link.href;
    }
    help.Browser()->backward();
    EXPECT_EQ(help.Source().fragment().toStdString(), "history");
    help.Browser()->backward();
    EXPECT_EQ(help.Source(), page);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(HelpLinksTest, GeneratedHelpPagesHaveEveryAnchorTheCommandsUse) {
    AppFolderScope folder("halmora-help-anchors");
    const std::vector<QUrl> urls = {HelpTopicUrl(kHowToPlayTopic), HelpTopicUrl(kGameHistoryTopic),
                                    SupportPageUrl(), WebsiteUrl(), UpdatePageUrl()};
    for (const char* page : {"hlmhelp.html", "hlmhelp-en.html"}) {
        const std::filesystem::path file = std::filesystem::path(HALMORA_GAMEFILES) / "Data" / page;
        ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
        const std::string html = ReadFile(file);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page;
        const QString text = QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()));
        EXPECT_TRUE(text.toUtf8().toStdString() == html) << page << " is not valid UTF-8";
        for (const QUrl& url : urls) {
            const std::string anchor = "id=\"" + url.fragment().toStdString() + "\"";
            ASSERT_TRUE(url.hasFragment()) << url.toString().toStdString();
            EXPECT_NE(html.find(anchor), std::string::npos) << page << " " << anchor;
            // One section per anchor: a second one would make the browser's choice arbitrary.
            EXPECT_EQ(html.find(anchor), html.rfind(anchor)) << page << " " << anchor;
        }
        // The English page is whole: not one Chinese character left in it.
        if (std::string(page) == "hlmhelp-en.html") {
            for (const QChar c : text)
                ASSERT_FALSE(c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF)
                    << QString(c).toStdString();
        }
    }
}

TEST(HelpLinksTest, TheEnglishInterfaceShowsTheEnglishPageWhileItIsThere) {
    AppFolderScope folder("halmora-help-english");
    CopyGeneratedHelpFile(folder.Path());
    const auto shown = [] { return HelpFileUrl().fileName().toStdString(); };
    EXPECT_EQ(shown(), "hlmhelp.html");
    ASSERT_TRUE(ApplyLanguage(UiLanguage::English));
    EXPECT_EQ(shown(), "hlmhelp-en.html");
    EXPECT_EQ(SupportPageUrl().fileName().toStdString(), "hlmhelp-en.html");
    // An older game folder without it still has a page to show.
    std::filesystem::remove(folder.Path() / "Data" / "hlmhelp-en.html");
    EXPECT_EQ(shown(), "hlmhelp.html");
    ASSERT_TRUE(ApplyLanguage(UiLanguage::Chinese));
    CopyGeneratedHelpFile(folder.Path());
    EXPECT_EQ(shown(), "hlmhelp.html");
    ApplyLanguage(UiLanguage::AsSpecified);
}

TEST(HelpLinksTest, MissingHelpFileIsReportedInsteadOfOpened) {
    AppFolderScope folder("halmora-help-missing");
    const std::string path = (folder.Path() / "Data" / "hlmhelp.html").string();
    QWidget game;

    for (const Command& command : AllCommands()) {
        MessageScript messages;
        CapturedUrls desktop;
        command.run(&game);
        EXPECT_EQ(game.findChild<CHelpWindow*>(), nullptr) << command.name;
        EXPECT_TRUE(desktop.urls.empty()) << command.name;
        ASSERT_EQ(messages.shown.size(), 1u) << command.name;
        EXPECT_NE(messages.shown[0].text.find(path), std::string::npos) << command.name;
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(messages.shown[0].caption.empty());
    }

    // A folder of that name is no help page either.
    std::filesystem::create_directories(path);
    MessageScript messages;
    OpenHelp(&game);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(HelpLinksTest, DesktopThatCannotOpenAnOutsideAddressIsReported) {
    MessageScript messages;
    CapturedUrls desktop(false);

    EXPECT_FALSE(OpenUrl(QUrl("https://example.org/")));
    ASSERT_EQ(desktop.urls.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("https://example.org/"), std::string::npos);
}

}  // namespace
}  // namespace halmora
