#include "app/SessionSignals.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace halmora {
namespace {

// The pipe's writing end, for the handler; -1 while no object is installed.
volatile std::sig_atomic_t gWriteEnd = -1;

// Only async-signal-safe calls here: one write, and errno kept for the code interrupted.
extern "C" void OnSessionSignal(int signalNumber) {
    const int savedErrno = errno;
    const int fd = gWriteEnd;
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        // A full pipe already holds a wake-up; nothing is lost by dropping this one.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

CSessionSignals::CSessionSignals(QObject* parent) : QObject(parent) {
    if (gWriteEnd >= 0 || ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    gWriteEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CSessionSignals::Drain);

    struct sigaction action {};
    action.sa_handler = OnSessionSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = ::sigaction(SIGTERM, &action, &previousTerm_) == 0 &&
                 ::sigaction(SIGHUP, &action, &previousHup_) == 0;
}

CSessionSignals::~CSessionSignals() {
    if (pipe_[1] < 0)
        return;
    ::sigaction(SIGTERM, &previousTerm_, nullptr);
    ::sigaction(SIGHUP, &previousHup_, nullptr);
    gWriteEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void CSessionSignals::Drain() {
    unsigned char bytes[16];
    int last = 0;
    ssize_t n = 0;
    while ((n = ::read(pipe_[0], bytes, sizeof bytes)) > 0)
        last = bytes[n - 1];
    if (last == 0 || reported_)
        return;
    reported_ = true;
    emit SessionEnding(last);
}

}  // namespace halmora
