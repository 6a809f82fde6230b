#include "contest/contestwindow.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

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
    // Keys go where a player's keys go: to the focused control, which the window previews.
    void keys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key);
    }
    void walkToNextDigit()
    {
        const CatchGame& game = window.game();
        while (game.catcherCol() != game.nextDigitCol())
            keys({game.catcherCol() < game.nextDigitCol() ? Qt::Key_Right : Qt::Key_Left});
        while (game.catcherRow() != game.nextDigitRow())
            keys({game.catcherRow() < game.nextDigitRow() ? Qt::Key_Down : Qt::Key_Up});
    }
    TestProgram t;
    CatchWindow& window = t.program.catchWindow();
};

} // namespace

class TestCatch : public QObject {
    Q_OBJECT
private slots:
    // Digits are drawn column first into free cells of 17 x 11; only the next one can be caught; the catcher
    // stays on the field.
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
        QCOMPARE(QStringList({game.caughtCaption(), game.nextCaption(), game.restCaption()}),
                 QStringList({"0", "1", "23456789"}));
        // The catcher stops at the borders, one column further right than any digit goes.
        for (int i = 0; i < 20; ++i) game.moveRight(), game.moveDown();
        QCOMPARE(QPoint(game.catcherCol(), game.catcherRow()), QPoint(17, 10));
        for (int i = 0; i < 20; ++i) game.moveLeft(), game.moveUp();
        QCOMPARE(QPoint(game.catcherCol(), game.catcherRow()), QPoint(0, 0));
    }

    // The clock stops with the last catch, the result is told once, and the main window comes back.
    void catchingTheNineTellsTheTimeAndReturns()
    {
        ShownFang fang;
        click(&fang.window, "Bild5");
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

    // The clock runs on while a box is open; its closing, or a restore from the task bar, keeps the game. Yes to
    // the exit question (also asked by Esc) leaves; the next visit is a fresh game waiting for the start click.
    void boxesLeaveTheGameRunningAndTheNextVisitWaitsAfresh()
    {
        ShownFang fang;
        click(&fang.window, "Bild5");
        fang.walkToNextDigit();
        fang.t.dialogs.whileOpen = [&](const Message&) {
            if (fang.seen().contains("ticks")) fang.window.clockTick();
            for (auto type : {QEvent::WindowActivate, QEvent::FocusIn}) {
                QEvent event(type);
                QCoreApplication::sendEvent(&fang.window, &event);
            }
        };
        click(&fang.window, "Bild2");
        click(&fang.window, "Bild1");
        fang.window.showMinimized();
        fang.window.showNormal();
        QCOMPARE(fang.t.dialogs.shown.value(0).title, "Zahlfange: Hilfe");
        QCOMPARE(messages(fang.t.dialogs).value(1), "Dieses Spiel jetzt beenden?\r|Zahlenfange|YesNo|!|");
        QCOMPARE(fang.seen(), "2|0|1|23456789|ticks|+");
        fang.t.dialogs.answers.push_back(MsgResult::Yes);
        fang.keys({Qt::Key_Escape});
        QVERIFY(!fang.window.isVisible() && fang.t.program.contestWindow().isVisible());

        // A memory game in between deals from the same generator; the catcher is the catching game's own.
        MemoryWindow& memo = fang.t.program.memoryWindow();
        switchWindow(&fang.t.program.contestWindow(), &memo);
        click(&memo, "Bezeichnung1");
        memo.close();
        switchWindow(&fang.t.program.contestWindow(), &fang.window);
        fang.keys({Qt::Key_Right, Qt::Key_Down});
        QCOMPARE(control<PictureBox>(&fang.window, "Bild5")->printedText().size(), 2); // the invitation to start
        QCOMPARE(fang.seen(), "0||0|123456789|still|");
        click(&fang.window, "Bild5");
        fang.keys({Qt::Key_Right, Qt::Key_Up});
        QCOMPARE(control(&fang.window, "Bezeichnung8")->pos(), twipsPoint(4000, 2000));
        fang.window.close(); // the title bar ends the game the same way
        QVERIFY(fang.t.program.contestWindow().isVisible() && fang.seen().contains("still"));
    }
};

QTEST_MAIN(TestCatch)
#include "test_catch.moc"
