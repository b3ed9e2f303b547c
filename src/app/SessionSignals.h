// Turns the signals that end a desktop session (SIGTERM at logout or shutdown, SIGHUP when the
// terminal goes) into a Qt signal, so that the window can close the game as its close command
// does. The handler only writes the signal's number to a pipe; everything else happens in the
// event loop, when the pipe's reading end becomes readable.
//
//   CSessionSignals session;
//   QObject::connect(&session, &CSessionSignals::SessionEnding, &window, &CMainWindow::EndSession);
//
// One object at a time; it puts the previous handlers back when it goes.
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace halmora {

class CSessionSignals : public QObject {
    Q_OBJECT

public:
    explicit CSessionSignals(QObject* parent = nullptr);
    ~CSessionSignals() override;
    CSessionSignals(const CSessionSignals&) = delete;
    CSessionSignals& operator=(const CSessionSignals&) = delete;

    // False when the pipe or the handlers could not be set up; the signals then keep their
    // previous handling.
    bool Installed() const { return installed_; }

signals:
    // SIGTERM or SIGHUP arrived; once, however many follow.
    void SessionEnding(int signalNumber);

private:
    void Drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousHup_ {};
    bool installed_ = false;
    bool reported_ = false;
};

}  // namespace halmora
