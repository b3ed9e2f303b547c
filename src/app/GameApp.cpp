#include "app/GameApp.h"

#include <QScreen>

#include <chrono>
#include <thread>

#include "app/MainWindow.h"
#include "app/SessionSignals.h"
#include "app/SplashWindow.h"
#include "app/StartupScreen.h"
#include "platform/TickCount.h"

namespace halmora {

CGameApp::CGameApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Halmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.03"));
    // From the start, so that a logout during start-up closes as well.
    sessionSignals_ = std::make_unique<CSessionSignals>();
}

CGameApp::~CGameApp() = default;

void CGameApp::ShowSplash(bool muted, const std::function<void()>& pause) {
    CSplashWindow splash(muted);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize(1024, 768);
    splash.CentreOn(size.width(), size.height());
    splash.show();
    splash.repaint();
    const uint32_t start = TickCount();
    while (TickCount() - start < kSplashMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        if (pause)
            pause();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    splash.close();
}

bool CGameApp::InitInstance() {
    window_ = std::make_unique<CMainWindow>(settings_);
    QObject::connect(sessionSignals_.get(), &CSessionSignals::SessionEnding, window_.get(),
                     &CMainWindow::EndSession);
    window_->ShowPlaced();
    QCoreApplication::processEvents();
    window_->CreateControls();

    // A session that ends during start-up has closed the window already: nothing more is shown.
    if (!window_->SessionEnded())
        ShowSplash(settings_->MuteSounds != 0);
    if (!window_->SessionEnded())
        window_->ShowStartupNotices();
    if (!window_->SessionEnded() && !window_->OfferInterruptedGame()) {
        CStartupScreen screen(window_.get(), window_->Cursors().Hand());
        screen.move(window_->geometry().center() - screen.rect().center());
        screen.exec();
        if (screen.ChosenCommand() != 0 && !window_->SessionEnded())
            window_->Command(screen.ChosenCommand());
    }
    if (!window_->SessionEnded())
        window_->StartIdleLoop();
    return true;
}

int CGameApp::Run() {
    if (!InitInstance())
        return 1;
    const int code = window_->SessionEnded() ? 0 : QApplication::exec();
    window_.reset();
    return code;
}

}  // namespace halmora
