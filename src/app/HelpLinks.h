// The help file and the web links of the Help and Internet menus and the start-up screen. The
// help is one HTML page, Data/hlmhelp.html in the application folder, with an anchor per keyword
// topic, shown in the game's own help window. The project has no web site of its own, so the
// support, home and update links open sections of the same page that say where help and new
// versions come from. Only addresses outside the game go to the desktop (the system's browser).
//
// The main window calls these inside its pause frame; they return as soon as the page is shown.
#pragma once

#include <QUrl>

#include <functional>
#include <string>

class QWidget;

namespace halmora {

// The keyword topics of the help file, as the menus ask for them (trailing blanks included).
inline constexpr const char* kHowToPlayTopic = "How to Play";
inline constexpr const char* kGameHistoryTopic = "游戏历史    ";

// Replaces what hands a URL to the desktop; an empty function restores QDesktopServices::openUrl.
// Tests capture the URLs here.
void SetUrlOpener(std::function<bool(const QUrl&)> open);

// Hands `url` to the desktop. A local file that does not exist, or a URL that the desktop cannot
// open, is reported in a message box; returns whether the desktop took the URL.
bool OpenUrl(const QUrl& url);

// The help file in the application folder (its English page when the interface is in English),
// and the same with the anchor of a keyword topic (an
// unknown keyword gives the file without an anchor).
QUrl HelpFileUrl();
QUrl HelpTopicUrl(const std::string& keyword);

// The pages behind Online Support, Visit Website and the start-up screen's update link.
QUrl SupportPageUrl();
QUrl WebsiteUrl();
QUrl UpdatePageUrl();

// Shows a page of the game's own help (a local file, with an anchor or not) in the help window of
// `owner`'s window. A missing file is reported in a message box instead; returns whether shown.
bool ShowHelpPage(QWidget* owner, const QUrl& url);

void OpenHelp(QWidget* owner);
void OpenHelpTopic(QWidget* owner, const std::string& keyword);
void OpenOnlineSupport(QWidget* owner);
void OpenWebsite(QWidget* owner);
void OpenUpdatePage(QWidget* owner);

}  // namespace halmora
