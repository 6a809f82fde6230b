#include "options.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const char* const kHelp = R"(Aufruf: pelko-morvelt [Optionen]
Pelko-Morvelt: Plus- und Minusaufgaben im Zahlenraum bis 1000 üben.

Optionen:
  -h, --help      zeigt diese Hilfe
  -v, --version   zeigt die Version
  --vorlesen      liest Aufgaben, Meldungen und Zahlen auf Deutsch vor

Tasten in jedem Fenster:
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
    parser.addOptions({help, version, readAloud});
    StartOptions options;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        print(stderr, QStringLiteral("pelko-morvelt: unbekannte Option „%1“. Hilfe: pelko-morvelt --help\n")
                          .arg(unknown.isEmpty()             ? arguments.value(1)
                               : unknown.first().size() == 1 ? u'-' + unknown.first()
                                                             : QStringLiteral("--") + unknown.first()));
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
    return options;
}
