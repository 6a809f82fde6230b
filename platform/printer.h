#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

enum class PrintResult {
    Printed,
    NoPrinter, // no default printer is set up
    Failed,    // the job could not be started or finished
};

// A line printer on the default printer: text is placed in character columns
// of a fixed-pitch font, line by line, and sent as one job at endDoc().
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFont(const QString& family, double points) = 0;
    // 1-based character column on the current line.
    virtual void tab(int column) = 0;
    virtual void print(const QString& text) = 0;
    virtual void endLine() = 0;
    // Sends the document and says whether it reached a printer.
    virtual PrintResult endDoc() = 0;
};

// Collects the page as text lines; the real printer and the tests share it.
class LinePrinter : public Printer {
public:
    void setFont(const QString& family, double points) override;
    void tab(int column) override;
    void print(const QString& text) override;
    void endLine() override;

    QString fontFamily() const { return family_; }
    double fontPoints() const { return points_; }

protected:
    // The finished lines, including a pending unfinished one; then starts afresh.
    QStringList takeLines();

private:
    QString family_ = QStringLiteral("Courier New");
    double points_ = 12.0;
    QStringList lines_{QString()};
};

// The font a job is printed in. Columns are counted in characters, so where the
// family is missing fontconfig must choose one of fixed pitch.
QFont lineFont(const QString& family, double points);

// The distance between baselines when `lineCount` lines of a font with the given natural
// line spacing go on a printable height: the natural spacing where they fit, else
// closer, so that a job never runs onto a second page.
double linePitch(double naturalSpacing, double printableHeight, int lineCount);

// Prints each job on one page of the default printer, the lines in a fixed-pitch font
// from the top-left corner of the printable area.
class SystemPrinter final : public LinePrinter {
public:
    SystemPrinter() = default;
    // Prints into this PDF file instead of on the default printer.
    explicit SystemPrinter(QString pdfFile) : pdfFile_(std::move(pdfFile)) {}
    PrintResult endDoc() override;

private:
    QString pdfFile_;
};

} // namespace platform
