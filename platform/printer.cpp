#include "printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

void LinePrinter::setFont(const QString& family, double points)
{
    family_ = family;
    points_ = points;
}

void LinePrinter::tab(int column)
{
    QString& line = lines_.last();
    const int wanted = std::max(column, 1) - 1;
    if (line.size() < wanted)
        line += QString(wanted - line.size(), u' ');
    else if (line.size() > wanted)
        line += u' '; // past the column already: at least one blank apart
}

void LinePrinter::print(const QString& text) { lines_.last() += text; }

void LinePrinter::endLine() { lines_.append(QString()); }

QStringList LinePrinter::takeLines()
{
    QStringList done = lines_;
    if (done.last().isEmpty()) done.removeLast();
    lines_ = QStringList{QString()};
    return done;
}

PrintResult SystemPrinter::endDoc()
{
    const QStringList text = takeLines();
    QPrinter printer(QPrinter::HighResolution);
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return PrintResult::NoPrinter;
        printer.setPrinterName(info.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile_);
    }
    printer.setDocName(QStringLiteral("Pelko-Morvelt"));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintResult::Failed;
    QFont font(fontFamily());
    font.setPointSizeF(fontPoints());
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double y = metrics.ascent();
    for (const QString& line : text) {
        if (y > page.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(QPointF(0, y), line);
        y += metrics.lineSpacing();
    }
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

} // namespace platform
