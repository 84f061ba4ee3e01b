// SIGTERM through a socket pair: the signal handler only writes a byte, the event loop reads it.
#include <toolkit/termination.hpp>

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace toolkit {

#ifdef Q_OS_UNIX
namespace {
int signalPair[2] = {-1, -1};
std::function<void()> handler;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPair[0], &byte, 1);
}
} // namespace

void onTerminationRequest(std::function<void()> onRequest)
{
    handler = std::move(onRequest);
    // One reader of the pair only: a second one would block on a byte the first took.
    if (signalPair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPair) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] auto read = ::read(signalPair[1], &byte, 1);
        if (handler)
            handler();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}
#else
void onTerminationRequest(std::function<void()>) {}
#endif

} // namespace toolkit
