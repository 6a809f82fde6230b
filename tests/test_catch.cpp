#include "contest/contestwindow.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "support/fakes.h"

#include <QScrollBar>
#include <QtTest>

#include <set>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// Rnd values that Int(Rnd * n) turns into the given cells, column first.
void scriptCells(ScriptedRandom& random, std::initializer_list<QPoint> cells)
{
    for (QPoint cell : cells) {
        random.values.push_back((cell.x() + 0.5) / kDigitCols);
        random.values.push_back((cell.y() + 0.5) / kFieldRows);
    }
}

// Tells a jump by the draws it takes.
class CountingRandom final : public platform::Random {
public:
    void seed(double value) override { inner.seed(value); }
    double Rnd() override { return ++calls, inner.Rnd(); }
    platform::StdRandom inner;
    int calls = 0;
};

auto messageOf(const platform::Message& m) { return std::tuple(m.text, m.title, m.buttons, m.icon); }

// The catching window shown by the main window, as the contest does it.
struct ShownFang {
    explicit ShownFang(platform::Random* random = nullptr) : t(random)
    {
        platform::switchWindow(&t.program.form1(), &window);
    }
    QString caption(const char* name) { return control<platform::Label>(&window, name)->caption(); }
    platform::PictureBox* field() { return control<platform::PictureBox>(&window, "Bild5"); }
    QTimer* clock() { return control<QTimer>(&window, "Zeit1"); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(&window, name), Qt::LeftButton); }
    void walkToNextDigit()
    {
        const int col = vars.digitCol[1], row = vars.digitRow[1];
        while (vars.catcherCol != col)
            QTest::keyClick(&window, vars.catcherCol < col ? Qt::Key_Right : Qt::Key_Left);
        while (vars.catcherRow != row)
            QTest::keyClick(&window, vars.catcherRow < row ? Qt::Key_Down : Qt::Key_Up);
    }

    TestProgram t;
    CatchWindow& window = t.program.fang();
    Modul1& vars = t.program.vars;
};

} // namespace

class TestCatch : public QObject {
    Q_OBJECT
private slots:
    void movesStopAtTheFieldBorders();
    void arrowKeysWaitForTheStartClick();
    void onlyTheNextDigitCanBeCaught();
    void takenCellsAreDrawnAgainForTheSameDigit();
    void jumpsKeepDigitsApartAndOffTheCatcher();
    void digitsJumpAtMultiplesOfTheSliderPeriod();
    void clockRunsOnWhileHelpIsOpen();
    void catchingTheNineShowsTheTimeAndReturns();
    void exitQuestionNoGoesOnYesLeavesAndNextVisitIsFresh();
    void sliderValueLabelFollowsTheSlider();
};

void TestCatch::movesStopAtTheFieldBorders()
{
    Modul1 vars;
    ScriptedRandom random;
    CatchGame game(vars, random);
    game.activate();
    game.start();
    for (auto [col, row, move] : {std::tuple{0, 4, &CatchGame::MoveLeft}, {5, 0, &CatchGame::MoveUp},
                                  {17, 4, &CatchGame::MoveRight}, {5, 10, &CatchGame::MoveDown}}) {
        vars.catcherCol = col;
        vars.catcherRow = row;
        (game.*move)();
        QCOMPARE(std::pair(vars.catcherCol, vars.catcherRow), std::pair(col, row));
    }
    // Standing still at a border still looks for the next digit underfoot.
    vars.catcherCol = vars.catcherRow = vars.digitCol[1] = vars.digitRow[1] = 0;
    game.MoveUp();
    QCOMPARE(game.caughtCaption(), QStringLiteral("0"));
}

void TestCatch::arrowKeysWaitForTheStartClick()
{
    ShownFang fang;
    auto* catcher = control<QWidget>(&fang.window, "Bezeichnung8");
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left})
        QTest::keyClick(&fang.window, key);
    QCOMPARE(std::pair(fang.vars.catcherCol, fang.vars.catcherRow), std::pair(9, 6));
    QVERIFY(!catcher->isVisibleTo(&fang.window) && !fang.clock()->isActive());
    const int line = platform::twips(fang.field()->fontMetrics().lineSpacing());
    const auto& invitation = fang.field()->printedText();
    QCOMPARE(invitation.size(), 2);
    QCOMPARE(std::pair(invitation[0].twipsPos, invitation[0].text),
             std::pair(QPoint(0, 3 * line), QStringLiteral("          Zum Starten hier klicken . . .")));
    QCOMPARE(std::pair(invitation[1].twipsPos, invitation[1].text),
             std::pair(QPoint(0, 5 * line), QStringLiteral("          (Anleitung über Hilfe-Knopf)")));

    fang.click("Bild5");
    QVERIFY(catcher->isVisibleTo(&fang.window) && fang.clock()->isActive());
    const auto& digits = fang.field()->printedText();
    QCOMPARE(digits.size(), 10);
    QCOMPARE(std::pair(digits[4].twipsPos, digits[4].text),
             std::pair(QPoint(fang.vars.digitCol[5] * 400, fang.vars.digitRow[5] * 400), QStringLiteral("4")));
    QTest::keyClick(&fang.window, Qt::Key_Right);
    QTest::keyClick(&fang.window, Qt::Key_Up);
    QCOMPARE(catcher->pos(), platform::twipsPoint(10 * 400, 5 * 400));
}

void TestCatch::onlyTheNextDigitCanBeCaught()
{
    Modul1 vars;
    ScriptedRandom random;
    CatchGame game(vars, random);
    game.activate();
    // "0" right of the catcher, "1" left of it, the rest along the top row.
    scriptCells(random, {{10, 6}, {8, 6}, {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}});
    game.start();
    game.MoveLeft();
    QCOMPARE(std::pair(vars.catchSequence, game.field().size()), std::pair(QStringLiteral("0123456789"), qsizetype(10)));

    game.MoveRight();
    game.MoveRight();
    QCOMPARE(std::tuple(game.caughtCaption(), game.nextCaption(), game.restCaption()),
             std::tuple(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("23456789")));
    QCOMPARE(std::pair(vars.digitCol[1], vars.digitRow[1]), std::pair(8, 6));
    QCOMPARE(std::pair(vars.digitCol[9], vars.digitRow[9]), std::pair(7, 0));
    QCOMPARE(game.field().size(), 9);
    QCOMPARE(std::tuple(game.field()[0].col, game.field()[0].row, game.field()[0].digit),
             std::tuple(8, 6, QStringLiteral("1")));
}

void TestCatch::takenCellsAreDrawnAgainForTheSameDigit()
{
    Modul1 vars;
    ScriptedRandom random;
    CatchGame game(vars, random);
    game.activate();
    // "0" first lands under the catcher, "1" first on the cell "0" ends up in.
    scriptCells(random, {{9, 6}, {2, 3}, {2, 3}, {4, 5}});
    game.start();
    QCOMPARE(std::pair(vars.digitCol[1], vars.digitRow[1]), std::pair(2, 3));
    QCOMPARE(std::pair(vars.digitCol[2], vars.digitRow[2]), std::pair(4, 5));
}

void TestCatch::jumpsKeepDigitsApartAndOffTheCatcher()
{
    const std::array moves{&CatchGame::MoveUp, &CatchGame::MoveDown, &CatchGame::MoveLeft, &CatchGame::MoveRight};
    for (int seed = 1; seed <= 100; ++seed) {
        Modul1 vars;
        platform::StdRandom random;
        random.seed(seed);
        CatchGame game(vars, random);
        game.activate();
        game.start();
        // Wander to every border and catch what comes underfoot; the digits jump every second.
        for (int second = 1; second <= 60; ++second) {
            for (int i = 0; i < 3; ++i)
                (game.*moves[std::size_t(random.Rnd() * 4)])();
            game.tick(1);
            std::set<std::pair<int, int>> cells{{vars.catcherCol, vars.catcherRow}};
            for (int i = 1; i <= vars.catchSequence.size(); ++i) {
                QVERIFY(vars.digitCol[i] >= 0 && vars.digitCol[i] <= 16 && vars.digitRow[i] >= 0 && vars.digitRow[i] <= 10);
                QVERIFY2(cells.insert({vars.digitCol[i], vars.digitRow[i]}).second, qPrintable(QString::number(seed)));
            }
            QCOMPARE(game.field().size(), vars.catchSequence.size());
        }
    }
}

void TestCatch::digitsJumpAtMultiplesOfTheSliderPeriod()
{
    CountingRandom random;
    ShownFang fang(&random);
    auto* slider = control<QScrollBar>(&fang.window, "HBildlauf1");
    const auto jumpsUpTo = [&](int lastSecond, int changeAt = 0, int newPeriod = 0) {
        fang.click("Bild5");
        QList<int> jumps;
        for (int second = 1; second <= lastSecond; ++second) {
            const int before = random.calls;
            fang.window.Zeit1_Timer();
            if (random.calls != before)
                jumps.append(fang.caption("Bezeichnung6").toInt());
            if (second == changeAt)
                slider->setValue(newPeriod);
        }
        fang.window.hide();
        fang.window.show();
        return jumps;
    };
    slider->setValue(3);
    QCOMPARE(jumpsUpTo(10), QList<int>({3, 6, 9}));
    slider->setValue(15);
    QCOMPARE(jumpsUpTo(31), QList<int>({15, 30}));
    // A new period counts from the next tick on, against the total seconds.
    slider->setValue(10);
    QCOMPARE(jumpsUpTo(16, 9, 4), QList<int>({12, 16}));
}

void TestCatch::clockRunsOnWhileHelpIsOpen()
{
    ShownFang fang;
    fang.click("Bild5");
    fang.t.dialogs.whileOpen = [&](const platform::Message&) {
        for (int i = 0; i < 4; ++i)
            fang.window.Zeit1_Timer();
    };
    fang.click("Bild2");
    QCOMPARE(fang.t.dialogs.shown.size(), 1);
    QCOMPARE(messageOf(fang.t.dialogs.shown[0]),
             std::tuple(QStringLiteral("Du musst die Ziffern von 0 bis 9 der Reihe\rnach fangen. Gesteuert wird mit "
                                       "den vier\rPfeiltasten rechts auf deiner PC-Tastatur.\r"),
                        QStringLiteral("Zahlfange: Hilfe"), MsgButtons::Ok, MsgIcon::None));
    QCOMPARE(fang.caption("Bezeichnung6"), QStringLiteral("4"));
}

void TestCatch::catchingTheNineShowsTheTimeAndReturns()
{
    ShownFang fang;
    fang.click("Bild5");
    for (int i = 0; i < 7; ++i)
        fang.window.Zeit1_Timer();
    bool clockRanDuringResult = true;
    bool catcherShownDuringResult = false;
    fang.t.dialogs.whileOpen = [&](const platform::Message&) {
        clockRanDuringResult = fang.clock()->isActive();
        catcherShownDuringResult = control<QWidget>(&fang.window, "Bezeichnung8")->isVisibleTo(&fang.window);
        fang.window.Zeit1_Timer();
    };
    for (int digit = 0; digit <= 9; ++digit)
        fang.walkToNextDigit();

    QCOMPARE(fang.t.dialogs.shown.size(), 1);
    QCOMPARE(messageOf(fang.t.dialogs.shown[0]), std::tuple(QStringLiteral("Du hast es in 7 Sekunden geschafft.\r"),
                                                            QStringLiteral("Wendolix"), MsgButtons::Ok, MsgIcon::None));
    QVERIFY(!clockRanDuringResult);
    QVERIFY(catcherShownDuringResult);
    QCOMPARE(std::tuple(fang.caption("Bezeichnung6"), fang.caption("Bezeichnung4"), fang.caption("Bezeichnung3")),
             std::tuple(QStringLiteral("7"), QStringLiteral("0123456789"), QString()));
    QVERIFY(!fang.clock()->isActive() && !fang.window.isVisible());
    QVERIFY(fang.t.program.form1().isVisible());
}

void TestCatch::exitQuestionNoGoesOnYesLeavesAndNextVisitIsFresh()
{
    ShownFang fang;
    fang.click("Bild5");
    fang.walkToNextDigit();
    fang.window.Zeit1_Timer();
    fang.t.dialogs.whileOpen = [&](const platform::Message&) { fang.window.Zeit1_Timer(); };
    fang.click("Bild1");
    const auto question = std::tuple(QStringLiteral("Dieses Spiel jetzt beenden?\r"), QStringLiteral("Zahlenfange"),
                                     MsgButtons::YesNo, MsgIcon::Critical);
    QCOMPARE(messageOf(fang.t.dialogs.shown.value(0)), question);
    QVERIFY(fang.window.isVisible() && fang.clock()->isActive());
    fang.window.Zeit1_Timer();
    QCOMPARE(std::pair(fang.caption("Bezeichnung6"), fang.caption("Bezeichnung4")),
             std::pair(QStringLiteral("3"), QStringLiteral("0")));

    fang.t.dialogs.answers.push_back(MsgResult::Yes);
    QTest::keyClick(&fang.window, Qt::Key_Escape);
    QCOMPARE(fang.t.dialogs.shown.size(), 2);
    QCOMPARE(messageOf(fang.t.dialogs.shown[1]), question);
    QVERIFY(!fang.window.isVisible() && !fang.clock()->isActive());
    QVERIFY(fang.t.program.form1().isVisible());

    fang.vars.catcherCol = 3; // other windows use it for their own values meanwhile
    platform::switchWindow(&fang.t.program.form1(), &fang.window);
    QCOMPARE(std::tuple(fang.caption("Bezeichnung4"), fang.caption("Bezeichnung3"), fang.caption("Bezeichnung5"),
                        fang.caption("Bezeichnung6")),
             std::tuple(QString(), QStringLiteral("0"), QStringLiteral("123456789"), QStringLiteral("0")));
    QCOMPARE(std::pair(fang.vars.catcherCol, fang.vars.catcherRow), std::pair(9, 6));
    QCOMPARE(fang.field()->printedText().size(), 2);
    QVERIFY(!control<QWidget>(&fang.window, "Bezeichnung8")->isVisibleTo(&fang.window));
    QVERIFY(!fang.clock()->isActive());

    // Leaving through the title bar ends the game the same way.
    fang.click("Bild5");
    fang.window.close();
    QVERIFY(fang.t.program.form1().isVisible());
    QVERIFY(!fang.clock()->isActive());
}

void TestCatch::sliderValueLabelFollowsTheSlider()
{
    ShownFang fang;
    auto* slider = control<QScrollBar>(&fang.window, "HBildlauf1");
    slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(fang.caption("Bezeichnung9"), QStringLiteral("9"));
    slider->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(fang.caption("Bezeichnung9"), QStringLiteral("3"));
}

QTEST_MAIN(TestCatch)
#include "test_catch.moc"
