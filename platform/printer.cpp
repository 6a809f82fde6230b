#include "printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#ifdef PELKO_CUPS
#include <QDir>
#include <QTemporaryFile>
#include <cups/cups.h>
#endif

namespace platform {

#ifdef PELKO_CUPS
namespace {

// Hands a PDF to a queue ("name" or "name/instance") as Qt and lp would: the page size it was laid out on,
// then the destination's own defaults. Says whether CUPS took the job.
bool submit(const QString& queue, const QString& file, const QString& media)
{
    const QByteArray name = queue.section(u'/', 0, 0).toUtf8(), instance = queue.section(u'/', 1).toUtf8();
    cups_dest_t* dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", media.toUtf8().constData(), 0, &options);
    for (int i = 0; dest && i < dest->num_options; ++i)
        if (!cupsGetOption(dest->options[i].name, count, options))
            count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &options);
    const int job =
        cupsPrintFile(name.constData(), QFile::encodeName(file).constData(), "Pelko-Morvelt", count, options);
    cupsFreeOptions(count, options);
    if (dest) cupsFreeDests(1, dest);
    return job != 0;
}

} // namespace
#endif

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
    QString queue;
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return PrintResult::NoPrinter;
        printer.setPrinterName(info.printerName());
        queue = info.printerName();
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile_);
    }
#ifdef PELKO_CUPS
    // Qt submits to CUPS but drops its answer, so a queue that refuses the job would be told as printed.
    // The page goes into a PDF of the queue's own layout instead, and CUPS is asked here.
    QTemporaryFile job(QDir::tempPath() + QStringLiteral("/pelko-morvelt-XXXXXX.pdf"));
    if (!queue.isEmpty()) {
        if (!job.open()) return PrintResult::Failed;
        const QPageLayout layout = printer.pageLayout();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(layout);
        printer.setOutputFileName(job.fileName());
    }
#endif
    printer.setDocName(QStringLiteral("Pelko-Morvelt"));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintResult::Failed;
    painter.setFont(lineFont(fontFamily(), fontPoints()));
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double pitch = linePitch(metrics.lineSpacing(), page.height(), static_cast<int>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) painter.drawText(QPointF(0, metrics.ascent() + i * pitch), text[i]);
    if (!painter.end()) return PrintResult::Failed;
#ifdef PELKO_CUPS
    if (!queue.isEmpty() && !submit(queue, job.fileName(), printer.pageLayout().pageSize().key()))
        return PrintResult::Failed;
#endif
    return PrintResult::Printed;
}

} // namespace platform
