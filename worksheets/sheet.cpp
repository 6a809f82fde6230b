#include "sheet.h"

#include "platform/numbertext.h"

namespace worksheets {

namespace {

constexpr int kStart = 50;
constexpr int kRangeWidth = 100;
constexpr int kFurtherTasks = 1000;

QString padded(int number, int width) { return QString::number(number).rightJustified(width, u' '); }

QString middle(char sign, int operand)
{
    return (sign == '+' ? QStringLiteral(" + ") : QStringLiteral(" - ")) + padded(operand, 2) + QStringLiteral(" = ");
}

} // namespace

Sheet buildPageSheet(platform::Random& random, const SheetSettings& settings)
{
    Sheet sheet;
    do {
        sheet = buildSheet(random, settings);
    } while (sheet.tasks.size() > kPageLines);
    return sheet;
}

int fieldWidth(int rangeBase) { return static_cast<int>(platform::blankLedNumber(rangeBase + kRangeWidth).size()); }

QString taskLine(int rangeBase, int first, char sign, int operand, bool showFirst)
{
    const int width = fieldWidth(rangeBase);
    const QString blank(width, u'_');
    return (showFirst ? padded(first, width) : blank) + middle(sign, operand) + blank;
}

QString solutionLine(int rangeBase, int first, char sign, int operand, int result)
{
    const int width = fieldWidth(rangeBase);
    return padded(first, width) + middle(sign, operand) + padded(result, width);
}

int nextSheetDice(int sheetDice) { return sheetDice >= 3 ? 1 : sheetDice + 1; }

int nextSheetRangeBase(int sheetRangeBase) { return sheetRangeBase + 100 > 900 ? 0 : sheetRangeBase + 100; }

QString rangeCaption(int sheetRangeBase)
{
    return platform::blankLedNumber(sheetRangeBase) + u'-' + platform::plainNumber(sheetRangeBase + kRangeWidth);
}

QString diceCaption(int sheetDice) { return platform::blankLedNumber(sheetDice) + QStringLiteral(" Würfel"); }

QString chosenDiceCaption(int sheetDice) { return platform::plainNumber(sheetDice) + QStringLiteral(" Würfel"); }

QString countCaption(qsizetype taskCount) { return platform::blankLedNumber(taskCount) + QStringLiteral(" Aufg."); }

} // namespace worksheets

Sheet buildSheet(platform::Random& random, const SheetSettings& settings)
{
    using namespace worksheets;
    const int base = settings.sheetRangeBase;
    Sheet sheet;
    int chainValue = kStart;

    // The dice first, then the sign: the order of draws is part of the rule.
    auto drawOperand = [&] {
        int sum = 0;
        for (int die = 0; die < settings.sheetDice; ++die) sum += random.between(1, 9);
        return sum;
    };
    auto write = [&](char sign, int operand, bool first) {
        const int result = sign == '+' ? chainValue + operand : chainValue - operand;
        sheet.tasks.append(taskLine(base, base + chainValue, sign, operand, first));
        sheet.solutions.append(solutionLine(base, base + chainValue, sign, operand, base + result));
        chainValue = result;
    };

    // From the middle no first task can leave the range, so it needs no test.
    const int firstOperand = drawOperand();
    write(random.between(1, 2) == 1 ? '+' : '-', firstOperand, true);

    for (int task = 0; task < kFurtherTasks; ++task) {
        int operand = 0;
        char sign = '+';
        // A draw that would leave the range is no task: draw both again.
        do {
            operand = drawOperand();
            sign = random.between(1, 2) == 1 ? '+' : '-';
        } while ((sign == '+' && chainValue + operand > kRangeWidth) || (sign == '-' && chainValue - operand < 0));
        write(sign, operand, false);
        if (chainValue <= 0 || chainValue >= kRangeWidth) break;
    }
    return sheet;
}
