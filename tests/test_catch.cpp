#include "contest/contestwindow.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "support/fakes.h"
#include "support/look.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace platform;

// The rules alone, started on scripted draws, or on a seeded generator when a seed is given.
struct Game {
    explicit Game(std::initializer_list<QPoint> cells = {}, int seed = 0)
        : game(vars, seed ? static_cast<Random&>(real) : static_cast<Random&>(scripted))
    {
        for (QPoint c : cells) // the draws that Int(Rnd * n) turns into these cells, column first
            scripted.values.insert(scripted.values.end(), {(c.x() + 0.5) / kDigitCols, (c.y() + 0.5) / kFieldRows});
        real.seed(seed);
        game.activate();
        game.start();
    }
    QPoint digit(int i) const { return {vars.digitCol[i], vars.digitRow[i]}; }
    Modul1 vars;
    ScriptedRandom scripted;
    StdRandom real;
    CatchGame game;
};

auto messageOf(const Message& m) { return std::tuple(m.text, m.title, m.buttons, m.icon); }

struct ShownFang {
    ShownFang() { switchWindow(&t.program.form1(), &window); }
    QString caption(const char* name) { return control<Label>(&window, name)->caption(); }
    QWidget* catcher() { return control<QWidget>(&window, "Bezeichnung8"); }
    QScrollBar* slider() { return control<QScrollBar>(&window, "HBildlauf1"); }
    const auto& printed() { return control<PictureBox>(&window, "Bild5")->printedText(); }
    bool clockOn() { return control<QTimer>(&window, "Zeit1")->isActive(); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(&window, name), Qt::LeftButton); }
    // Keys go where a player's keys go: to the focused control, which the window previews.
    void keys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, key);
    }
    void walkToNextDigit()
    {
        while (vars.catcherCol != vars.digitCol[1])
            keys({vars.catcherCol < vars.digitCol[1] ? Qt::Key_Right : Qt::Key_Left});
        while (vars.catcherRow != vars.digitRow[1])
            keys({vars.catcherRow < vars.digitRow[1] ? Qt::Key_Down : Qt::Key_Up});
    }
    TestProgram t;
    CatchWindow& window = t.program.fang();
    Modul1& vars = t.program.vars;
};

class TestCatch : public QObject {
    Q_OBJECT
private slots:
    void movesStopAtTheFieldBorders()
    {
        Game g;
        for (auto [col, row, move] : {std::tuple{0, 4, &CatchGame::MoveLeft},
                                      {5, 0, &CatchGame::MoveUp},
                                      {17, 4, &CatchGame::MoveRight},
                                      {5, 10, &CatchGame::MoveDown}}) {
            g.vars.catcherCol = col;
            g.vars.catcherRow = row;
            (g.game.*move)();
            QCOMPARE(QPoint(g.vars.catcherCol, g.vars.catcherRow), QPoint(col, row));
        }
    }

    void onlyTheNextDigitIsCaughtAndTakenCellsAreDrawnAgain()
    {
        // "0" first under the catcher at (9, 6), then two cells right; "1" first on that cell, then between.
        Game g({{9, 6}, {11, 6}, {11, 6}, {10, 6}, {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}});
        g.game.MoveRight(); // passes over "1"
        g.game.MoveRight();
        QCOMPARE(std::tuple(g.game.caughtCaption(), g.game.nextCaption(), g.game.restCaption()),
                 std::tuple(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("23456789")));
        const PrintedDigit first = g.game.field().value(0);
        QCOMPARE(std::tuple(g.digit(1), g.digit(9), g.game.field().size(), QPoint(first.col, first.row), first.digit),
                 std::tuple(QPoint(10, 6), QPoint(7, 0), qsizetype(9), QPoint(10, 6), QStringLiteral("1")));
    }

    void jumpsKeepDigitsApartAndOffTheCatcher()
    {
        const std::array moves{&CatchGame::MoveUp, &CatchGame::MoveDown, &CatchGame::MoveLeft, &CatchGame::MoveRight};
        for (int seed = 1; seed <= 100; ++seed) {
            Game g({}, seed);
            // Wander to every border and catch what comes underfoot; the digits jump every second.
            for (int second = 1; second <= 60; ++second) {
                for (int i = 0; i < 3; ++i) (g.game.*moves[std::size_t(g.real.Rnd() * 4)])();
                g.game.tick(1);
                QList<QPoint> taken{{g.vars.catcherCol, g.vars.catcherRow}};
                for (int i = 1; i <= g.vars.catchSequence.size(); ++i) {
                    QVERIFY(QRect(0, 0, 17, 11).contains(g.digit(i)) && !taken.contains(g.digit(i)));
                    taken.append(g.digit(i));
                }
                QCOMPARE(g.game.field().size(), g.vars.catchSequence.size());
            }
        }
    }

    void sliderSetsTheJumpSecondsAndItsLabel()
    {
        const auto jumps = [](int period, int lastSecond, int changeAt = 0, int newPeriod = 0) {
            ShownFang fang;
            fang.slider()->setValue(period);
            fang.click("Bild5");
            QList<int> at;
            for (int second = 1; second <= lastSecond; ++second) {
                const auto before = std::pair(fang.vars.digitCol, fang.vars.digitRow);
                fang.window.Zeit1_Timer();
                if (before != std::pair(fang.vars.digitCol, fang.vars.digitRow)) at.append(second);
                if (second == changeAt) fang.slider()->setValue(newPeriod);
            }
            return std::pair(at, fang.caption("Bezeichnung9"));
        };
        QCOMPARE(jumps(3, 10), std::pair(QList<int>{3, 6, 9}, QStringLiteral("3")));
        QCOMPARE(jumps(15, 31), std::pair(QList<int>{15, 30}, QStringLiteral("15")));
        // A new period counts from the next tick on, against the total seconds.
        QCOMPARE(jumps(10, 16, 9, 4), std::pair(QList<int>{12, 16}, QStringLiteral("4")));
    }

    void catchingTheNineTellsTheTimeAndReturns()
    {
        ShownFang fang;
        fang.click("Bild5");
        for (int i = 0; i < 7; ++i) fang.window.Zeit1_Timer();
        QString duringResult; // clock, catcher, then the row of caught, next and remaining digits
        fang.t.dialogs.whileOpen = [&](const Message&) {
            duringResult =
                QStringList{fang.clockOn() ? "on" : "off", fang.catcher()->isVisibleTo(&fang.window) ? "+" : "",
                            fang.caption("Bezeichnung4"), fang.caption("Bezeichnung3"), fang.caption("Bezeichnung5")}
                    .join('|');
            fang.window.Zeit1_Timer();
        };
        for (int digit = 0; digit <= 9; ++digit) fang.walkToNextDigit();
        QCOMPARE(messageOf(fang.t.dialogs.shown.value(0)),
                 std::tuple(QStringLiteral("Du hast es in 7 Sekunden geschafft.\r"), QStringLiteral("Wendolix"),
                            MsgButtons::Ok, MsgIcon::None));
        QCOMPARE(std::tuple(fang.t.dialogs.shown.size(), duringResult, fang.caption("Bezeichnung6"),
                            fang.caption("Bezeichnung3")),
                 std::tuple(qsizetype(1), QStringLiteral("off|+|0123456789||"), QStringLiteral("7"), QString()));
        QVERIFY(!fang.clockOn() && !fang.window.isVisible() && fang.t.program.form1().isVisible());
    }

    void helpAndExitQuestionKeepTheClockRunningYesLeavesNextVisitWaitsAfresh()
    {
        ShownFang fang;
        fang.click("Bild5");
        fang.walkToNextDigit();
        fang.t.dialogs.whileOpen = [&](const Message&) {
            if (fang.clockOn()) fang.window.Zeit1_Timer();
        };
        fang.click("Bild2");
        fang.click("Bild1");
        QCOMPARE(messageOf(fang.t.dialogs.shown.value(1)),
                 std::tuple(QStringLiteral("Dieses Spiel jetzt beenden?\r"), QStringLiteral("Zahlenfange"),
                            MsgButtons::YesNo, MsgIcon::Critical));
        QCOMPARE(
            messageOf(fang.t.dialogs.shown.value(0)),
            std::tuple(QStringLiteral("Du musst die Ziffern von 0 bis 9 der Reihe\rnach fangen. Gesteuert wird mit "
                                      "den vier\rPfeiltasten rechts auf deiner PC-Tastatur.\r"),
                       QStringLiteral("Zahlfange: Hilfe"), MsgButtons::Ok, MsgIcon::None));
        QCOMPARE(std::tuple(fang.window.isVisible(), fang.clockOn(), fang.caption("Bezeichnung6"),
                            fang.caption("Bezeichnung4")),
                 std::tuple(true, true, QStringLiteral("2"), QStringLiteral("0")));

        fang.t.dialogs.answers.push_back(MsgResult::Yes);
        fang.keys({Qt::Key_Escape});
        QVERIFY(fang.t.dialogs.shown.size() == 3 && !fang.window.isVisible() && fang.t.program.form1().isVisible());

        // A fresh game as designed, whatever other windows left in the shared variables; arrow keys wait for the
        // start click.
        fang.vars.catcherCol = 3;
        switchWindow(&fang.t.program.form1(), &fang.window);
        fang.keys({Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left});
        const QString bold = " MS Sans Serif 8.25 bold", big = " MS Sans Serif 18 bold";
        const QStringList want = {
            "fang 0,0 7350x6015 'Zahlenfange' back 0,0,128" + bold,
            "Bild1 120,120 495x495 back 0,0,128",
            "Bild2 6720,120 495x495 back 0,0,128",
            "Figur3 720,120 1215x495 fill 255,255,255",
            "Figur1 1920,120 4215x495 fill 255,255,255",
            "Figur2 6120,120 495x495 fill 255,255,255",
            "Bezeichnung6 840,240 495x255 '0' 0,0,0 on clear" + bold + " right", // the frames show through
            "Bezeichnung7 1320,240 495x255 ' Sek' 0,0,0 on clear" + bold + " centred",
            "Bezeichnung1 2040,240 735x255 'schnell' 0,0,0 on clear" + bold + " right",
            "HBildlauf1 2880,240 2175x255 3..15 at 10",
            "Bezeichnung2 5160,240 855x255 'langsam' 0,0,0 on clear" + bold + " left",
            "Bezeichnung9 6240,240 255x255 '10' 0,0,0 on clear" + bold + " right",
            "Bild5 120,720 7095x4575 back " + rgb(QApplication::palette().color(QPalette::Base)) + " text " +
                rgb(QApplication::palette().color(QPalette::Text)) + big +
                " line 3 from 0 '          Zum Starten hier klicken . . .'"
                " line 5 from 0 '          (Anleitung über Hilfe-Knopf)'",
            "Bezeichnung8 3600,2400 255x375 '+' 255,0,0 on 255,0,0" + big + " centred hidden",
            "Bezeichnung4 120,5400 3375x495 '' 0,192,0 on 192,255,192" + big + " right framed",
            "Bezeichnung3 3480,5400 495x495 '0' 255,0,0 on 255,192,192" + big + " centred framed",
            "Bezeichnung5 3960,5400 3255x495 '123456789' 0,0,255 on 192,255,255" + big + " left framed"};
        QStringList seen;
        for (const QString& row : want) {
            const QByteArray name = row.section(' ', 0, 0).toLatin1();
            seen += look(name == "fang" ? &fang.window : control<QWidget>(&fang.window, name.constData()));
        }
        QCOMPARE(seen, want);
        QVERIFY(!fang.clockOn());
        fang.click("Bild5");
        fang.keys({Qt::Key_Right, Qt::Key_Up});
        QCOMPARE(std::tuple(fang.catcher()->pos(), fang.printed().value(4).twipsPos, fang.printed().value(4).text),
                 std::tuple(twipsPoint(4000, 2000), QPoint(fang.vars.digitCol[5], fang.vars.digitRow[5]) * 400,
                            QStringLiteral("4")));

        // Leaving through the title bar ends the game the same way.
        fang.window.close();
        QVERIFY(fang.t.program.form1().isVisible() && !fang.clockOn());
    }

    // Only coming on screen by the program's hand starts a game afresh. The window is activated again
    // when a real box over it closes, and shown again (spontaneously) when restored from the task bar:
    // the running game stays. Offscreen, no window is active once a box has gone; a desktop's window
    // manager activates the box's parent then, as the test does here.
    void realBoxesAndRestoringLeaveTheGameRunning()
    {
        TestProgram t;
        QtDialogs dialogs;
        Services services{dialogs, t.scripted, t.clock, t.printer, t.clipboard, [] {}};
        CatchWindow window(t.program.vars, services);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(control<QWidget>(&window, "Bild5"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        window.Zeit1_Timer();
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (QTest::qWaitFor([&] { return QApplication::activeWindow() == box; })) seen = box->windowTitle();
            box->buttons().value(0)->click();
        });
        QTest::mouseClick(control<QWidget>(&window, "Bild2"), Qt::LeftButton);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.showMinimized();
        window.showNormal();
        QCOMPARE(std::tuple(seen, window.game().phase(), control<Label>(&window, "Bezeichnung6")->caption(),
                            t.program.vars.catcherCol),
                 std::tuple(QStringLiteral("Zahlfange: Hilfe"), CatchPhase::Running, QStringLiteral("1"), 8));
    }
};

QTEST_MAIN(TestCatch)
#include "test_catch.moc"
