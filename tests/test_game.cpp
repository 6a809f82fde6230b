#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using platform::Label;
using platform::Message;
using platform::MsgResult;
using platform::PictureBox;
using platform::QBColor;

namespace {

// The generator's value that makes Int(Rnd * n) + 1 come out as `whole`.
double rndFor(int whole, int n) { return (whole - 0.5) / n; }

struct Game {
    Game()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window did not become active");
    }

    TestProgram t;
    ContestWindow& window = t.program.form1();
    Modul1& vars = t.program.vars;
    Contest& contest = window.contest();

    QString caption(const char* name) { return control<Label>(&window, name)->caption(); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(&window, name), Qt::LeftButton); }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void setArrow(int value) { window.slider()->setValue(value - vars.rangeBase); }

    // Scripts the draws of the coming ticks: fillers, then the given draw on the ninth tick.
    void scriptLastDraw(Sign sign, std::array<int, kDice> faces = {1, 1, 1})
    {
        for (int tick = vars.rollFrame + 1; tick <= 9; ++tick) {
            const bool last = tick == 9;
            t.scripted.values.push_back(rndFor(last && sign == Sign::Minus ? 2 : 1, 2));
            for (int face : faces) t.scripted.values.push_back(rndFor(last ? face : 1, 9));
        }
    }
    // Runs the roll to its end with the given draw.
    void finishRoll(Sign sign, std::array<int, kDice> faces = {1, 1, 1})
    {
        scriptLastDraw(sign, faces);
        while (window.rollTimer().isActive()) window.Zeit1_Timer();
    }
    // Starts a game and rolls the first task.
    void startWith(Sign sign, std::array<int, kDice> faces = {1, 1, 1})
    {
        click("Bild13");
        finishRoll(sign, faces);
    }
    void answer(int value)
    {
        setArrow(value);
        click("Bezeichnung3");
    }
    QStringList titles() const
    {
        QStringList all;
        for (const Message& m : t.dialogs.shown) all.append(m.title);
        return all;
    }
};

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void eachTickDrawsSignThenThreeDiceAndSumsThoseInPlay();
    void rollShowsTheFacesInTheirColoursAndEndsAtTheTenthTick();
    void nextTaskTestsTheTopFirstThenTheBottom();
    void wrongAnswerRepeatsTheTaskAndChangesNothing();
    void correctAnswerAnnouncesCountsAndRolls();
    void confirmationDuringARollCountsAgainWithoutPushingTheTick();
    void memoryRewardClosedEarlyStopsTheRoll();
    void memoryRewardLeftOpenLetsTheRollBuildTheNextTask();
    void memoryRewardOutlivedByTheGameOpensOnlyTheCatchingGame();
    void wholeGameEndsWithTheWinnerAndTheStartState();
    void listsOpenCloseAndChooseSettings();
    void quitHelpAndOtherWindowsFromTheMenu();
    void keyboardAndMouseReachTheAnswerOnly();
    void listsAndScoresShowEveryCharacter();
};

void GameTest::eachTickDrawsSignThenThreeDiceAndSumsThoseInPlay()
{
    // Lowest and highest faces: the operand runs 1..9, 2..18, 3..27.
    const QList<std::tuple<int, std::array<int, kDice>, int>> cases = {{1, {1, 9, 9}, 1}, {1, {9, 1, 1}, 9},
                                                                       {2, {1, 1, 9}, 2}, {2, {9, 9, 1}, 18},
                                                                       {3, {1, 1, 1}, 3}, {3, {9, 9, 9}, 27}};
    for (const auto& [dice, faces, operand] : cases) {
        Game g;
        g.vars.diceCount = dice;
        g.t.scripted.values = {rndFor(2, 2), rndFor(faces[0], 9), rndFor(faces[1], 9), rndFor(faces[2], 9)};
        const Draw drawn = g.contest.draw(g.t.scripted, g.t.clock);
        QCOMPARE(std::tuple(drawn.sign, drawn.faces, g.vars.operand), std::tuple(Sign::Minus, faces, operand));
        QCOMPARE(g.t.scripted.seeds, QList<double>{g.t.clock.seconds}); // seeded from the clock first
    }
}

void GameTest::rollShowsTheFacesInTheirColoursAndEndsAtTheTenthTick()
{
    Game g;
    g.vars.diceCount = 3;
    g.contest.showDice();
    g.click("Bild13");
    g.click("Bild23"); // a list open during the roll closes at the next tick
    g.scriptLastDraw(Sign::Minus, {2, 5, 9});
    for (int tick = 1; tick <= 9; ++tick) g.window.Zeit1_Timer();
    QVERIFY(control<QListWidget>(&g.window, "Liste1")->isHidden());
    QCOMPARE(g.t.scripted.seeds.size(), 9);
    // Middle, right, left: box and frame in palette 16 - d; the sign box in 15 - d of the last die.
    const std::array<std::pair<const char*, const char*>, kDice> dice = {
        {{"Bild13", "Figur1"}, {"Bild19", "Figur5"}, {"Bild18", "Figur4"}}};
    const std::array<int, kDice> faces = {2, 5, 9};
    for (std::size_t die = 0; die < kDice; ++die) {
        auto* box = control<PictureBox>(&g.window, dice[die].first);
        QCOMPARE(box->backColor(), QBColor(16 - faces[die]));
        QCOMPARE(control<platform::Shape>(&g.window, dice[die].second)->fillColor(), QBColor(16 - faces[die]));
        QVERIFY(box->picture() ==
                control<PictureBox>(&g.window, qPrintable(QStringLiteral("Bild%1").arg(faces[die] + 3)))->picture());
    }
    auto* signBox = control<PictureBox>(&g.window, "Bild14");
    QCOMPARE(signBox->backColor(), QBColor(6));
    QVERIFY(signBox->picture() == control<PictureBox>(&g.window, "Bild16")->picture());
    QVERIFY(g.window.rollTimer().isActive());

    g.window.Zeit1_Timer();
    QVERIFY(!g.window.rollTimer().isActive());
    QCOMPARE(g.t.scripted.seeds.size(), 9); // the tenth tick draws nothing
    QCOMPARE(signBox->backColor(), QColor(224, 224, 224));
    QCOMPARE(control<PictureBox>(&g.window, "Bild18")->backColor(), QBColor(7));
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.vars.taskResult), std::tuple(QStringLiteral("50"), 34));
}

void GameTest::nextTaskTestsTheTopFirstThenTheBottom()
{
    // range, arrow, sign, operand -> result, or the game's end (taskResult as left there)
    struct Case {
        int rangeBase, arrow;
        Sign sign;
        int die;
        bool ends;
        int result;
    };
    const QList<Case> cases = {
        {0, 95, Sign::Plus, 4, false, 99},     {0, 95, Sign::Plus, 5, true, 100},
        {0, 5, Sign::Minus, 4, false, 1},      {0, 5, Sign::Minus, 5, true, 0},
        {0, 5, Sign::Minus, 9, true, -4},      {300, 397, Sign::Plus, 9, true, 406},
        {300, 400, Sign::Minus, 9, true, 400}, {300, 399, Sign::Minus, 9, false, 390},
    };
    for (const Case& c : cases) {
        Game g;
        g.vars.rangeBase = c.rangeBase;
        g.click("Bild13");
        g.setArrow(c.arrow); // the arrow moved during the roll starts the next task
        g.finishRoll(c.sign, {c.die, 1, 1});
        // An ended game is back in its start state, so its result is not asked for.
        const int asked = c.ends ? c.rangeBase + 50 : c.result;
        QCOMPARE(std::tuple(c.arrow, g.vars.taskResult, g.titles().size()), std::tuple(c.arrow, asked, c.ends ? 1 : 0));
    }
}

void GameTest::wrongAnswerRepeatsTheTaskAndChangesNothing()
{
    Game g;
    g.startWith(Sign::Plus, {7, 1, 1});
    QCOMPARE(std::tuple(g.caption("Bezeichnung6"), g.vars.turn), std::tuple(QStringLiteral("Freund ist dran!"), 2));
    g.answer(56);
    QCOMPARE(g.t.dialogs.shown.size(), 1);
    const Message& error = g.t.dialogs.shown.first();
    QCOMPARE(std::tuple(error.text, error.title, error.buttons),
             std::tuple(QStringLiteral("\rDie Aufgabe lautet:  50 + 7 = _____\r\r"), QStringLiteral("F e h l e r"),
                        platform::MsgButtons::Ok));
    QCOMPARE(
        std::tuple(g.vars.taskCount, g.window.windowTitle(), g.caption("Bezeichnung6"), g.vars.turn,
                   g.caption("Bezeichnung8")),
        std::tuple(0, QStringLiteral("Pelko-Morvelt (Runde 1)"), QStringLiteral("Freund ist dran!"), 2, QString()));
    QVERIFY(!g.window.rollTimer().isActive());
    QCOMPARE(g.window.focusWidget(), g.window.slider());
}

void GameTest::correctAnswerAnnouncesCountsAndRolls()
{
    Game g;
    g.startWith(Sign::Minus, {3, 1, 1});
    g.answer(47);
    QVERIFY(g.t.dialogs.shown.isEmpty());
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.caption("Bezeichnung8"), g.caption("Bezeichnung6"), g.vars.turn),
             std::tuple(QStringLiteral("50"), QStringLiteral("47"), QStringLiteral("Computer ist dran!"), 2));
    QCOMPARE(std::tuple(g.vars.taskCount, g.vars.rollFrame, g.window.windowTitle()),
             std::tuple(1, 0, QStringLiteral("Pelko-Morvelt (Runde 2)")));
    QVERIFY(g.window.rollTimer().isActive());
    QVERIFY(!g.window.rollTimer().isSingleShot());
    g.finishRoll(Sign::Plus, {4, 1, 1});
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.caption("Bezeichnung8"), g.vars.taskResult, g.vars.turn),
             std::tuple(QStringLiteral("47"), QString(), 51, 1));
    QCOMPARE(g.caption("Bezeichnung6"), QStringLiteral("Computer ist dran!"));
    QCOMPARE(g.vars.helpText, controlsHelp());
}

void GameTest::confirmationDuringARollCountsAgainWithoutPushingTheTick()
{
    Game g;
    g.startWith(Sign::Plus, {2, 1, 1});
    g.answer(52);
    g.window.Zeit1_Timer();
    g.window.Zeit1_Timer();
    QTest::qWait(200);
    const int remaining = g.window.rollTimer().remainingTime();
    g.key(Qt::Key_Return); // still checked against the task just solved
    QCOMPARE(std::tuple(g.vars.taskCount, g.vars.rollFrame, g.window.windowTitle()),
             std::tuple(2, 0, QStringLiteral("Pelko-Morvelt (Runde 3)")));
    // Neither the answer nor the slider moving restarts the timer: the next tick stays due.
    g.key(Qt::Key_Right);
    QVERIFY(g.window.rollTimer().isActive());
    QVERIFY2(g.window.rollTimer().remainingTime() <= remaining, "the roll's rhythm was restarted");
}

void GameTest::memoryRewardClosedEarlyStopsTheRoll()
{
    Game g;
    g.startWith(Sign::Plus, {1, 1, 1});
    g.answer(51);
    g.finishRoll(Sign::Plus, {1, 1, 1});
    g.answer(52);
    g.finishRoll(Sign::Plus, {1, 1, 1});
    g.answer(53); // the third correct answer
    const Message reward = g.t.dialogs.shown.value(0);
    QCOMPARE(std::tuple(reward.text, reward.title, reward.buttons),
             std::tuple(QStringLiteral("Zur Aufmunterung gibt es ein Spiel ..."
                                       "\r"),
                        QStringLiteral("Pelko-Memory"), platform::MsgButtons::Ok));
    MemoryWindow& memo = g.t.program.memo();
    QVERIFY(memo.isVisible() && !g.window.isVisible() && !g.window.rollTimer().isActive());

    // Back from the memory game: nothing rolls until the same answer is confirmed again.
    g.t.dialogs.answers.push_back(MsgResult::Yes); // leave the memory game
    QTest::mouseClick(control<QWidget>(&memo, "Bild1"), Qt::LeftButton);
    QVERIFY(g.window.isVisible() && !memo.isVisible() && !g.window.rollTimer().isActive());
    QCOMPARE(g.caption("Bezeichnung7"), QStringLiteral("52"));
    g.key(Qt::Key_Enter);
    QCOMPARE(std::tuple(g.vars.taskCount, g.window.rollTimer().isActive()), std::tuple(4, true));
}

void GameTest::memoryRewardLeftOpenLetsTheRollBuildTheNextTask()
{
    Game g;
    g.startWith(Sign::Plus, {1, 1, 1});
    g.vars.taskCount = 2;
    g.t.dialogs.whileOpen = [&g](const Message& m) {
        if (m.title == QStringLiteral("Pelko-Memory")) g.finishRoll(Sign::Minus, {6, 1, 1});
    };
    g.answer(51);
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.vars.taskResult, g.caption("Bezeichnung6")),
             std::tuple(QStringLiteral("51"), 45, QStringLiteral("Computer ist dran!")));
    QVERIFY(g.t.program.memo().isVisible() && !g.window.isVisible());
}

// The game may end while the reward's message is open: then the catching game alone comes on screen.
void GameTest::memoryRewardOutlivedByTheGameOpensOnlyTheCatchingGame()
{
    Game g;
    g.startWith(Sign::Plus, {1, 1, 1});
    g.vars.taskCount = 2;
    g.t.dialogs.whileOpen = [&g](const Message& m) {
        if (m.title == QStringLiteral("Pelko-Memory")) g.finishRoll(Sign::Plus, {9, 9, 9});
    };
    g.setArrow(95);
    g.vars.taskResult = 95;
    g.click("Bezeichnung3");
    QCOMPARE(g.titles(), QStringList({"Pelko-Memory", "Freund hat gewonnen!"}));
    int visible = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) visible += w->isVisible() && !w->inherits("QMenu");
    QCOMPARE(visible, 1);
    QVERIFY(g.t.program.fang().isVisible());
}

void GameTest::wholeGameEndsWithTheWinnerAndTheStartState()
{
    Game g;
    g.startWith(Sign::Plus, {9, 1, 1}); // Freund: 50 + 9
    g.answer(59);
    g.finishRoll(Sign::Plus, {9, 1, 1}); // Computer: 59 + 9
    g.answer(68);
    g.setArrow(98); // moved during the roll: 98 + 9 cannot be asked of Freund, so Computer wins
    g.finishRoll(Sign::Plus, {9, 1, 1});

    QCOMPARE(g.titles(), QStringList({"Computer hat gewonnen!"}));
    QCOMPARE(g.t.dialogs.shown.first().text, QStringLiteral("Jetzt gibt es ein Belohnungsspiel.\r"));
    QCOMPARE(std::tuple(g.caption("Bezeichnung10"), g.caption("Bezeichnung11")),
             std::tuple(QStringLiteral("0"), QStringLiteral("1")));
    QVERIFY(g.t.program.fang().isVisible() && !g.window.isVisible());
    // The start state is back, but the title keeps the last round until the next correct answer.
    QCOMPARE(std::tuple(g.vars.gameStarted, g.vars.taskCount, g.caption("Bezeichnung3"), g.caption("Bezeichnung7")),
             std::tuple(0, 0, QStringLiteral("50"), QString()));
    QCOMPARE(g.caption("Bezeichnung6"), QStringLiteral("Klicke zum Start auf einen Würfel."));
    QCOMPARE(g.window.windowTitle(), QStringLiteral("Pelko-Morvelt (Runde 3)"));

    // The next game: the first player wins at the bottom and the scores count on.
    g.t.dialogs.shown.clear();
    g.startWith(Sign::Plus, {1, 1, 1});
    g.answer(51);
    g.setArrow(3); // 3 - 3 reaches the bottom
    g.finishRoll(Sign::Minus, {3, 1, 1});
    QCOMPARE(g.titles(), QStringList({"Freund hat gewonnen!"}));
    QCOMPARE(std::tuple(g.caption("Bezeichnung10"), g.caption("Bezeichnung11")),
             std::tuple(QStringLiteral("1"), QStringLiteral("1")));
}

void GameTest::listsOpenCloseAndChooseSettings()
{
    Game g;
    auto* dice = control<QListWidget>(&g.window, "Liste2");
    auto* ranges = control<QListWidget>(&g.window, "Liste1");
    g.click("Bild23");
    QVERIFY(ranges->isVisible());
    g.click("Bild22"); // one list at a time
    QVERIFY(dice->isVisible() && ranges->isHidden());
    QCOMPARE(QStringList({dice->item(0)->text(), dice->item(1)->text(), dice->item(2)->text()}),
             QStringList({" 1 Würfel", " 2 Würfel", " 3 Würfel"}));
    dice->setCurrentRow(1);
    g.window.slider()->clearFocus();
    g.click("Bild22");
    QVERIFY(dice->isHidden());
    QCOMPARE(g.window.focusWidget(), g.window.slider());
    g.click("Bild22");
    QCOMPARE(dice->currentRow(), -1); // filled afresh at every opening

    // A choice mid-game resets it, stops its roll and leaves scores and names alone.
    g.click("Bild13");
    g.setArrow(100); // ends the first task at once: a point for Computer
    g.finishRoll(Sign::Plus);
    platform::switchWindow(&g.t.program.fang(), &g.window);
    g.startWith(Sign::Plus, {1, 1, 1});
    g.answer(51);
    g.contest.diceListButton();
    g.window.render();
    QTest::mouseClick(dice->viewport(), Qt::LeftButton, {}, dice->visualItemRect(dice->item(2)).center());
    QVERIFY(dice->isHidden() && !g.window.rollTimer().isActive());
    for (const char* name : {"Bild18", "Figur4", "Bild13", "Bild19", "Figur5"})
        QVERIFY2(!control<QWidget>(&g.window, name)->isHidden(), name);
    QCOMPARE(std::tuple(g.vars.diceCount, g.vars.gameStarted, g.caption("Bezeichnung6")),
             std::tuple(3, 0, QStringLiteral("Klicke zum Start auf einen Würfel.")));

    g.click("Bild23");
    QTest::mouseClick(ranges->viewport(), Qt::LeftButton, {}, ranges->visualItemRect(ranges->item(3)).center());
    QCOMPARE(QStringList({g.caption("Bezeichnung12"), g.caption("Bezeichnung13"), g.caption("Bezeichnung3"),
                          g.caption("Bezeichnung11"), g.caption("Bezeichnung1")}),
             QStringList({"300", "400", "350", "1", "Freund"}));
    QCOMPARE(std::tuple(g.vars.rangeBase, g.vars.taskResult, ranges->isHidden()), std::tuple(300, 350, true));
    g.click("Bild23");
    QCOMPARE(ranges->currentRow(), 3); // the range list keeps its choice
    g.window.Zeit1_Timer();
    QVERIFY(ranges->isHidden());
}

void GameTest::quitHelpAndOtherWindowsFromTheMenu()
{
    Game g;
    g.click("Bild21");
    g.click("Bild22");
    g.click("Bild20"); // answered No by default
    g.startWith(Sign::Plus, {1, 1, 1});
    g.click("Bild21");
    QCOMPARE(g.titles(),
             QStringList({"Pelko-Morvelt: Hilfe", "Pelko-Morvelt - Das Entwicklerteam", "Pelko-Morvelt: Hilfe"}));
    QCOMPARE(g.t.dialogs.shown[0].text, rewardNote() + QStringLiteral("\r"));
    QCOMPARE(g.t.dialogs.shown[2].text, controlsHelp() + QStringLiteral("\r"));
    const Message quit = g.t.dialogs.shown[1];
    QCOMPARE(std::tuple(quit.text, quit.buttons, quit.icon, quit.defaultNo),
             std::tuple(QStringLiteral("Willst du das Programm jetzt beenden?\r\r"), platform::MsgButtons::YesNo,
                        platform::MsgIcon::Question, true));
    QVERIFY(control<QWidget>(&g.window, "Liste2")->isHidden()); // the quit button closed it
    QCOMPARE(g.t.endCalls, 0);

    // The other windows are asked for only between rolls.
    QSignalSpy players(&g.window, &ContestWindow::playersWanted);
    QSignalSpy sheets(&g.window, &ContestWindow::worksheetsWanted);
    QSignalSpy info(&g.window, &ContestWindow::infoWanted);
    g.answer(51);
    for (const char* name : {"Bild24", "Bild26", "Bild25"}) g.click(name);
    QCOMPARE(std::tuple(players.size(), sheets.size(), info.size()), std::tuple(0, 0, 0));
    g.finishRoll(Sign::Plus);
    for (const char* name : {"Bild24", "Bild26", "Bild25"}) g.click(name);
    QCOMPARE(std::tuple(players.size(), sheets.size(), info.size()), std::tuple(1, 1, 1));

    g.t.dialogs.answers.push_back(MsgResult::Yes);
    g.click("Bild20");
    QCOMPARE(g.t.endCalls, 1);
    QVERIFY(!g.window.isVisible());
}

void GameTest::keyboardAndMouseReachTheAnswerOnly()
{
    Game g;
    g.key(Qt::Key_Return); // before a game nothing is checked
    QTest::mouseClick(control<QWidget>(&g.window, "Bezeichnung3"), Qt::LeftButton);
    QVERIFY(g.t.dialogs.shown.isEmpty());
    g.startWith(Sign::Plus, {2, 1, 1});
    for (int i = 0; i < 3; ++i) g.key(Qt::Key_Right);
    QCOMPARE(g.caption("Bezeichnung3"), QStringLiteral("53"));
    g.key(Qt::Key_Left);
    QTest::mouseClick(control<QWidget>(&g.window, "Bezeichnung3"), Qt::RightButton);
    QCOMPARE(g.vars.taskCount, 0);
    g.key(Qt::Key_Enter); // the keypad's Enter
    QCOMPARE(g.vars.taskCount, 1);
    QCOMPARE(g.window.slider()->contextMenuPolicy(), Qt::PreventContextMenu);
    for (const char* name : {"Bild20", "Bild22", "Bild13", "Bezeichnung3", "HBildlauf1"})
        QVERIFY2(!control<QWidget>(&g.window, name)->accessibleName().isEmpty(), name);
}

void GameTest::listsAndScoresShowEveryCharacter()
{
    Game g;
    g.click("Bild23");
    auto* ranges = control<QListWidget>(&g.window, "Liste1");
    g.contest.diceListButton();
    g.window.render();
    auto* dice = control<QListWidget>(&g.window, "Liste2");
    for (QListWidget* list : {ranges, dice}) {
        list->show();
        const QRect inside = list->viewport()->rect();
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            QVERIFY2(inside.contains(item), qPrintable(list->item(row)->text()));
            // The entries have no descenders: their glyphs, not the font's full height, must fit a row.
            const QString text = list->item(row)->text();
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            QVERIFY2(list->fontMetrics().horizontalAdvance(text.trimmed()) + 2 * margin <= item.width(),
                     qPrintable(text));
            QCOMPARE(list->textElideMode(), Qt::ElideNone);
            QVERIFY(list->fontMetrics().tightBoundingRect(text).height() <= item.height());
        }
        QVERIFY(!list->verticalScrollBar()->isVisible() && !list->horizontalScrollBar()->isVisible());
    }

    // Three-digit scores stay whole and clear of the colon.
    auto* left = control<Label>(&g.window, "Bezeichnung10");
    auto* colon = control<Label>(&g.window, "Bezeichnung15");
    auto* right = control<Label>(&g.window, "Bezeichnung11");
    const QFontMetrics metrics(left->font());
    const int colonWidth = metrics.horizontalAdvance(QStringLiteral(":"));
    const int colonLeft = colon->x() + (colon->width() - colonWidth) / 2;
    const int wide = metrics.horizontalAdvance(QStringLiteral("888"));
    QVERIFY(wide <= left->width() && wide <= right->width());
    QVERIFY(left->geometry().right() < colonLeft && right->x() > colonLeft + colonWidth);
    QVERIFY(left->alignment() & Qt::AlignRight);
    QVERIFY(left->font().bold() && colon->font().bold() && left->font().family() == QStringLiteral("Verdana"));
}

QTEST_MAIN(GameTest)
#include "test_game.moc"
