#include "options.h"

#include "platform/zoom.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const char* const kHelp = R"(Aufruf: pelko-morvelt [Optionen]
Pelko-Morvelt: Plus- und Minusaufgaben im Zahlenraum bis 1000 üben.

Optionen:
  -h, --help      zeigt diese Hilfe
  -v, --version   zeigt die Version
  --vollbild      startet im Vollbild, für Tafel und Beamer
  --zoom PROZENT  startet vergrößert: 100, 125, 150, 175, 200, 250, 300 oder 400
  --vorlesen      liest Aufgaben, Meldungen und Zahlen auf Deutsch vor

Tasten in jedem Fenster:
  Strg+Plus       größer
  Strg+Minus      kleiner
  Strg+0          wieder 100 %
  F11             Vollbild ein- und ausschalten
  F8              Vorlesen ein- und ausschalten
  F5              das zuletzt Gesagte noch einmal vorlesen
)";

void print(FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

} // namespace

StartOptions parseStartOptions(const QString& program, int argc, char* argv[])
{
    QStringList arguments{program};
    for (int i = 1; i < argc; ++i) arguments += QString::fromLocal8Bit(argv[i]);
    return parseStartOptions(arguments);
}

StartOptions parseStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption readAloud(QStringLiteral("vorlesen"), {});
    const QCommandLineOption fullScreen(QStringLiteral("vollbild"), {});
    const QCommandLineOption zoom(QStringLiteral("zoom"), {}, QStringLiteral("PROZENT"));
    parser.addOptions({help, version, readAloud, fullScreen, zoom});
    StartOptions options;
    const QString zoomSteps = QStringLiteral("Möglich sind 100, 125, 150, 175, 200, 250, 300 und 400.\n");
    const bool parsed = parser.parse(arguments);
    if (!parsed && arguments.last() == QStringLiteral("--zoom")) {
        print(stderr, QStringLiteral("pelko-morvelt: Nach „--zoom“ fehlt die Zoomstufe. ") + zoomSteps);
        options.exitCode = 2;
    } else if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        print(stderr, QStringLiteral("pelko-morvelt: unbekannte Option „%1“. Hilfe: pelko-morvelt --help\n")
                          .arg(unknown.isEmpty()             ? arguments.value(1)
                               : unknown.first().size() == 1 ? u'-' + unknown.first()
                                                             : QStringLiteral("--") + unknown.first()));
        options.exitCode = 2;
    } else if (const QString percent = parser.value(zoom);
               parser.isSet(zoom) && !platform::isZoomStep(percent.toInt())) {
        print(stderr, QStringLiteral("pelko-morvelt: „%1“ ist keine Zoomstufe. ").arg(percent) + zoomSteps);
        options.exitCode = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("pelko-morvelt: „%1“ ist keine Option. Hilfe: pelko-morvelt --help\n")
                          .arg(parser.positionalArguments().first()));
        options.exitCode = 2;
    } else if (parser.isSet(help)) {
        print(stdout, QString::fromUtf8(kHelp));
        options.exitCode = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Pelko-Morvelt " PELKO_VERSION "\n"));
        options.exitCode = 0;
    }
    options.readAloud = parser.isSet(readAloud);
    options.fullScreen = parser.isSet(fullScreen);
    if (!options.exitCode && parser.isSet(zoom)) options.zoom = parser.value(zoom).toInt();
    return options;
}
