#include "contest/contestwindow.h"
#include "app/program.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>

namespace {

int terminated[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminated[1], &byte, 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    platform::QtDialogs dialogs;
    platform::StdRandom random;
    platform::SystemClock clock;
    platform::SystemPrinter printer;
    platform::SystemClipboard clipboard;
    Program program(platform::Services{dialogs, random, clock, printer, clipboard, [] { QApplication::exit(0); }});

    // SIGTERM, as at a logout or shutdown, ends the program as its quit button does: from the event loop,
    // even in the middle of a roll or with a box open.
    if (::pipe(terminated) == 0) {
        auto* notifier = new QSocketNotifier(terminated[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &program, &Program::end);
        std::signal(SIGTERM, onTerminate);
    }

    program.form1().show();
    return app.exec();
}
