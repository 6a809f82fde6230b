#pragma once

#include "clipboard.h"
#include "clock.h"
#include "dialogs.h"
#include "printer.h"
#include "random.h"
#include "speech.h"
#include "speechmodule.h"

#include <functional>
#include <utility>

namespace platform {

// What the program takes from the platform; tests hand in their own.
struct Services {
    Dialogs& dialogs;
    Random& random;
    Clock& clock;
    Printer& printer;
    Clipboard& clipboard;
    Narrator& narrator;
    // Ends the program at once.
    std::function<void()> end;
};

// The real services of a desktop session, for the program and anything that runs it as it ships.
struct SystemServices {
    Services services(std::function<void()> end)
    {
        return {dialogs, random, clock, printer, clipboard, narrator, std::move(end)};
    }
    QtDialogs dialogs;
    StdRandom random;
    SystemClock clock;
    SystemPrinter printer;
    SystemClipboard clipboard;
    Narrator narrator{loadSystemSpeech, [this] {
                          dialogs.show(nullptr,
                                       {QStringLiteral("Vorlesen ist auf diesem Rechner nicht möglich: Es fehlt "
                                                       "der Sprachdienst oder eine deutsche Stimme.\r\r"
                                                       "Das Spiel geht ohne Vorlesen weiter.\r"),
                                        QStringLiteral("Pelko-Morvelt: Vorlesen"), MsgButtons::Ok, MsgIcon::Critical});
                      }};
};

} // namespace platform
