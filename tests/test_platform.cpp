#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
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
#include <QScreen>
#include <QTimer>
#include <QWindow>
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
    void windowsSwitchCentreAndKeepTheirTimers();
    void onlyALeftClickOverTheControlClicks();
};

void PlatformTest::unitsColoursAndNumberTexts()
{
    // Twips round to the nearest pixel.
    QCOMPARE(QList<int>({px(10365), px(6435), px(495), px(7), px(8), px(-15)}), QList<int>({691, 429, 33, 0, 1, -1}));
    QCOMPARE(twipsRect(4680, 3960, 975, 495), QRect(312, 264, 65, 33));
    QCOMPARE(designFont(QStringLiteral("Verdana"), 42).pixelSize(), 56);
    QCOMPARE(designFont(QStringLiteral("MS Sans Serif"), 8.25).pixelSize(), 11);
    QVERIFY(designFont(QStringLiteral("Courier New"), 12).families().contains(QStringLiteral("Courier New")));

    QStringList palette; // 0..15, and black beyond
    for (int i = 0; i <= 16; ++i) palette += QBColor(i).name();
    QCOMPARE(palette.join(' '), "#000000 #000080 #008000 #008080 #800000 #800080 #808000 #c0c0c0 "
                                "#808080 #0000ff #00ff00 #00ffff #ff0000 #ff00ff #ffff00 #ffffff #000000");

    QCOMPARE(QStringList({plainNumber(57), blankLedNumber(7), blankLedNumber(0), blankLedNumber(-3)}),
             QStringList({"57", " 7", " 0", "-3"}));
    QList<double> values;
    for (const char* text : {" 12", "350", "-27", "42 Sek", "", "abc"}) values += numericValue(QString::fromUtf8(text));
    QCOMPARE(values, QList<double>({12, 350, -27, 42, 0, 0}));
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
    QList<QColor> seen; // the last is on the outline
    for (QPoint at : {QPoint(1, 1), {15, 15}, {35, 35}, {55, 55}, {35, 15}, {35, 0}}) seen += image.pixelColor(at);
    QCOMPARE(seen, QList<QColor>({Qt::red, Qt::black, Qt::black, Qt::black, Qt::white, Qt::black}));
}

void PlatformTest::windowsSwitchCentreAndKeepTheirTimers()
{
    QWidget from, to;
    to.setFixedSize(300, 200);
    centreOnScreen(&to);
    QCOMPARE(to.frameGeometry().center(), to.screen()->availableGeometry().center());
    from.show();
    bool toShownWhenFromHid = false;
    connect(from.windowHandle(), &QWindow::visibleChanged,
            [&](bool on) { toShownWhenFromHid = !on && to.isVisible(); });
    switchWindow(&from, &to);
    switchWindow(&to, &to); // already there: stays
    QCOMPARE(std::tuple(toShownWhenFromHid, from.isVisible(), to.isVisible()), std::tuple(true, false, true));

    // A timer switched on again while it runs keeps its rhythm: a slider move during a roll does not push the next
    // tick back.
    QTimer timer;
    timer.setInterval(1000);
    keepRunning(timer, true);
    QTest::qWait(300);
    keepRunning(timer, true);
    QVERIFY2(timer.remainingTime() <= 750, qPrintable(QString::number(timer.remainingTime())));
    keepRunning(timer, false);
    QVERIFY(!timer.isActive());
}

// Press and release of the left button over the same control, nothing else, is a click.
void PlatformTest::onlyALeftClickOverTheControlClicks()
{
    QWidget window;
    QWidget* label = new Label(QStringLiteral("Bezeichnung1"), &window, QRect(0, 0, 1500, 1500));
    QWidget* box = new PictureBox(QStringLiteral("Bild1"), &window, QRect(1500, 0, 1500, 1500));
    const QPoint inside(50, 50), outside(150, 50);
    const std::tuple<Qt::MouseButton, Qt::MouseButton, QPoint> presses[] = {
        {Qt::LeftButton, Qt::LeftButton, inside},
        {Qt::RightButton, Qt::RightButton, inside},
        {Qt::MiddleButton, Qt::MiddleButton, inside},
        {Qt::LeftButton, Qt::LeftButton, outside},
        {Qt::RightButton, Qt::LeftButton, inside}};
    QString clicks; // per control, one digit per row
    for (QWidget* control : {label, box}) {
        QSignalSpy spy(control, SIGNAL(clicked()));
        for (auto [press, release, at] : presses) {
            QTest::mousePress(control, press, {}, inside);
            QTest::mouseRelease(control, release, {}, at);
            clicks += QString::number(spy.count());
            spy.clear();
        }
    }
    QCOMPARE(clicks, "1000010000");
}

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
