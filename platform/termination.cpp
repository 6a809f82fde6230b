#include "termination.h"

#include <QObject>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may only write to a pipe; the event loop reads the other end.
int terminatePipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminatePipe[1], &byte, 1);
}

} // namespace

void endOnTerminate(QObject* owner, std::function<void()> end)
{
    if (terminatePipe[0] >= 0 || ::pipe(terminatePipe) != 0) return;
    auto* notifier = new QSocketNotifier(terminatePipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [end = std::move(end)] { end(); });
    std::signal(SIGTERM, onTerminate);
}
#else
void endOnTerminate(QObject*, std::function<void()>) {}
#endif

} // namespace platform
