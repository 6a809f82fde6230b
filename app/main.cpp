#include "app/options.h"
#include "app/program.h"
#include "contest/contestwindow.h"
#include "platform/termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Help and version are answered before any window system is needed.
    const StartOptions options = parseStartOptions(QString::fromLocal8Bit(argv[0]), argc, argv);
    if (options.exitCode) return *options.exitCode;
    QApplication app(argc, argv);
    prepareApplication(app);

    platform::SystemServices system;
    Program program(system.services([] { QApplication::exit(0); }));

    platform::endOnTerminate(&program, [&program] { program.end(); });

    program.start({options.zoom, options.fullScreen});
    if (options.readAloud) program.setReadingAloud(true);
    return app.exec();
}
