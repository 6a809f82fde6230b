#pragma once

#include <QStringList>

#include <optional>

// How the program is started from the command line. Without options it starts as it always has.
struct StartOptions {
    bool readAloud = false;
    bool fullScreen = false;
    int zoom = 100; // one of the zoom steps
    // Set when the program is to end at once with this status, having printed help, its version or an error.
    std::optional<int> exitCode;
};

// Reads the arguments (the program's name first) and answers --help, --version and mistakes in German.
StartOptions parseStartOptions(const QStringList& arguments);
StartOptions parseStartOptions(const QString& program, int argc, char* argv[]);
