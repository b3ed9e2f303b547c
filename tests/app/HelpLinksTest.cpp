// The help and web-link commands: which URL each one hands to the desktop, the anchors those URLs
// need in the generated help page, and what the user sees when the page is missing or the desktop
// cannot open it.
#include <gtest/gtest.h>

#include <QUrl>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "AppFixtures.h"
#include "app/HelpLinks.h"

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

void WriteHelpFile(const std::filesystem::path& folder) {
    std::ofstream(folder / "Data" / "hlmhelp.html") << "<!DOCTYPE html><title>help</title>";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Command {
    const char* name;
    std::function<void()> run;
    const char* fragment;  // empty: the page without an anchor
};

std::vector<Command> AllCommands() {
    return {
        {"help", [] { OpenHelp(); }, ""},
        {"how to play", [] { OpenHelpTopic(kHowToPlayTopic); }, "how-to-play"},
        {"game history", [] { OpenHelpTopic(kGameHistoryTopic); }, "history"},
        {"online support", [] { OpenOnlineSupport(); }, "support"},
        {"website", [] { OpenWebsite(); }, "about"},
        {"update page", [] { OpenUpdatePage(); }, "updates"},
    };
}

TEST(HelpLinksTest, EachCommandOpensItsSectionOfTheHelpPage) {
    AppFolderScope folder("halmora-help-open");
    WriteHelpFile(folder.Path());
    const QUrl page = QUrl::fromLocalFile(
        QString::fromStdString((folder.Path() / "Data" / "hlmhelp.html").string()));
    MessageScript messages;

    for (const Command& command : AllCommands()) {
        CapturedUrls desktop;
        command.run();
        ASSERT_EQ(desktop.urls.size(), 1u) << command.name;
        const QUrl& url = desktop.urls.front();
        EXPECT_TRUE(url.isLocalFile()) << command.name;
        EXPECT_EQ(url.adjusted(QUrl::RemoveFragment), page) << command.name;
        EXPECT_EQ(url.fragment().toStdString(), command.fragment) << command.name;
        EXPECT_EQ(url.hasFragment(), command.fragment[0] != '\0') << command.name;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(HelpLinksTest, GeneratedHelpPageHasEveryAnchorTheCommandsUse) {
    const std::filesystem::path file =
        std::filesystem::path(HALMORA_GAMEFILES) / "Data" / "hlmhelp.html";
    ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
    const std::string html = ReadFile(file);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()))
                    .toUtf8()
                    .toStdString() == html)
        << "the help page is not valid UTF-8";

    AppFolderScope folder("halmora-help-anchors");
    const std::vector<QUrl> urls = {HelpTopicUrl(kHowToPlayTopic), HelpTopicUrl(kGameHistoryTopic),
                                    SupportPageUrl(), WebsiteUrl(), UpdatePageUrl()};
    for (const QUrl& url : urls) {
        const std::string anchor = "id=\"" + url.fragment().toStdString() + "\"";
        ASSERT_TRUE(url.hasFragment()) << url.toString().toStdString();
        EXPECT_NE(html.find(anchor), std::string::npos) << anchor;
        // One section per anchor: a second one would make the browser's choice arbitrary.
        EXPECT_EQ(html.find(anchor), html.rfind(anchor)) << anchor;
    }
}

TEST(HelpLinksTest, MissingHelpFileIsReportedInsteadOfOpened) {
    AppFolderScope folder("halmora-help-missing");
    const std::string path = (folder.Path() / "Data" / "hlmhelp.html").string();

    for (const Command& command : AllCommands()) {
        MessageScript messages;
        CapturedUrls desktop;
        command.run();
        EXPECT_TRUE(desktop.urls.empty()) << command.name;
        ASSERT_EQ(messages.shown.size(), 1u) << command.name;
        EXPECT_NE(messages.shown[0].text.find(path), std::string::npos) << command.name;
        EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(messages.shown[0].caption.empty());
    }

    // A folder of that name is no help page either.
    std::filesystem::create_directories(path);
    MessageScript messages;
    CapturedUrls desktop;
    OpenHelp();
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(HelpLinksTest, DesktopThatCannotOpenTheUrlIsReported) {
    AppFolderScope folder("halmora-help-refused");
    WriteHelpFile(folder.Path());
    MessageScript messages;
    CapturedUrls desktop(false);

    OpenHelpTopic(kGameHistoryTopic);
    ASSERT_EQ(desktop.urls.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("hlmhelp.html"), std::string::npos);

    EXPECT_FALSE(OpenUrl(QUrl("https://example.org/")));
    EXPECT_EQ(messages.shown.size(), 2u);
}

}  // namespace
}  // namespace halmora
