#include "sheetoutput.h"

#include "platform/units.h"

#include <array>

namespace worksheets {

namespace {
constexpr int kRows = 30;
constexpr std::array<int, 3> kColumns = {10, 34, 58};
} // namespace

void printSheet(platform::Printer& printer, const QStringList& lines)
{
    printer.setFont(platform::kCourierNew, 12);
    printer.endLine();
    printer.endLine();
    const auto count = lines.size();
    for (int row = 0; row < kRows; ++row) {
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            const auto index = row + kRows * static_cast<qsizetype>(column);
            if (index >= count) continue;
            printer.tab(kColumns[column]);
            printer.print(lines[index]);
        }
        printer.endLine();
        printer.endLine();
    }
}

QString clipboardText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace worksheets
