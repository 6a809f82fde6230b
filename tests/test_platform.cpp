#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/random.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "support/fakes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <set>

using namespace platform;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void unitsColoursAndNumberTexts();
    void randomNumbersAreUniformWholeNumbers();
    void linePrinterPlacesTextInColumns();
    void messageBoxesSpeakGermanAndLetTimersTick();
    void artworkIsSharedAndDrawnToMeasure();
};

void PlatformTest::unitsColoursAndNumberTexts()
{
    QCOMPARE(px(10365), 691);
    QCOMPARE(px(6435), 429);
    QCOMPARE(px(495), 33);
    QCOMPARE(px(7), 0);
    QCOMPARE(px(8), 1); // rounds to the nearest pixel
    QCOMPARE(px(-15), -1);
    QCOMPARE(twipsRect(4680, 3960, 975, 495), QRect(312, 264, 65, 33));
    QCOMPARE(designFont(QStringLiteral("Verdana"), 42).pixelSize(), 56);
    QCOMPARE(designFont(QStringLiteral("MS Sans Serif"), 8.25).pixelSize(), 11);
    QVERIFY(designFont(QStringLiteral("Courier New"), 12).families().contains(QStringLiteral("Courier New")));

    const QList<QColor> expected = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                    {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                    {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) QCOMPARE(QBColor(i), expected[i]);
    QCOMPARE(QBColor(16), QColor(Qt::black));

    QCOMPARE(plainNumber(57), QStringLiteral("57"));
    QCOMPARE(blankLedNumber(7), QStringLiteral(" 7"));
    QCOMPARE(blankLedNumber(0), QStringLiteral(" 0"));
    QCOMPARE(blankLedNumber(-3), QStringLiteral("-3"));
    QCOMPARE(numericValue(QStringLiteral(" 12")), 12.0);
    QCOMPARE(numericValue(QStringLiteral("350")), 350.0);
    QCOMPARE(numericValue(QStringLiteral("-27")), -27.0);
    QCOMPARE(numericValue(QStringLiteral("42 Sek")), 42.0);
    QCOMPARE(numericValue(QString()), 0.0);
    QCOMPARE(numericValue(QStringLiteral("abc")), 0.0);
    QCOMPARE(displayText(QStringLiteral("a\rb\r\nc\r")), QStringLiteral("a\nb\nc\n"));
}

void PlatformTest::randomNumbersAreUniformWholeNumbers()
{
    StdRandom random;
    random.seed(1234.5);
    const double first = random.Rnd();
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const double r = random.Rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
        seen.insert(random.wholeNumber(18, 1));
    }
    QCOMPARE(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    random.seed(1234.5);
    QCOMPARE(random.Rnd(), first); // the same seed, the same numbers
    random.seed(1234.75);
    QVERIFY(random.Rnd() != first);
    // Unseeded generators start apart, so the first worksheet of a run is not the same every day.
    QVERIFY(StdRandom().Rnd() != StdRandom().Rnd());

    ScriptedRandom seeded;
    FixedClock clock;
    Randomize(seeded, clock);
    QCOMPARE(seeded.seeds, QList<double>{clock.seconds});
}

void PlatformTest::linePrinterPlacesTextInColumns()
{
    RecordingPrinter printer;
    printer.endLine();
    printer.tab(10);
    printer.print(QStringLiteral("12 + 3 ="));
    printer.tab(34);
    printer.print(QStringLiteral("40 - 5 ="));
    printer.endLine();
    printer.tab(3);
    printer.print(QStringLiteral("abc"));
    printer.tab(2); // already past the column: one blank apart
    printer.print(QStringLiteral("d"));
    QCOMPARE(printer.endDoc(), platform::PrintResult::Printed);
    const QStringList page = {QString(), QString(9, u' ') + "12 + 3 =" + QString(16, u' ') + "40 - 5 =", "  abc d"};
    QCOMPARE(printer.documents, QList<QStringList>{page});
    QCOMPARE(printer.lines(), QStringList{QString()}); // the next job starts on a fresh page
}

// Shows a real box and, while it is open, notes how it looks (text|title|icon|buttons|default),
// waits until `ticks` has moved on by three, then presses the named button or Esc.
static QString showAndPress(const Message& message, const QString& press, MsgResult& answer, const int& ticks)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QStringList buttons;
        for (QAbstractButton* button : box->buttons()) buttons.append(button->text());
        buttons.sort();
        seen = QStringList{box->text(), box->windowTitle(), QString::number(box->icon()), buttons.join(u','),
                           box->defaultButton() ? box->defaultButton()->text() : QString()}
                   .join(u'|');
        const int start = ticks;
        if (!QTest::qWaitFor([&] { return ticks >= start + 3; }, 2000)) seen += QStringLiteral("|timers stood still");
        for (QAbstractButton* button : box->buttons())
            if (button->text() == press) return button->click();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    answer = QtDialogs().show(nullptr, message);
    return seen;
}

// The real box: German buttons, No preselected where asked, line breaks, and timers that tick meanwhile.
void PlatformTest::messageBoxesSpeakGermanAndLetTimersTick()
{
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start();
    MsgResult answer = MsgResult::Ok;
    QCOMPARE(showAndPress({"Willst du?\r\r", "Frage", MsgButtons::YesNo, MsgIcon::Question, true}, "Ja", answer, ticks),
             "Willst du?\n\n|Frage|4|Ja,Nein|Nein");
    QCOMPARE(answer, MsgResult::Yes);
    QCOMPARE(showAndPress({"Fertig\r", "Info"}, "Esc", answer, ticks), "Fertig\n|Info|0|OK|OK");
    QCOMPARE(answer, MsgResult::Ok);
    QCOMPARE(showAndPress({"Ende?", "Frage", MsgButtons::YesNo, MsgIcon::Critical}, "Esc", answer, ticks),
             "Ende?|Frage|3|Ja,Nein|Ja");
    QCOMPARE(answer, MsgResult::No);
}

void PlatformTest::artworkIsSharedAndDrawnToMeasure()
{
    const Picture plus = artwork::icon("plus");
    const Picture copy = plus;
    QVERIFY(copy == plus);
    QVERIFY(!(artwork::icon("plus") == plus)); // drawn alike, but another picture
    QVERIFY(Picture().isNull() && !(Picture() == plus));

    const QStringList patterns = {"....o....", "o.......o", "o...o...o", "o.o...o.o", "o.o.o.o.o",
                                  "o.oo.oo.o", "o.ooooo.o", "oooo.oooo", "ooooooooo"};
    for (int face = 1; face <= 9; ++face) {
        QString grid;
        for (int place = 0; place < 9; ++place) grid += artwork::hasPip(face, place) ? u'o' : u'.';
        QCOMPARE(grid, patterns[face - 1]);
    }

    // At 70 px a side a unit is 10 px: pips centred at 15, 35 and 55; corners show the background.
    QImage image(70, 70, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    artwork::paintDieFace(painter, QRectF(0, 0, 70, 70), 5);
    painter.end();
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(15, 15)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(35, 35)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(55, 55)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(35, 15)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(35, 0)), QColor(Qt::black)); // the outline
}

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
