#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/random.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "support/fakes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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
    void twipsBecomeLogicalPixels();
    void paletteHasTheSixteenColours();
    void numbersTravelThroughText();
    void randomNumbersAreUniformWholeNumbers();
    void randomizeSeedsFromTheClock();
    void linePrinterPlacesTextInColumns();
    void messageBoxSpeaksGermanAndKeepsTimersTicking();
    void messageBoxOkAndEscape();
    void switchingKeepsExactlyOneWindowOnScreen();
    void keyPreviewSeesKeysBeforeTheFocusedControl();
    void picturesAreTheSameOnlyWhenShared();
    void dieFacesShowTheirPipPatterns();
};

void PlatformTest::twipsBecomeLogicalPixels()
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
}

void PlatformTest::paletteHasTheSixteenColours()
{
    QCOMPARE(QBColor(0), QColor(0, 0, 0));
    QCOMPARE(QBColor(1), QColor(0, 0, 128));
    QCOMPARE(QBColor(6), QColor(128, 128, 0));
    QCOMPARE(QBColor(7), QColor(192, 192, 192));
    QCOMPARE(QBColor(8), QColor(128, 128, 128));
    QCOMPARE(QBColor(9), QColor(0, 0, 255));
    QCOMPARE(QBColor(12), QColor(255, 0, 0));
    QCOMPARE(QBColor(14), QColor(255, 255, 0));
    QCOMPARE(QBColor(15), QColor(255, 255, 255));
    QCOMPARE(QBColor(16), QColor(0, 0, 0));
    QCOMPARE(QBColor(-1), QColor(0, 0, 0));
}

void PlatformTest::numbersTravelThroughText()
{
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
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const double r = random.Rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
        const int n = random.wholeNumber(18, 1);
        QVERIFY(n >= 1 && n <= 18);
        seen.insert(n);
    }
    QCOMPARE(seen.size(), std::size_t(18));

    StdRandom again;
    again.seed(1234.5);
    StdRandom other;
    other.seed(1234.75);
    random.seed(1234.5);
    const double first = random.Rnd();
    QCOMPARE(again.Rnd(), first);
    QVERIFY(other.Rnd() != first);
}

void PlatformTest::randomizeSeedsFromTheClock()
{
    ScriptedRandom random;
    FixedClock clock;
    clock.seconds = 4321.125;
    Randomize(random, clock);
    QCOMPARE(random.seeds, QList<double>{4321.125});
}

void PlatformTest::linePrinterPlacesTextInColumns()
{
    RecordingPrinter printer;
    printer.setFont(QStringLiteral("Courier New"), 12);
    printer.endLine();
    printer.tab(10);
    printer.print(QStringLiteral("12 + 3 ="));
    printer.tab(34);
    printer.print(QStringLiteral("40 - 5 ="));
    printer.endLine();
    printer.tab(3);
    printer.print(QStringLiteral("abc"));
    printer.tab(2); // already past: one blank apart
    printer.print(QStringLiteral("d"));
    QVERIFY(printer.endDoc());
    QCOMPARE(printer.documents.size(), 1);
    const QStringList page = printer.documents.first();
    QCOMPARE(page.size(), 3);
    QCOMPARE(page[0], QString());
    QCOMPARE(page[1].indexOf(QStringLiteral("12")), 9);
    QCOMPARE(page[1].indexOf(QStringLiteral("40")), 33);
    QCOMPARE(page[2], QStringLiteral("  abc d"));
    QCOMPARE(printer.fontFamily(), QStringLiteral("Courier New"));
    QVERIFY(printer.lines() == QStringList{QString()}); // a fresh page after the job
}

// The real box: German buttons, No preselected, line breaks, and timers that tick meanwhile.
void PlatformTest::messageBoxSpeaksGermanAndKeepsTimersTicking()
{
    QtDialogs dialogs;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start();

    QStringList buttons;
    QString text;
    QString title;
    QString preselected;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        preselected = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QLatin1String("Ja"))
                button->click();
    });
    const MsgResult answer = dialogs.show(nullptr, Message{QStringLiteral("Willst du?\r\r"), QStringLiteral("Frage"),
                                                           MsgButtons::YesNo, MsgIcon::Question, true});
    QCOMPARE(answer, MsgResult::Yes);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(preselected, QStringLiteral("Nein"));
    QCOMPARE(text, QStringLiteral("Willst du?\n\n"));
    QCOMPARE(title, QStringLiteral("Frage"));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(ticks >= 3);
}

void PlatformTest::messageBoxOkAndEscape()
{
    QtDialogs dialogs;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Question;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(dialogs.show(nullptr, Message{QStringLiteral("Fertig"), QStringLiteral("Info")}), MsgResult::Ok);
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(icon, QMessageBox::NoIcon);

    // Escape on a question answers No.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QCOMPARE(dialogs.show(nullptr, Message{QStringLiteral("Ende?"), QStringLiteral("Frage"), MsgButtons::YesNo,
                                           MsgIcon::Critical}),
             MsgResult::No);
}

void PlatformTest::switchingKeepsExactlyOneWindowOnScreen()
{
    QWidget main;
    QWidget reward;
    main.show();
    switchWindow(&main, &reward);
    QVERIFY(reward.isVisible());
    QVERIFY(!main.isVisible());
    switchWindow(&reward, &main);
    QVERIFY(main.isVisible());
    QVERIFY(!reward.isVisible());
    switchWindow(&main, &main);
    QVERIFY(main.isVisible());
}

void PlatformTest::keyPreviewSeesKeysBeforeTheFocusedControl()
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    QList<int> seen;
    new KeyPreview(&window, [&seen](int key) {
        seen.append(key);
        return key == Qt::Key_Left;
    });
    window.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(edit->text(), QStringLiteral("a"));
    QCOMPARE(edit->cursorPosition(), 1); // the window took Left
    QVERIFY(seen.contains(Qt::Key_A));
    QCOMPARE(seen.last(), int(Qt::Key_Left));
}

void PlatformTest::picturesAreTheSameOnlyWhenShared()
{
    const Picture plus = artwork::icon("plus");
    const Picture copy = plus;
    QVERIFY(copy == plus);
    QVERIFY(!(artwork::icon("plus") == plus)); // drawn alike, but another picture
    QVERIFY(Picture().isNull());
    QVERIFY(!(Picture() == plus));
    QCOMPARE(plus.naturalSize(), QSizeF(32, 32));
}

void PlatformTest::dieFacesShowTheirPipPatterns()
{
    auto pips = [](int face) {
        QString grid;
        for (int place = 0; place < 9; ++place)
            grid += artwork::hasPip(face, place) ? u'o' : u'.';
        return grid;
    };
    QCOMPARE(pips(1), QStringLiteral("....o...."));
    QCOMPARE(pips(2), QStringLiteral("o.......o"));
    QCOMPARE(pips(3), QStringLiteral("o...o...o"));
    QCOMPARE(pips(4), QStringLiteral("o.o...o.o"));
    QCOMPARE(pips(5), QStringLiteral("o.o.o.o.o"));
    QCOMPARE(pips(6), QStringLiteral("o.oo.oo.o"));
    QCOMPARE(pips(7), QStringLiteral("o.ooooo.o"));
    QCOMPARE(pips(8), QStringLiteral("oooo.oooo"));
    QCOMPARE(pips(9), QStringLiteral("ooooooooo"));

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
