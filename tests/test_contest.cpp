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

#include <map>
#include <set>

using platform::Label;
using platform::Message;
using platform::MsgResult;
using platform::PictureBox;
using platform::px;
using platform::QBColor;
using platform::twipsRect;

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
    bool shown(const char* name) { return !control<QWidget>(&window, name)->isHidden(); }
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

class ContestTest : public QObject {
    Q_OBJECT
private slots:
    void startsInTheStartState();
    void controlsStandWhereTheDesignPutsThem();
    void dieClickStartsTheGameOnce();
    void scaleHasItsHundredAndOneTicksOnTheWindow();
    void focusReturnsToTheSliderAndCloseEnds();
    void eachTickDrawsSignThenThreeDiceAndSumsThoseInPlay();
    void rollShowsTheFacesInTheirColoursAndEndsAtTheTenthTick();
    void nextTaskTestsTheTopFirstThenTheBottom();
    void answersAreCheckedByClickOrEnter();
    void memoryRewardLeftOpenWhileTheRollEnds();
    void confirmationDuringARollCountsAgainWithoutPushingTheTick();
    void memoryRewardClosedEarlyStopsTheRoll();
    void wholeGameEndsWithTheWinnerAndTheStartState();
    void listsOpenCloseAndChooseSettings();
    void quitHelpAndOtherWindowsFromTheMenu();
    void listsAndScoresShowEveryCharacter();
};

void ContestTest::startsInTheStartState()
{
    Game f;
    QCOMPARE(f.window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelko-Morvelt (Runde 1)"));
    // clang-format off
    const std::map<const char*, QString> captions = {
        {"Bezeichnung3", "50"},     {"Bezeichnung12", "0"},      {"Bezeichnung13", "100"},
        {"Bezeichnung7", ""},       {"Bezeichnung8", ""},        {"Bezeichnung1", "Freund"},
        {"Bezeichnung2", "Computer"}, {"Bezeichnung10", "0"},    {"Bezeichnung15", ":"},
        {"Bezeichnung11", "0"},     {"Bezeichnung6", "Klicke zum Start auf einen Würfel."}};
    // clang-format on
    for (const auto& [name, caption] : captions) QCOMPARE(f.caption(name), caption);

    for (const char* name : {"Bild18", "Figur4", "Bild19", "Figur5"}) QVERIFY2(!f.shown(name), name);
    QVERIFY(f.shown("Bild13") && f.shown("Figur1"));
    QVERIFY(control<PictureBox>(&f.window, "Bild13")->picture().isNull());
    QVERIFY(control<PictureBox>(&f.window, "Bild14")->picture() == control<PictureBox>(&f.window, "Bild15")->picture());
    QCOMPARE(f.window.slider()->value(), 50);
    QVERIFY(!f.window.rollTimer().isActive());
    QCOMPARE(f.window.rollTimer().interval(), 500);

    auto* ranges = control<QListWidget>(&f.window, "Liste1");
    QVERIFY(ranges->isHidden() && control<QListWidget>(&f.window, "Liste2")->isHidden());
    QCOMPARE(ranges->count(), 10);
    QCOMPARE(ranges->item(0)->text() + ranges->item(3)->text() + ranges->item(9)->text(),
             QStringLiteral("   0 -  100  300 -  400  900 - 1000 "));
    QCOMPARE(ranges->currentRow(), -1);

    const Modul1& v = f.vars;
    QCOMPARE(std::tuple(v.rangeBase, v.diceCount, v.gameStarted, v.turn, v.taskCount, v.taskResult, v.catcherCol),
             std::tuple(0, 1, 0, 1, 0, 50, 5100));
    QCOMPARE(v.helpText, QStringLiteral("Immer nach 30 Aufgaben und nach\rjedem Sieg gibt es eine Belohnung!\r"));
}

void ContestTest::controlsStandWhereTheDesignPutsThem()
{
    Game f;
    QCOMPARE(f.window.size(), QSize(691, 429));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

    // clang-format off
    const std::map<QString, QRect> places = {
        {"Bezeichnung7", {120, 480, 2415, 1095}}, {"Bild14", {2640, 840, 495, 495}},    {"Bild18", {3360, 600, 975, 975}},
        {"Bild13", {4680, 600, 975, 975}},        {"Bild19", {6000, 600, 975, 975}},    {"Figur4", {3240, 480, 1215, 1215}},
        {"Figur1", {4560, 480, 1215, 1215}},      {"Figur5", {5880, 480, 1215, 1215}},  {"Bild17", {7200, 840, 495, 495}},
        {"Bezeichnung8", {7800, 480, 2415, 1095}}, {"Bild15", {10680, 3720, 495, 495}}, {"Bild16", {11280, 3720, 495, 495}},
        {"Bild4", {10680, 360, 975, 975}},        {"Bild6", {12840, 360, 975, 975}},    {"Bild8", {11760, 1440, 975, 975}},
        {"Bild12", {12840, 2520, 975, 975}},      {"Bezeichnung1", {840, 2040, 2865, 495}}, {"Bild1", {240, 2040, 495, 495}},
        {"Bezeichnung2", {6495, 2040, 3000, 495}}, {"Bild2", {9600, 2040, 495, 495}},   {"Bild3", {4860, 3360, 495, 495}},
        {"Bezeichnung3", {4600, 3960, 975, 495}}, {"HBildlauf1", {240, 4920, 9855, 255}}, {"Figur2", {0, 5640, 10455, 855}},
        {"Bezeichnung6", {4320, 5760, 5895, 495}}, {"Bild20", {120, 5760, 495, 495}},   {"Bild21", {720, 5760, 495, 495}},
        {"Bild22", {1320, 5760, 495, 495}},       {"Bild23", {1920, 5760, 495, 495}},   {"Bild24", {2520, 5760, 495, 495}},
        {"Bild26", {3120, 5760, 495, 495}},       {"Bild25", {3720, 5760, 495, 495}},   {"Liste2", {1320, 4920, 1575, 840}},
        {"Liste1", {1920, 3000, 1815, 2730}},     {"Figur3", {120, 360, 10095, 1455}},  {"Figur6", {120, 4800, 10095, 495}}};
    // clang-format on
    for (const auto& [name, twips] : places) {
        const QRect actual = f.window.findChild<QWidget*>(name)->geometry();
        QCOMPARE(std::pair(name, actual),
                 std::pair(name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height())));
    }
    // The score and range-end labels are placed by their corners only.
    // clang-format off
    const std::map<const char*, QPoint> corners = {{"Bezeichnung15", {4920, 1920}},
                                                   {"Bezeichnung11", {5400, 1920}}, {"Bezeichnung12", {150, 3120}},
                                                   {"Bezeichnung13", {9700, 3120}}};
    // clang-format on
    for (const auto& [name, corner] : corners)
        QCOMPARE(control<QWidget>(&f.window, name)->pos(), platform::twipsPoint(corner.x(), corner.y()));

    // clang-format off
    const std::map<const char*, std::pair<QPoint, QPoint>> lines = {
        {"Linie1", {{600, 3240}, {9600, 3240}}},  {"Linie2", {{120, 1800}, {120, 5280}}},
        {"Linie3", {{10200, 5280}, {120, 5280}}}, {"Linie4", {{10200, 1800}, {10200, 5280}}},
        {"Linie5", {{120, 4800}, {10200, 4800}}}};
    // clang-format on
    for (const auto& [name, ends] : lines) {
        auto* line = control<platform::Line>(&f.window, name);
        QCOMPARE(line->twipsFrom(), ends.first);
        QCOMPARE(line->twipsTo(), ends.second);
    }

    // Text colour, back colour (invalid: none of its own), font family and pixel size; every font is bold.
    const QColor none, navy(0, 0, 128), green(0, 128, 0), white(255, 255, 255);
    // clang-format off
    const QList<std::tuple<const char*, QColor, QColor, QString, int>> looks = {
        {"Bezeichnung7", {0, 0, 255}, none, "Verdana", 56},     {"Bezeichnung8", {255, 0, 0}, none, "Verdana", 56},
        {"Bezeichnung1", green, none, "Verdana", 24},           {"Bezeichnung2", green, none, "Verdana", 24},
        {"Bezeichnung10", green, none, "Verdana", 32},          {"Bezeichnung15", green, none, "Verdana", 32},
        {"Bezeichnung11", green, none, "Verdana", 32},          {"Bezeichnung12", Qt::black, none, "MS Sans Serif", 13},
        {"Bezeichnung13", Qt::black, none, "MS Sans Serif", 13}, {"Bezeichnung3", white, navy, "MS Sans Serif", 24},
        {"Bezeichnung6", white, navy, "MS Sans Serif", 24}};
    // clang-format on
    for (const auto& [name, fore, back, family, pixels] : looks) {
        auto* label = control<Label>(&f.window, name);
        QCOMPARE(std::tuple(name, label->foreColor(), label->autoFillBackground() ? label->backColor() : QColor(),
                            label->font().families().first(), label->font().pixelSize(), label->font().bold()),
                 std::tuple(name, fore, back, family, pixels, true));
    }
    for (const char* name : {"Liste1", "Liste2"}) {
        auto* list = control<QListWidget>(&f.window, name);
        QCOMPARE(std::tuple(list->palette().color(QPalette::Base), list->palette().color(QPalette::Text),
                            list->font().families().first(), list->font().pixelSize(), list->font().bold()),
                 std::tuple(navy, QColor(224, 224, 224), QStringLiteral("Courier New"), 16, true));
    }
    QCOMPARE(control<platform::Shape>(&f.window, "Figur2")->fillColor(), navy);
    QCOMPARE(f.window.palette().color(QPalette::Window), QColor(224, 224, 224));
}

// Before a game the slider moves alone; a die click puts it back on the arrow and starts the
// roll, and a further click leaves the running game as it is.
void ContestTest::dieClickStartsTheGameOnce()
{
    Game f;
    QTest::keyClick(f.window.slider(), Qt::Key_Right);
    QCOMPARE(f.window.slider()->value(), 51);
    f.window.slider()->setValue(80);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("50"));
    QCOMPARE(control<QWidget>(&f.window, "Bild3")->x(), px(4860));
    QCOMPARE(f.vars.gameStarted, 0);

    f.click("Bild13");
    QCOMPARE(f.window.slider()->value(), 50);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("50"));
    QCOMPARE(std::tuple(f.vars.gameStarted, f.vars.turn, f.vars.rollFrame), std::tuple(1, 1, 0));
    QVERIFY(f.window.rollTimer().isActive());
    QCOMPARE(f.window.focusWidget(), f.window.slider());

    f.vars.turn = 2;
    f.vars.rollFrame = 4;
    f.click("Bild13");
    QCOMPARE(std::tuple(f.vars.gameStarted, f.vars.turn, f.vars.rollFrame), std::tuple(1, 2, 4));

    // During a game the arrow follows: range 300 - 400, slider 57.
    f.vars.rangeBase = 300;
    f.window.slider()->setValue(57);
    QCOMPARE(std::tuple(f.caption("Bezeichnung3"), f.vars.catcherCol), std::tuple(QStringLiteral("357"), 5730));
    QCOMPARE(std::tuple(control<QWidget>(&f.window, "Bild3")->x(), control<QWidget>(&f.window, "Bezeichnung3")->x()),
             std::tuple(px(5490), px(5230)));
}

void ContestTest::scaleHasItsHundredAndOneTicksOnTheWindow()
{
    Game f;
    std::map<int, std::set<std::tuple<int, int, int>>> byX;
    for (const ScaleTick& tick : f.window.contest().view().scale)
        byX[tick.x].insert({tick.yFrom, tick.yTo, tick.colorIndex});
    QCOMPARE(byX.size(), std::size_t(101));
    // Short and blue everywhere; every tenth long and red, every other fifth long and blue.
    for (int v = 0; v <= 100; ++v) {
        std::set<std::tuple<int, int, int>> expected = {{3100, 3350, 9}};
        if (v % 10 == 0)
            expected.insert({3000, 3350, 12});
        else if (v % 5 == 0)
            expected.insert({3000, 3100, 9});
        QCOMPARE(byX[600 + 90 * v], expected);
    }

    // Painted on the window, and still there after it repaints: above the line only long ticks reach,
    // and a red tick stands over the blue one below it.
    f.window.repaint();
    const QImage image = f.window.grab().toImage();
    auto colourAt = [&image](int v, int y) { return QColor(image.pixel(px(600 + 90 * v), px(y))); };
    QCOMPARE(QList<QColor>(
                 {colourAt(50, 3030), colourAt(15, 3030), colourAt(13, 3030), colourAt(13, 3320), colourAt(50, 3320)}),
             QList<QColor>(
                 {QColor(255, 0, 0), QColor(0, 0, 255), QColor(224, 224, 224), QColor(0, 0, 255), QColor(255, 0, 0)}));
}

// Coming back or a click on an empty spot gives the slider the focus; the close box ends the program.
void ContestTest::focusReturnsToTheSliderAndCloseEnds()
{
    Game f;
    QCOMPARE(f.window.focusWidget(), f.window.slider());
    f.window.hide();
    f.window.slider()->clearFocus();
    f.window.show();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(f.window.slider()->value(), 49);
    f.window.slider()->clearFocus();
    QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(px(6000), px(4200)));
    QCOMPARE(f.window.focusWidget(), f.window.slider());

    QVERIFY(f.window.close());
    QCOMPARE(f.t.endCalls, 1);
}

void ContestTest::eachTickDrawsSignThenThreeDiceAndSumsThoseInPlay()
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

void ContestTest::rollShowsTheFacesInTheirColoursAndEndsAtTheTenthTick()
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

void ContestTest::nextTaskTestsTheTopFirstThenTheBottom()
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

// A wrong answer repeats the task and changes nothing; a right one, by click or either Enter, counts and rolls.
void ContestTest::answersAreCheckedByClickOrEnter()
{
    Game g;
    g.key(Qt::Key_Return); // before a game nothing is checked
    g.click("Bezeichnung3");
    g.startWith(Sign::Minus, {7, 1, 1});
    QCOMPARE(std::tuple(g.caption("Bezeichnung6"), g.vars.turn), std::tuple(QStringLiteral("Freund ist dran!"), 2));
    for (int i = 0; i < 6; ++i) g.key(Qt::Key_Left);
    QCOMPARE(g.caption("Bezeichnung3"), QStringLiteral("44"));
    g.key(Qt::Key_Return);
    QCOMPARE(g.t.dialogs.shown.size(), 1);
    const Message& error = g.t.dialogs.shown.first();
    QCOMPARE(std::tuple(error.text, error.title, error.buttons),
             std::tuple(QStringLiteral("\rDie Aufgabe lautet:  50 - 7 = _____\r\r"), QStringLiteral("F e h l e r"),
                        platform::MsgButtons::Ok));
    QCOMPARE(std::tuple(g.vars.taskCount, g.window.windowTitle(), g.caption("Bezeichnung6"), g.vars.turn,
                        g.caption("Bezeichnung8"), g.window.rollTimer().isActive()),
             std::tuple(0, QStringLiteral("Pelko-Morvelt (Runde 1)"), QStringLiteral("Freund ist dran!"), 2, QString(),
                        false));
    QCOMPARE(g.window.focusWidget(), g.window.slider());

    g.key(Qt::Key_Left);
    QTest::mouseClick(control<QWidget>(&g.window, "Bezeichnung3"), Qt::RightButton);
    QCOMPARE(g.t.dialogs.shown.size(), 1); // only the left button clicks
    g.key(Qt::Key_Enter);                  // the keypad's Enter
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.caption("Bezeichnung8"), g.caption("Bezeichnung6"), g.vars.turn),
             std::tuple(QStringLiteral("50"), QStringLiteral("43"), QStringLiteral("Computer ist dran!"), 2));
    QCOMPARE(std::tuple(g.vars.taskCount, g.vars.rollFrame, g.window.windowTitle(), g.window.rollTimer().isActive()),
             std::tuple(1, 0, QStringLiteral("Pelko-Morvelt (Runde 2)"), true));
    g.finishRoll(Sign::Plus, {4, 1, 1});
    QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.caption("Bezeichnung8"), g.vars.taskResult, g.vars.turn),
             std::tuple(QStringLiteral("43"), QString(), 47, 1));
    QCOMPARE(g.caption("Bezeichnung6"), QStringLiteral("Computer ist dran!"));

    QCOMPARE(g.window.slider()->contextMenuPolicy(), Qt::PreventContextMenu);
    for (const char* name : {"Bild20", "Bild22", "Bild13", "Bezeichnung3", "HBildlauf1"})
        QVERIFY2(!control<QWidget>(&g.window, name)->accessibleName().isEmpty(), name);
}

// The roll runs on while the reward's message is open. When it builds a task that stands, the memory
// game follows the message; when it ends the game, the catching game alone comes on screen.
void ContestTest::memoryRewardLeftOpenWhileTheRollEnds()
{
    for (const bool gameEnds : {false, true}) {
        Game g;
        g.startWith(Sign::Plus, {1, 1, 1});
        g.vars.taskCount = 2;
        g.t.dialogs.whileOpen = [&g, gameEnds](const Message& m) {
            if (m.title != QStringLiteral("Pelko-Memory")) return;
            if (gameEnds) g.setArrow(95); // 95 + 6 cannot be asked
            g.finishRoll(gameEnds ? Sign::Plus : Sign::Minus, {6, 1, 1});
        };
        g.answer(51);
        int visible = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) visible += w->isVisible();
        QCOMPARE(visible, 1);
        if (gameEnds) {
            QCOMPARE(g.titles(), QStringList({"Pelko-Memory", "Freund hat gewonnen!"}));
            QVERIFY(g.t.program.fang().isVisible());
            continue;
        }
        QCOMPARE(std::tuple(g.caption("Bezeichnung7"), g.vars.taskResult, g.caption("Bezeichnung6")),
                 std::tuple(QStringLiteral("51"), 45, QStringLiteral("Computer ist dran!")));
        QVERIFY(g.t.program.memo().isVisible());
    }
}

void ContestTest::confirmationDuringARollCountsAgainWithoutPushingTheTick()
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

void ContestTest::memoryRewardClosedEarlyStopsTheRoll()
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

void ContestTest::wholeGameEndsWithTheWinnerAndTheStartState()
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

void ContestTest::listsOpenCloseAndChooseSettings()
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

void ContestTest::quitHelpAndOtherWindowsFromTheMenu()
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
    QCOMPARE(g.t.dialogs.shown[2].text, QStringLiteral("Stelle erst das Ergebnis mit dem Regler ein\r"
                                                       "und klicke dann auf die blauweiße Pfeilzahl.\r"
                                                       "Es geht auch mit den Pfeiltasten und Enter.\r"));
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

void ContestTest::listsAndScoresShowEveryCharacter()
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

QTEST_MAIN(ContestTest)
#include "test_contest.moc"
