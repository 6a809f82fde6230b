#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "support/fakes.h"

#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include <map>
#include <set>

using platform::Label;
using platform::PictureBox;
using platform::px;
using platform::twipsRect;

namespace {

struct Fixture {
    TestProgram t;
    ContestWindow& window = t.program.form1();
    Modul1& vars = t.program.vars;

    QString caption(const char* name) { return control<Label>(&window, name)->caption(); }
    bool shown(const char* name) { return !control<QWidget>(&window, name)->isHidden(); }
    void clickDie(const char* name) { QTest::mouseClick(control<PictureBox>(&window, name), Qt::LeftButton); }
};

} // namespace

class ContestStartTest : public QObject {
    Q_OBJECT
private slots:
    void startsInTheStartState();
    void controlsStandWhereTheDesignPutsThem();
    void dieClickStartsTheGameOnce();
    void arrowFollowsTheSliderDuringAGame();
    void resetGameFollowsTheRange();
    void showDiceShowsAsManyDiceAsInPlay();
    void scaleHasItsHundredAndOneTicksOnTheWindow();
    void focusReturnsToTheSliderAndCloseEnds();
};

void ContestStartTest::startsInTheStartState()
{
    Fixture f;
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

void ContestStartTest::controlsStandWhereTheDesignPutsThem()
{
    Fixture f;
    QCOMPARE(f.window.size(), QSize(691, 429));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

    // clang-format off
    const std::map<QString, QRect> places = {
        {"Bezeichnung7", {120, 480, 2415, 1095}}, {"Bild14", {2640, 840, 495, 495}},    {"Bild18", {3360, 600, 975, 975}},
        {"Bild13", {4680, 600, 975, 975}},        {"Bild19", {6000, 600, 975, 975}},    {"Figur4", {3240, 480, 1215, 1215}},
        {"Figur1", {4560, 480, 1215, 1215}},      {"Figur5", {5880, 480, 1215, 1215}},  {"Bild17", {7200, 840, 495, 495}},
        {"Bezeichnung8", {7800, 480, 2415, 1095}}, {"Bild15", {10680, 3720, 495, 495}}, {"Bild16", {11280, 3720, 495, 495}},
        {"Bild4", {10680, 360, 975, 975}},        {"Bild6", {12840, 360, 975, 975}},    {"Bild8", {11760, 1440, 975, 975}},
        {"Bild12", {12840, 2520, 975, 975}},      {"Bezeichnung1", {840, 2040, 3255, 495}}, {"Bild1", {240, 2040, 495, 495}},
        {"Bezeichnung2", {6240, 2040, 3255, 495}}, {"Bild2", {9600, 2040, 495, 495}},   {"Bild3", {4860, 3360, 495, 495}},
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
void ContestStartTest::dieClickStartsTheGameOnce()
{
    Fixture f;
    f.window.show();
    QTest::keyClick(f.window.slider(), Qt::Key_Right);
    QCOMPARE(f.window.slider()->value(), 51);
    f.window.slider()->setValue(80);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("50"));
    QCOMPARE(control<QWidget>(&f.window, "Bild3")->x(), px(4860));
    QCOMPARE(f.vars.gameStarted, 0);

    f.clickDie("Bild13");
    QCOMPARE(f.window.slider()->value(), 50);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("50"));
    QCOMPARE(std::tuple(f.vars.gameStarted, f.vars.turn, f.vars.rollFrame), std::tuple(1, 1, 0));
    QVERIFY(f.window.rollTimer().isActive());
    QCOMPARE(f.window.focusWidget(), f.window.slider());

    f.vars.turn = 2;
    f.vars.rollFrame = 4;
    f.clickDie("Bild13");
    QCOMPARE(std::tuple(f.vars.gameStarted, f.vars.turn, f.vars.rollFrame), std::tuple(1, 2, 4));
}

void ContestStartTest::arrowFollowsTheSliderDuringAGame()
{
    Fixture f;
    Contest& contest = f.window.contest();
    f.vars.rangeBase = 300;
    contest.resetGame();
    contest.startDieClick();
    f.window.render();
    f.window.slider()->setValue(57);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("357"));
    QCOMPARE(std::tuple(contest.view().arrowPictureLeft, contest.view().arrowNumberLeft, f.vars.catcherCol),
             std::tuple(5490, 5230, 5730));
    QCOMPARE(control<QWidget>(&f.window, "Bild3")->x(), px(5490));
    f.window.slider()->setValue(0);
    QCOMPARE(f.caption("Bezeichnung3"), QStringLiteral("300"));
    QCOMPARE(control<QWidget>(&f.window, "Bezeichnung3")->x(), px(100));
}

void ContestStartTest::resetGameFollowsTheRange()
{
    Fixture f;
    Contest& contest = f.window.contest();
    contest.startDieClick();
    f.window.slider()->setValue(70);
    f.vars.taskCount = 5;
    f.vars.turn = 2;
    f.vars.rangeBase = 300;
    contest.resetGame();
    f.window.render();
    QCOMPARE(QStringList({f.caption("Bezeichnung12"), f.caption("Bezeichnung13"), f.caption("Bezeichnung3"),
                          f.caption("Bezeichnung6"), f.caption("Bezeichnung10"), f.window.windowTitle()}),
             QStringList({"300", "400", "350", "Klicke zum Start auf einen Würfel.", "0", "Pelko-Morvelt (Runde 1)"}));
    QCOMPARE(f.window.slider()->value(), 50);
    QCOMPARE(control<QWidget>(&f.window, "Bezeichnung3")->x(), px(4600));
    // The turn is not the start state's business.
    QCOMPARE(std::tuple(f.vars.taskResult, f.vars.gameStarted, f.vars.taskCount, f.vars.turn),
             std::tuple(350, 0, 0, 2));
}

void ContestStartTest::showDiceShowsAsManyDiceAsInPlay()
{
    Fixture f;
    // Die and frame in the middle, on the right, on the left.
    const QList<std::pair<const char*, const char*>> dice = {
        {"Bild13", "Figur1"}, {"Bild19", "Figur5"}, {"Bild18", "Figur4"}};
    for (int count : {3, 2, 1}) {
        f.vars.diceCount = count;
        f.window.contest().showDice();
        f.window.render();
        for (int die = 0; die < 3; ++die) {
            QCOMPARE(f.shown(dice[die].first), die < count);
            QCOMPARE(f.shown(dice[die].second), die < count);
        }
    }
}

void ContestStartTest::scaleHasItsHundredAndOneTicksOnTheWindow()
{
    Fixture f;
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

    // Painted on the window, and still there after it repaints: above the line only long ticks reach.
    f.window.show();
    f.window.repaint();
    const QImage image = f.window.grab().toImage();
    auto colourAt = [&image](int v, int y) { return QColor(image.pixel(px(600 + 90 * v), px(y))); };
    QCOMPARE(QList<QColor>({colourAt(50, 3030), colourAt(15, 3030), colourAt(13, 3030), colourAt(13, 3320)}),
             QList<QColor>({QColor(255, 0, 0), QColor(0, 0, 255), QColor(224, 224, 224), QColor(0, 0, 255)}));
}

// Coming back or a click on an empty spot gives the slider the focus; the close box ends the program.
void ContestStartTest::focusReturnsToTheSliderAndCloseEnds()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
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

QTEST_MAIN(ContestStartTest)
#include "test_contest.moc"
