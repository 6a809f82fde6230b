// Prints a worksheet of 45 chained tasks on the default printer, as the worksheet window does:
//   printjob tasks | solutions
// Exit status: 0 printed, 1 no printer, 2 the job failed, 3 usage.
#include "platform/printer.h"
#include "worksheets/sheetoutput.h"

#include <QGuiApplication>

#include <cstring>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 || (std::strcmp(argv[1], "tasks") != 0 && std::strcmp(argv[1], "solutions") != 0)) return 3;
    const bool tasks = std::strcmp(argv[1], "tasks") == 0;
    QStringList lines;
    int value = 50;
    for (int i = 0; i < 45; ++i) {
        const int operand = i % 9 + 1;
        const bool plus = value + operand < 100 && (i % 3 != 0 || value - operand <= 0);
        const int result = plus ? value + operand : value - operand;
        const QString first = tasks && i > 0 ? QStringLiteral("____") : QString::number(value).rightJustified(4);
        lines << first + (plus ? QStringLiteral(" + ") : QStringLiteral(" - ")) +
                     QString::number(operand).rightJustified(2) + QStringLiteral(" = ") +
                     (tasks ? QStringLiteral("____") : QString::number(result).rightJustified(4));
        value = result;
    }
    platform::SystemPrinter printer;
    worksheets::printSheet(printer, lines);
    switch (printer.endDoc()) {
    case platform::PrintResult::Printed: return 0;
    case platform::PrintResult::NoPrinter: return 1;
    case platform::PrintResult::Failed: return 2;
    }
    return 2;
}
