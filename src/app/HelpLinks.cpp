#include "app/HelpLinks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>

#include <filesystem>
#include <system_error>
#include <utility>

#include "app/HelpWindow.h"
#include "app/Language.h"
#include "app/MessageBoxes.h"
#include "platform/AppFolder.h"
#include "platform/Replaceable.h"

namespace halmora {
namespace {

constexpr const char* kHelpFile = "Data/hlmhelp.html";
// Shown instead when the interface is in English; the page above is Chinese.
constexpr const char* kEnglishHelpFile = "Data/hlmhelp-en.html";
constexpr const char* kMessageCaption = QT_TRANSLATE_NOOP("HelpLinks", "帮助");

// Keyword topics and the anchors of their sections in the help page. The anchors are plain ASCII
// so that every browser and desktop passes them on unchanged.
struct TopicAnchor {
    const char* keyword;
    const char* anchor;
};
// clang-format off
constexpr TopicAnchor kTopicAnchors[] = {
    {kHowToPlayTopic,   "how-to-play"},
    {kGameHistoryTopic, "history"},
};
// clang-format on

// Sections that stand in for web pages: there is no project web site to point at.
constexpr const char* kSupportAnchor = "support";
constexpr const char* kAboutAnchor = "about";
constexpr const char* kUpdatesAnchor = "updates";

bool OpenWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

Replaceable<std::function<bool(const QUrl&)>>& Opener() {
    static Replaceable<std::function<bool(const QUrl&)>> open(OpenWithDesktop);
    return open;
}

// A missing help page would show as an empty window, or a browser's error page at best; say which
// file is missing and how it comes back.
bool HelpFileThere(const QUrl& url) {
    const std::string path = url.toLocalFile().toStdString();
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        return true;
    ShowMessageBox(
        nullptr,
        QCoreApplication::translate("HelpLinks",
                                    "游戏文件夹中缺少帮助文件：\n%1\n\n"
                                    "重新启动游戏（halmora 或 scripts/play.sh）会补上缺少的文件。")
            .arg(QString::fromStdString(path))
            .toStdString(),
        QCoreApplication::translate("HelpLinks", kMessageCaption).toStdString());
    return false;
}

QUrl HelpSectionUrl(const char* anchor) {
    QUrl url = HelpFileUrl();
    url.setFragment(QString::fromUtf8(anchor));
    return url;
}

}  // namespace

void SetUrlOpener(std::function<bool(const QUrl&)> open) {
    Opener().Set(std::move(open));
}

bool OpenUrl(const QUrl& url) {
    if (url.isLocalFile() && !HelpFileThere(url))
        return false;
    if (Opener()(url))
        return true;
    ShowMessageBox(nullptr,
                   QCoreApplication::translate(
                       "HelpLinks", "系统无法打开这个地址：\n%1\n\n请用网页浏览器打开它。")
                       .arg(url.toDisplayString())
                       .toStdString(),
                   QCoreApplication::translate("HelpLinks", kMessageCaption).toStdString());
    return false;
}

QUrl HelpFileUrl() {
    std::error_code ec;
    const char* file = kHelpFile;
    // A game folder from before the English page still has the Chinese one to show.
    if (AppliedLanguage() == UiLanguage::English &&
        std::filesystem::is_regular_file(AppFile(kEnglishHelpFile), ec))
        file = kEnglishHelpFile;
    std::filesystem::path path = std::filesystem::absolute(AppFile(file), ec);
    if (ec)
        path = AppFile(file);
    return QUrl::fromLocalFile(QString::fromStdString(path.lexically_normal().string()));
}

QUrl HelpTopicUrl(const std::string& keyword) {
    for (const TopicAnchor& topic : kTopicAnchors) {
        if (keyword == topic.keyword)
            return HelpSectionUrl(topic.anchor);
    }
    return HelpFileUrl();
}

QUrl SupportPageUrl() {
    return HelpSectionUrl(kSupportAnchor);
}

QUrl WebsiteUrl() {
    return HelpSectionUrl(kAboutAnchor);
}

QUrl UpdatePageUrl() {
    return HelpSectionUrl(kUpdatesAnchor);
}

bool ShowHelpPage(QWidget* owner, const QUrl& url) {
    if (!HelpFileThere(url))
        return false;
    CHelpWindow::ShowPage(owner, url);
    return true;
}

void OpenHelp(QWidget* owner) {
    ShowHelpPage(owner, HelpFileUrl());
}

void OpenHelpTopic(QWidget* owner, const std::string& keyword) {
    ShowHelpPage(owner, HelpTopicUrl(keyword));
}

void OpenOnlineSupport(QWidget* owner) {
    ShowHelpPage(owner, SupportPageUrl());
}

void OpenWebsite(QWidget* owner) {
    ShowHelpPage(owner, WebsiteUrl());
}

void OpenUpdatePage(QWidget* owner) {
    ShowHelpPage(owner, UpdatePageUrl());
}

}  // namespace halmora
