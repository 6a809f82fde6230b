// The program as main() builds it, with a driver that opens what a child reaches only by playing:
//   bench_session all    opens every window once, in turn, and back to the main window
//   bench_session memo   opens the memory game and stays in it
//   ... full             the same, every window full screen
// Prints "ready" once there; the benchmark reads the process from outside.
#include "app/program.h"
#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/windows.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "worksheets/worksheetwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    const bool all = argc > 1 && std::strcmp(argv[1], "all") == 0;
    const platform::Zoom zoom{100, argc > 2 && std::strcmp(argv[2], "full") == 0};

    platform::SystemServices system;
    Program program(system.services([] { QApplication::exit(0); }));
    QWidget* main = &program.contestWindow();
    program.start(zoom);

    // Each window stays on screen long enough to be mapped and painted.
    std::vector<std::function<QWidget*()>> windows;
    if (all)
        windows = {[&]() -> QWidget* { return &program.playerWindow(); },
                   [&]() -> QWidget* { return &program.worksheetWindow(); },
                   [&]() -> QWidget* { return &program.infoWindow(); },
                   [&]() -> QWidget* { return &program.memoryWindow(); },
                   [&]() -> QWidget* { return &program.catchWindow(); }};
    else
        windows = {[&]() -> QWidget* { return &program.memoryWindow(); }};
    std::size_t next = 0;
    QWidget* shown = main;
    QTimer step;
    step.setInterval(700);
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (shown != main && all) {
            platform::applyZoom(main, zoom);
            platform::switchWindow(shown, main);
            shown = main;
        } else if (next < windows.size()) {
            QWidget* window = windows[next++]();
            platform::applyZoom(window, zoom);
            platform::switchWindow(shown, window);
            shown = window;
        } else {
            step.stop();
            std::printf("ready\n");
            std::fflush(stdout);
        }
    });
    step.start();
    return app.exec();
}
