#pragma once

#include "platform/printer.h"

#include <QStringList>

// How a worksheet list leaves the program: on paper or as clipboard text.
namespace worksheets {

// One page in Courier New 12 pt: two empty lines, then 30 double-spaced rows holding
// lines r, r + 30 and r + 60 at character columns 10, 34 and 58. Lines from 90 on are left out.
void printSheet(platform::Printer& printer, const QStringList& lines);

// Every line followed by a carriage return and a line feed, the last one too.
QString clipboardText(const QStringList& lines);

} // namespace worksheets
