#include "platform/printer.h"
#include "support/fakes.h"
#include "worksheets/sheetoutput.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace platform;

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    // No print server answers here, so the machine's own printers stay out of the test.
    void initTestCase() { qputenv("CUPS_SERVER", "/nonexistent/nobody-listens.sock"); }

    // The real printer puts a full sheet on one page, in a fixed-pitch font: read back on a grid of 7.2
    // points, the width of a 12-point Courier character, the page shows the line printer's lines, spacing
    // and columns; a proportional font, lines too far apart for one page or a lost line would all show.
    void aFullSheetPrintsOnOnePageOnTheCharacterGrid()
    {
        QStringList lines; // the widest, 18 characters; no two alike, so a line in a wrong place shows
        for (int i = 0; i < 100; ++i)
            lines += QString("%1 + %2 = %3").arg(900 + i, 5).arg(i % 9 + 1, 2).arg(901 + i + i % 9, 5);
        RecordingPrinter recorder;
        worksheets::printSheet(recorder, lines);
        recorder.endDoc();
        // Two empty lines, then 30 double-spaced rows of lines r, r + 30 and r + 60 from columns 10, 34 and 58.
        const QStringList page = recorder.documents.value(0);
        QCOMPARE(page.size(), 62);
        QCOMPARE(page[1] + page[3] + page[61], QString());
        QCOMPARE(page[2], QString(9, ' ') + lines[0] + QString(6, ' ') + lines[30] + QString(6, ' ') + lines[60]);
        QCOMPARE(page[60], QString(9, ' ') + lines[29] + QString(6, ' ') + lines[59] + QString(6, ' ') + lines[89]);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        SystemPrinter printer(pdf);
        worksheets::printSheet(printer, lines);
        QCOMPARE(printer.endDoc(), PrintResult::Printed);
        const auto run = [](const QString& program, const QStringList& arguments) { // from poppler-utils
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(20000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("\nPages: +1\n")));
        // Read back only what the printable area holds: a line drawn in the margin is lost on paper.
        QPrinter reference(QPrinter::HighResolution);
        reference.setOutputFormat(QPrinter::PdfFormat);
        const QRect area = reference.pageLayout().paintRect(QPageLayout::Point).toRect();
        QStringList crop = {"-x", QString::number(area.x()), "-y", QString::number(area.y())};
        crop += {"-W", QString::number(area.width()), "-H", QString::number(area.height())};
        // The page's margin shifts every line alike: compare without the blanks around the text.
        const auto tidy = [](QStringList page) {
            for (QString& line : page) line = line.trimmed();
            return page.join('\n').trimmed();
        };
        const QString read = run("pdftotext", QStringList{"-fixed", "7.2"} + crop + QStringList{pdf, "-"});
        QCOMPARE(tidy(read.split('\n')), tidy(recorder.documents[0]));
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
