#include "platform/printer.h"
#include "worksheets/sheetoutput.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace platform;

namespace {

// A worksheet line in the range 0 - 100 (16 characters) or 900 - 1000 (18).
QString sheetLine(const QString& first, int operand, const QString& result, int width)
{
    return first.rightJustified(width) + QStringLiteral(" + ") + QString::number(operand).rightJustified(2) +
           QStringLiteral(" = ") + result.rightJustified(width);
}

// Solution lines whose first numbers count up from `start`, so no two lines are alike
// and a line printed in the wrong place cannot pass for another.
QStringList solutionLines(int count, int start, int width)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const int operand = i % 9 + 1;
        lines << sheetLine(QString::number(start + i), operand, QString::number(start + i + operand), width);
    }
    return lines;
}

// The page a sheet must give, as character lines: two empty lines, then 30 rows,
// each followed by an empty line, with lines r, r + 30, r + 60 from columns 10, 34, 58.
QStringList expectedPage(const QStringList& lines)
{
    QStringList page{QString(), QString()};
    for (int row = 0; row < 30; ++row) {
        QString text;
        for (int column = 0; column < 3; ++column) {
            const int index = row + 30 * column;
            if (index >= lines.size()) continue;
            text = text.leftJustified(9 + 24 * column) + lines[index];
        }
        page << text << QString();
    }
    return page;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("FAILED: %1 %2: %3")
            .arg(program, arguments.join(u' '), QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    QString text;
    double x, y; // top-left corner in points, from the page's top-left corner
};

QList<Word> wordsOf(const QString& pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Word> words;
    for (const auto& m : word.globalMatch(html))
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    return words;
}

int pageCount(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"), QRegularExpression::MultilineOption);
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// How the printed page is laid out, in points: what a default printer of this machine gives.
struct Grid {
    QPointF origin; // top-left corner of the printable area
    double charWidth, pitch;
    int lines;
};

Grid expectedGrid(int lineCount)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const QFontMetricsF metrics(lineFont(QStringLiteral("Courier New"), 12), &printer);
    const double toPoints = 72.0 / printer.resolution();
    return {area.topLeft(), metrics.horizontalAdvance(u'0') * toPoints,
            std::min(metrics.lineSpacing() * toPoints, area.height() / lineCount), lineCount};
}

// Puts every word of the PDF on the character grid and reads the page back as lines.
// A word off its cell by more than a little is a layout fault, whatever line it rounds to.
QStringList readBack(const QList<Word>& words, const Grid& grid, QStringList& misplaced)
{
    QStringList page(grid.lines);
    for (const Word& w : words) {
        const double column = (w.x - grid.origin.x()) / grid.charWidth;
        const double line = (w.y - grid.origin.y()) / grid.pitch;
        const int c = static_cast<int>(std::lround(column)), l = static_cast<int>(std::lround(line));
        if (std::abs(column - c) > 0.2 || std::abs(line - l) > 0.35 || c < 0 || l < 0 || l >= grid.lines) {
            misplaced << QStringLiteral("%1 at column %2, line %3").arg(w.text).arg(column + 1).arg(line);
            continue;
        }
        QString& text = page[l];
        if (text.size() > c) misplaced << QStringLiteral("%1 overlaps column %2 of line %3").arg(w.text).arg(c + 1).arg(l);
        text = text.leftJustified(c) + w.text;
    }
    return page;
}

// Prints `lines` as a worksheet into a PDF and reads the page back.
QStringList printAndRead(const QStringList& lines, QString& failure)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    SystemPrinter printer(pdf);
    worksheets::printSheet(printer, lines);
    if (printer.endDoc() != PrintResult::Printed) {
        failure = QStringLiteral("the PDF was not printed");
        return {};
    }
    if (const int pages = pageCount(pdf); pages != 1) {
        failure = QStringLiteral("%1 pages instead of one").arg(pages);
        return {};
    }
    QStringList misplaced;
    const QStringList page = readBack(wordsOf(pdf), expectedGrid(62), misplaced);
    if (!misplaced.isEmpty()) failure = misplaced.join(QStringLiteral("; "));
    return page;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pitchShrinksOnlyWhenTheLinesWouldNotFit_data();
    void pitchShrinksOnlyWhenTheLinesWouldNotFit();
    void courierNewPrintsInFixedPitch();
    void sheetPrintsInThreeDoubleSpacedColumnsOnOnePage_data();
    void sheetPrintsInThreeDoubleSpacedColumnsOnOnePage();
    void withoutAPrinterNothingIsPrinted();
};

void PrintingTest::initTestCase()
{
    // No print server answers here, so the machine's own printers stay out of the test.
    QTemporaryDir dir;
    qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("nobody-listens.sock")).toLocal8Bit());
    QVERIFY2(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).size() > 0,
             "pdftotext is missing: run scripts/install-deps.sh");
}

void PrintingTest::pitchShrinksOnlyWhenTheLinesWouldNotFit_data()
{
    QTest::addColumn<double>("natural");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("pitch");
    QTest::newRow("roomy page keeps the natural spacing") << 13.6 << 1000.0 << 62 << 13.6;
    QTest::newRow("exact fit") << 13.6 << 13.6 * 62 << 62 << 13.6;
    QTest::newRow("A4 with margins is too short") << 13.6 << 775.0 << 62 << 12.5;
    QTest::newRow("Letter with margins is shorter still") << 13.6 << 720.0 << 62 << 720.0 / 62;
    QTest::newRow("no lines") << 13.6 << 775.0 << 0 << 13.6;
}

void PrintingTest::pitchShrinksOnlyWhenTheLinesWouldNotFit()
{
    QFETCH(double, natural);
    QFETCH(double, height);
    QFETCH(int, lines);
    QFETCH(double, pitch);
    QCOMPARE(linePitch(natural, height, lines), pitch);
    QVERIFY(lines == 0 || linePitch(natural, height, lines) * lines <= height + 1e-9);
}

void PrintingTest::courierNewPrintsInFixedPitch()
{
    const QFont font = lineFont(QStringLiteral("Courier New"), 12);
    QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
    QCOMPARE(QFontInfo(font).pointSizeF(), 12.0);
    const QFontMetricsF metrics(font);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("____")), metrics.horizontalAdvance(QStringLiteral("  57")));
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")));
}

void PrintingTest::sheetPrintsInThreeDoubleSpacedColumnsOnOnePage_data()
{
    QTest::addColumn<QStringList>("lines");

    QStringList tasks{sheetLine(QStringLiteral("50"), 7, QStringLiteral("____"), 4)};
    for (int i = 1; i < 45; ++i) tasks << sheetLine(QStringLiteral("____"), i % 9 + 1, QStringLiteral("____"), 4);
    QTest::newRow("45 tasks: a full first column, half a second") << tasks;
    QTest::newRow("90 solutions fill the page") << solutionLines(90, 10, 4);
    QTest::newRow("100 solutions of 18 characters: the last 10 stay off") << solutionLines(100, 900, 5);
    QTest::newRow("2 lines") << solutionLines(2, 50, 4);
}

void PrintingTest::sheetPrintsInThreeDoubleSpacedColumnsOnOnePage()
{
    QFETCH(QStringList, lines);
    QString failure;
    const QStringList page = printAndRead(lines, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QStringList expected = expectedPage(lines);
    for (int line = 0; line < 62; ++line)
        QVERIFY2(page[line] == expected[line], qPrintable(QStringLiteral("line %1: \"%2\", expected \"%3\"")
                                                              .arg(line)
                                                              .arg(page[line], expected[line])));
}

void PrintingTest::withoutAPrinterNothingIsPrinted()
{
    SystemPrinter printer;
    worksheets::printSheet(printer, solutionLines(3, 50, 4));
    QCOMPARE(printer.endDoc(), PrintResult::NoPrinter);
    QCOMPARE(printer.lines(), QStringList{QString()}); // the next job starts afresh
}

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
