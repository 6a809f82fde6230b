#include "contest/contestwindow.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelko-Morvelt"));
    // Windows take turns on screen; the program ends only by its own word.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::QtDialogs dialogs;
    platform::StdRandom random;
    platform::SystemClock clock;
    platform::SystemPrinter printer;
    platform::SystemClipboard clipboard;
    Program program(platform::Services{dialogs, random, clock, printer, clipboard, [] { QApplication::exit(0); }});

    program.form1().show();
    return app.exec();
}
