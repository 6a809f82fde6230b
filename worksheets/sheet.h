#pragma once

#include "platform/random.h"

#include <QString>
#include <QStringList>

// The worksheet's own dice count and number range; they outlive the window for the whole run.
struct SheetSettings {
    int sheetDice = 1;      // 1, 2 or 3 dice summed per task
    int sheetRangeBase = 0; // 0, 100, ..., 900: the sheet's numbers run from here to here + 100
};

// A chain of tasks: line i of the tasks belongs to line i of the solutions.
struct Sheet {
    QStringList tasks;
    QStringList solutions;
};

// Draws one chain from the middle of the range until it lands exactly on an end
// (or 1001 tasks are written). Draws only from `random`, never seeds it.
Sheet buildSheet(platform::Random& random, const SheetSettings& settings);

namespace worksheets {

// One printed page holds this many lines; shorter sheets are drawn for the buttons.
inline constexpr int kPageLines = 90;

// Draws whole sheets until one fits on a page.
Sheet buildPageSheet(platform::Random& random, const SheetSettings& settings);

// Characters of each number column: 4, or 5 for the range 900 - 1000.
int fieldWidth(int rangeBase);

// One task line and its solution line. The first task of a sheet shows its first number;
// every later task leaves it blank, as the child carries the previous result over.
QString taskLine(int rangeBase, int first, char sign, int operand, bool showFirst);
QString solutionLine(int rangeBase, int first, char sign, int operand, int result);

int nextSheetDice(int sheetDice);
int nextSheetRangeBase(int sheetRangeBase);

// The texts of the window's state labels.
QString rangeCaption(int sheetRangeBase);  // " 0-100"
QString diceCaption(int sheetDice);        // " 1 Würfel"
QString chosenDiceCaption(int sheetDice);  // "2 Würfel", as the dice button writes it
QString countCaption(qsizetype taskCount); // " 45 Aufg."

} // namespace worksheets
