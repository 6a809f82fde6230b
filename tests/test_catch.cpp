#include "contest/contestwindow.h"
#include "platform/scale.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "support/fakes.h"

#include <QScrollBar>

using namespace platform;

namespace {

struct ShownFang {
    ShownFang() { switchWindow(&t.program.contestWindow(), &window); }
    // Seconds, then the row of caught, next and remaining digits; and whether the clock and the catcher are on.
    QString seen()
    {
        QStringList all;
        for (const char* name : {"Bezeichnung6", "Bezeichnung4", "Bezeichnung3", "Bezeichnung5"})
            all += caption(&window, name);
        all += control<QTimer>(&window, "Zeit1")->isActive() ? "ticks" : "still";
        return all.join('|') + (control(&window, "Bezeichnung8")->isVisible() ? "|+" : "|");
    }
    Input input() const { return way == "touch" ? Input::Touch : Input::Mouse; }
    // Keys go where a player's keys go: to the focused control, which the window previews. A swipe runs one cell
    // that way from the middle of the catcher while it is shown, else of the field.
    void keys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys) {
            QWidget* on = control(&window, control(&window, "Bezeichnung8")->isVisible() ? "Bezeichnung8" : "Bild5");
            const QPoint from = on->rect().center(), cells((key == Qt::Key_Right) - (key == Qt::Key_Left),
                                                           (key == Qt::Key_Down) - (key == Qt::Key_Up));
            way != "mouse" && way != "touch" ? QTest::keyClick(window.focusWidget(), key)
                                             : drag(input(), on, from, from + cells * px(400));
        }
    }
    void walkToNextDigit()
    {
        const CatchGame& game = window.game();
        for (int n = 0; n < 18 && game.catcherCol() != game.nextDigitCol(); ++n)
            keys({game.catcherCol() < game.nextDigitCol() ? Qt::Key_Right : Qt::Key_Left});
        for (int n = 0; n < 11 && game.catcherRow() != game.nextDigitRow(); ++n)
            keys({game.catcherRow() < game.nextDigitRow() ? Qt::Key_Down : Qt::Key_Up});
    }
    const auto& printed() { return control<PictureBox>(&window, "Bild5")->printedText(); }
    QPoint catcherAt() { return control(&window, "Bezeichnung8")->pos(); }
    // Steered as the test's row is named: by "keys", or by swipes of the "mouse" or a finger ("touch"), which also tap.
    const QString way = QTest::currentDataTag();
    TestProgram t;
    CatchWindow& window = t.program.catchWindow();
};

} // namespace

class TestCatch : public QObject {
    Q_OBJECT
    static void ways()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"keys", "mouse", "touch"}) QTest::newRow(way) << way;
    }
private slots:
    // Digits are drawn column first into free cells; only the next one can be caught, the others are passed over.
    void onlyTheNextDigitIsCaughtAndTakenCellsAreDrawnAgain()
    {
        ScriptedRandom random;
        CatchGame game(random);
        // "0" first under the catcher at (9, 6), then two cells right; "1" first on that cell, then between.
        const int cells[][2] = {{9, 6}, {11, 6}, {11, 6}, {10, 6}, {0, 0}, {1, 0},
                                {2, 0}, {3, 0},  {4, 0},  {5, 0},  {6, 0}, {16, 10}};
        for (auto [col, row] : cells) random.values.insert(random.values.end(), {(col + 0.5) / 17, (row + 0.5) / 11});
        game.activate();
        game.start();
        game.moveRight(); // passes over "1"
        game.moveRight();
        QStringList field;
        for (const PrintedDigit& d : game.field()) field += QString("%1@%2,%3").arg(d.digit).arg(d.col).arg(d.row);
        QCOMPARE(field.join(' '), "1@10,6 2@0,0 3@1,0 4@2,0 5@3,0 6@4,0 7@5,0 8@6,0 9@16,10");
    }

    // A swipe steps the way it mostly goes, sideways on an exact diagonal, once it covers half a cell that way.
    void aSwipeStepsTheWayItMostlyGoes()
    {
        QString steps;
        for (QPoint way : {QPoint(200, 0), {199, 0}, {-200, 150}, {150, -200}, {-199, 200}, {-250, 250}, {250, -250}})
            steps += "-UDLR"[int(swipeMove(QPoint(3000, 2000), QPoint(3000, 2000) + way, 400))];
        QCOMPARE(steps, "R-LUDLR");
    }

    // The catcher stops at the borders, one column further right than any digit goes; swipes steer as the keys.
    void theCatcherStopsAtTheBorders_data() { ways(); }
    void theCatcherStopsAtTheBorders()
    {
        ShownFang fang;
        click(&fang.window, "Bild5", fang.input());
        for (int i = 0; i < 20; ++i) fang.keys({Qt::Key_Right, Qt::Key_Down});
        QCOMPARE(fang.catcherAt(), twipsPoint(17 * 400, 10 * 400));
        for (int i = 0; i < 20; ++i) fang.keys({Qt::Key_Left, Qt::Key_Up});
        QCOMPARE(fang.catcherAt(), twipsPoint(0, 0));
        // At twice the size half a cell is 27 pixels, less is a tap; a swipe whose press ends a double-click steps too.
        setScale(&fang.window, {2.0});
        QWidget* catcher = control(&fang.window, "Bezeichnung8");
        const QPoint middle = catcher->rect().center();
        for (int by : {26, 27}) drag(fang.input(), catcher, middle, middle + QPoint(by, 0));
        QMouseEvent again(QEvent::MouseButtonDblClick, middle, catcher->mapToGlobal(middle), Qt::LeftButton, {}, {});
        QApplication::sendEvent(catcher, &again);
        QTest::mouseRelease(catcher, Qt::LeftButton, {}, middle + QPoint(27, 0));
        QCOMPARE(fang.window.game().catcherCol(), 2);
    }

    // The speed, 3 to 15 and 10 at first, shows beside the slider; digits jump when the seconds are a multiple of it.
    void digitsJumpWhenTheSecondsAreAMultipleOfTheSpeed_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("jumps");
        QTest::newRow("as the window opens") << 0 << QStringLiteral("10") << "10 20";
        QTest::newRow("faster than the fastest") << 2 << QStringLiteral("3") << "3 6 9 12 15 18";
        QTest::newRow("slower than the slowest") << 16 << QStringLiteral("15") << "15";
    }
    void digitsJumpWhenTheSecondsAreAMultipleOfTheSpeed()
    {
        QFETCH(int, set);
        ShownFang fang;
        if (set) control<QScrollBar>(&fang.window, "HBildlauf1")->setValue(set);
        QTEST(caption(&fang.window, "Bezeichnung9"), "speed");
        click(&fang.window, "Bild5");
        QStringList jumps;
        for (int second = 1; second <= 20; ++second) {
            const QPoint zero = fang.printed().value(0).twipsPos;
            fang.window.clockTick();
            if (fang.printed().value(0).twipsPos != zero) jumps += QString::number(second);
        }
        QTEST(jumps.join(' '), "jumps");
    }

    // The clock counts the seconds up to the last catch, when it stops and the time is told, just once.
    void theClockCountsTheSecondsUntilTheLastCatch_data() { ways(); }
    void theClockCountsTheSecondsUntilTheLastCatch()
    {
        ShownFang fang;
        click(&fang.window, "Bild5", fang.input());
        for (int i = 0; i < 7; ++i) fang.window.clockTick();
        QString duringResult;
        fang.t.dialogs.whileOpen = [&](const Message&) {
            duringResult = fang.seen();
            fang.window.clockTick();
        };
        for (int digit = 0; digit <= 9; ++digit) fang.walkToNextDigit();
        QCOMPARE(messages(fang.t.dialogs), QStringList{"Du hast es in 7 Sekunden geschafft.\r|Wendolix|OK||"});
        QCOMPARE(duringResult, "7|0123456789|||still|+");
        QVERIFY(!fang.window.isVisible() && fang.t.program.contestWindow().isVisible());
    }

    // Help explains the keys, Esc asks; the game and its clock run on behind a box, after a No and a restore.
    void theGameRunsOnBehindBoxesAndTheTaskBar()
    {
        ShownFang fang;
        click(&fang.window, "Bild5");
        fang.walkToNextDigit();
        fang.t.dialogs.whileOpen = [&](const Message&) {
            fang.window.clockTick();
            for (auto type : {QEvent::WindowActivate, QEvent::FocusIn}) {
                QEvent event(type);
                QCoreApplication::sendEvent(&fang.window, &event);
            }
        };
        click(&fang.window, "Bild2");
        fang.keys({Qt::Key_Escape});
        fang.window.showMinimized();
        fang.window.showNormal();
        QCOMPARE(messages(fang.t.dialogs), QStringList({"Du musst die Ziffern von 0 bis 9 der Reihe\rnach fangen. "
                                                        "Gesteuert wird mit den vier\rPfeiltasten rechts auf deiner "
                                                        "PC-Tastatur.\r|Zahlfange: Hilfe|OK||",
                                                        "Dieses Spiel jetzt beenden?\r|Zahlenfange|YesNo|!|"}));
        QCOMPARE(fang.seen(), "2|0|1|23456789|ticks|+");
    }

    // A game left is over: the next visit invites the start click, takes no keys or swipes before it, starts at the
    // home cell.
    void aGameLeftStartsAfreshAtTheNextVisit_data() { ways(); }
    void aGameLeftStartsAfreshAtTheNextVisit()
    {
        ShownFang fang;
        click(&fang.window, "Bild5", fang.input());
        fang.walkToNextDigit();
        fang.t.dialogs.answers.push_back(MsgResult::Yes);
        click(&fang.window, "Bild1");
        QVERIFY(!fang.window.isVisible() && fang.t.program.contestWindow().isVisible());
        switchWindow(&fang.t.program.contestWindow(), &fang.window);
        fang.keys({Qt::Key_Right, Qt::Key_Down});
        QCOMPARE(fang.seen(), "0||0|123456789|still|");
        QCOMPARE(fang.printed().value(0).text, "          Zum Starten hier klicken . . .");
        QCOMPARE(fang.printed().value(1).text, "          (Anleitung über Hilfe-Knopf)");
        click(&fang.window, "Bild5", fang.input());
        fang.keys({Qt::Key_Right, Qt::Key_Up});
        QCOMPARE(fang.catcherAt(), twipsPoint(10 * 400, 5 * 400));
        fang.window.close();
        QVERIFY(fang.t.program.contestWindow().isVisible() && fang.seen().endsWith("still|"));
    }
};

QTEST_MAIN(TestCatch)
#include "test_catch.moc"
