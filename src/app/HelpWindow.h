// The game's own help window: the help page in a text browser, with back and forward. Links
// inside the game's pages (their anchors included) are followed here; only addresses outside the
// game (web pages, mail) go to the desktop. One button hands the page shown to the desktop's
// browser too, for those who prefer to read it there.
#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace halmora {

class CHelpWindow : public QDialog {
    Q_OBJECT

public:
    // Shows `url` in the help window of the window `owner` belongs to (one per window; a new one
    // for no owner) and brings it to the front. Returns it.
    static CHelpWindow* ShowPage(QWidget* owner, const QUrl& url);

    // The page shown, with the anchor it was opened at.
    QUrl Source() const;
    QTextBrowser* Browser() const { return browser_; }

    // What a click on a link in the page does.
    void FollowLink(const QUrl& link);

private:
    explicit CHelpWindow(QWidget* parent);

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

}  // namespace halmora
