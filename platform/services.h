#pragma once

#include "clipboard.h"
#include "clock.h"
#include "dialogs.h"
#include "printer.h"
#include "random.h"

#include <functional>

namespace platform {

// What the program takes from the platform; tests hand in their own.
struct Services {
    Dialogs& dialogs;
    Random& random;
    Clock& clock;
    Printer& printer;
    Clipboard& clipboard;
    // Ends the program at once.
    std::function<void()> end;
};

} // namespace platform
