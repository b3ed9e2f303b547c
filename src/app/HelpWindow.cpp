#include "app/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/HelpLinks.h"

namespace halmora {
namespace {

constexpr char kTitle[] = QT_TRANSLATE_NOOP("HelpWindow", "帮助");
constexpr char kBack[] = QT_TRANSLATE_NOOP("HelpWindow", "后退");
constexpr char kForward[] = QT_TRANSLATE_NOOP("HelpWindow", "前进");
constexpr char kInBrowser[] = QT_TRANSLATE_NOOP("HelpWindow", "在浏览器中打开");

bool LeavesTheGame(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("helpWindow");
    setWindowTitle(QCoreApplication::translate("HelpWindow", kTitle));
    setSizeGripEnabled(true);
    // A window of its own beside the game, not a dialog the game waits for.
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    if (parent == nullptr)
        setAttribute(Qt::WA_DeleteOnClose);

    back_ = new QPushButton(QCoreApplication::translate("HelpWindow", kBack), this);
    forward_ = new QPushButton(QCoreApplication::translate("HelpWindow", kForward), this);
    auto* inBrowser = new QPushButton(QCoreApplication::translate("HelpWindow", kInBrowser), this);
    for (QPushButton* button : {back_, forward_, inBrowser})
        button->setAutoDefault(false);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(inBrowser);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(760, 600);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(inBrowser, &QPushButton::clicked, this, [this] { OpenUrl(Source()); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpWindow::FollowLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QCoreApplication::translate("HelpWindow", kTitle) : title);
    });
}

CHelpWindow* CHelpWindow::ShowPage(QWidget* owner, const QUrl& url) {
    QWidget* parent = owner != nullptr ? owner->window() : nullptr;
    CHelpWindow* window =
        parent != nullptr ? parent->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                          : nullptr;
    if (window == nullptr)
        window = new CHelpWindow(parent);
    if (!window->isVisible()) {
        // Over a dialog that holds the rest of the program (the start-up screen) the help must
        // hold it as well, or it could not be used.
        QWidget* modal = QApplication::activeModalWidget();
        window->setWindowModality(modal != nullptr && modal != window ? Qt::ApplicationModal
                                                                      : Qt::NonModal);
    }
    window->browser_->setSource(url);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QUrl CHelpWindow::Source() const {
    return browser_->source();
}

void CHelpWindow::FollowLink(const QUrl& link) {
    const QUrl url = browser_->source().resolved(link);
    if (LeavesTheGame(url))
        OpenUrl(url);
    else if (url.isLocalFile())
        browser_->setSource(url);
}

}  // namespace halmora
