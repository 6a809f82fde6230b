#include "printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

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

QFont lineFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    return font;
}

double linePitch(double naturalSpacing, double printableHeight, int lineCount)
{
    if (lineCount <= 0) return naturalSpacing;
    return std::min(naturalSpacing, printableHeight / lineCount);
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
    painter.setFont(lineFont(fontFamily(), fontPoints()));
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double pitch = linePitch(metrics.lineSpacing(), page.height(), static_cast<int>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) painter.drawText(QPointF(0, metrics.ascent() + i * pitch), text[i]);
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

} // namespace platform
