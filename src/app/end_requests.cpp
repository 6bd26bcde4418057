#include "app/end_requests.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>
#endif

namespace lexavo {

#ifdef Q_OS_UNIX
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
// [0] is written by the handler, [1] read by the event loop. One run has one
// window, so one pair serves the whole process.
int endPipe[2] = {-1, -1};
struct sigaction previousActions[std::size(kEndSignals)];

extern "C" void onEndSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a request: losing this byte loses nothing.
    (void)::write(endPipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace
#endif

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (endPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, endPipe) != 0) return;
    for (const int fd : endPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    notifier_ = new QSocketNotifier(endPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::readPipe);
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kEndSignals); ++i) {
        ::sigaction(kEndSignals[i], &action, &previousActions[i]);
    }
#endif
}

EndRequests::~EndRequests() {
#ifdef Q_OS_UNIX
    if (notifier_ == nullptr) return;
    for (size_t i = 0; i < std::size(kEndSignals); ++i) {
        ::sigaction(kEndSignals[i], &previousActions[i], nullptr);
    }
    delete notifier_;
    for (int& fd : endPipe) {
        ::close(fd);
        fd = -1;
    }
#endif
}

void EndRequests::readPipe() {
#ifdef Q_OS_UNIX
    // Several signals close together are one request.
    char bytes[16];
    bool any = false;
    while (::read(endPipe[1], bytes, sizeof bytes) > 0) any = true;
    if (any) emit endRequested();
#endif
}

}  // namespace lexavo
