// SIGTERM through a socket pair: the signal handler only writes a byte, the event loop reads it.
#include <toolkit/termination.hpp>

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace toolkit {

namespace {
// The one piece of state a signal handler can reach: the pair, made once for the process.
int signalPair[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPair[0], &byte, 1);
}
} // namespace

void onTerminationRequest(QObject* owner, std::function<void()> onRequest)
{
    if (signalPair[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPair) != 0)
            return;
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
    }
    auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onRequest = std::move(onRequest)] {
                         char byte = 0;
                         [[maybe_unused]] auto read = ::read(signalPair[1], &byte, 1);
                         onRequest();
                     });
}

} // namespace toolkit
