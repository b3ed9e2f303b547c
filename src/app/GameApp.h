// The application: the Qt application object, the main window and the start-up sequence (the
// main window, the splash for four seconds, the start-up screen), then the idle loop.
#pragma once

#include <QApplication>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/AppSettings.h"

namespace halmora {

class CMainWindow;
class CSessionSignals;

class CGameApp {
public:
    static constexpr uint32_t kSplashMs = 4000;

    CGameApp(int& argc, char** argv);
    ~CGameApp();

    // The start-up sequence; returns when the start-up screen's choice has been carried out.
    bool InitInstance();
    // The whole run: start-up, the event loop, and the end.
    int Run();

    CMainWindow* MainWindow() const { return window_.get(); }

    // Shows the splash, with its sound unless muted, and keeps it up for kSplashMs by the tick
    // count. Input is not handled meanwhile; the splash only repaints.
    // `pause` runs between looks at the tick count (tests advance a fake count there); by
    // default it sleeps 10 ms so that the wait costs no processor time.
    static void ShowSplash(bool muted, const std::function<void()>& pause = {});

private:
    QApplication application_;
    CAppSettings settings_;
    std::unique_ptr<CSessionSignals> sessionSignals_;
    std::unique_ptr<CMainWindow> window_;
};

}  // namespace halmora
