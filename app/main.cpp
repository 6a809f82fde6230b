#include "contest/contestwindow.h"
#include "app/program.h"
#include "platform/termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    platform::SystemServices system;
    Program program(system.services([] { QApplication::exit(0); }));

    platform::endOnTerminate(&program, [&program] { program.end(); });

    program.contestWindow().show();
    return app.exec();
}
