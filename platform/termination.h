#pragma once

#include <functional>

class QObject;

namespace platform {

// A request from outside to end (SIGTERM, as at a logout or shutdown) runs `end` from the event loop,
// even in the middle of a roll or with a box open. Where the system has no such signal, nothing happens.
void endOnTerminate(QObject* owner, std::function<void()> end);

} // namespace platform
