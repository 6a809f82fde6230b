#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QListWidget>
#include <QScopeGuard>
#include <QScrollBar>

using namespace platform;

namespace {

struct Game {
    Game()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window did not become active");
    }
    TestProgram t;
    ContestWindow& window = t.program.contestWindow();
    const ContestState& state() const { return window.contest().state(); }

    QString caption(const char* name) { return ::caption(&window, name); }
    // Title, first number, answer, arrow number, both scores, status line; whether the roll runs; and the
    // dice shown, left to right: die 3, 1, 2, each as box and frame.
    QString seen()
    {
        QStringList all{window.windowTitle()};
        for (const char* name :
             {"Bezeichnung7", "Bezeichnung8", "Bezeichnung3", "Bezeichnung10", "Bezeichnung11", "Bezeichnung6"})
            all += caption(name);
        all += window.rollTimer().isActive() ? "rolls|" : "still|";
        for (const char* name : {"Bild18", "Figur4", "Bild13", "Figur1", "Bild19", "Figur5"})
            all.last() += control(&window, name)->isHidden() ? '-' : 'o';
        return all.join('|');
    }
    void click(const char* name) { ::click(&window, name); }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void setArrow(int value) { window.slider()->setValue(value - state().rangeBase); }
    // Every tick draws the same sign and faces; runs up to `ticks` ticks while the roll runs.
    void roll(Sign sign, std::array<int, kDice> faces = {1, 1, 1}, int ticks = 10)
    {
        t.scripted.values.clear();
        for (int tick = 0; tick < ticks; ++tick) {
            t.scripted.values.push_back(sign == Sign::Minus ? 0.75 : 0.25);
            for (int face : faces) t.scripted.values.push_back((face - 0.5) / 9);
        }
        for (int i = 0; i < ticks && window.rollTimer().isActive(); ++i) window.rollTick();
    }
    void startWith(Sign sign, std::array<int, kDice> faces = {1, 1, 1})
    {
        click("Bild13");
        roll(sign, faces);
    }
    void answer(int value)
    {
        setArrow(value);
        click("Bezeichnung3");
    }
    void choose(const char* button, const char* listName, int row)
    {
        click(button);
        auto* list = control<QListWidget>(&window, listName);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

const QString kStart = "Klicke zum Start auf einen Würfel.";

} // namespace

class ContestTest : public QObject {
    Q_OBJECT
private slots:
    // A dark theme with a big font changes no colour or font. On the scale only the long ticks reach above the
    // line, red at the tens, blue at the fives; a red tick stands over the short blue one below it.
    void aDarkThemeChangesNoColourOrFont()
    {
        const auto restore = qScopeGuard([palette = QApplication::palette(), font = QApplication::font()] {
            QApplication::setPalette(palette);
            QApplication::setFont(font);
        });
        QPalette dark(Qt::black, QColor(40, 40, 40));
        for (auto role : {QPalette::WindowText, QPalette::Text}) dark.setColor(role, Qt::yellow);
        QApplication::setPalette(dark);
        QApplication::setFont(QFont("DejaVu Serif", 20));
        Game g;
        QStringList seen; // text on back colour ("clear": the window's shows through), pixels, bold
        for (const char* name : {"Bezeichnung3", "Bezeichnung12", "Bezeichnung7", "Bezeichnung10"}) {
            auto* l = control<Label>(&g.window, name);
            seen += l->foreColor().name() + " on " + (l->autoFillBackground() ? l->backColor().name() : "clear") +
                    QString(" %1%2").arg(l->font().pixelSize()).arg(l->font().bold() ? " bold" : "");
        }
        const QPalette list = control(&g.window, "Liste1")->palette();
        seen += list.color(QPalette::Text).name() + " on " + list.color(QPalette::Base).name();
        seen += "window " + g.window.palette().color(QPalette::Window).name();
        QCOMPARE(seen,
                 QStringList({"#ffffff on #000080 24 bold", "#000000 on clear 13 bold", "#0000ff on clear 56 bold",
                              "#008000 on clear 32 bold", "#e0e0e0 on #000080", "window #e0e0e0"}));
        g.window.repaint();
        const QImage image = g.window.grab().toImage();
        auto at = [&image](int v, int y) { return QColor(image.pixel(px(600 + 90 * v), px(y))); };
        QCOMPARE(QList<QColor>({at(50, 3030), at(15, 3030), at(13, 3030), at(13, 3320), at(50, 3320), at(100, 3030)}),
                 QList<QColor>({Qt::red, Qt::blue, QColor(224, 224, 224), Qt::blue, Qt::red, Qt::red}));
    }

    // Before a game the slider moves alone; a die click puts it back on the arrow and starts the roll, and
    // during a game the arrow follows the slider. The wheel steps one per notch, like the arrow keys.
    void startStateAndDieClick()
    {
        Game g;
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 1)|||50|0|0|" + kStart + "|still|--oo--");
        g.choose("Bild23", "Liste1", 3);
        QTest::keyClick(g.window.slider(), Qt::Key_Right);
        QCOMPARE(QList({g.window.slider()->value(), g.caption("Bezeichnung3").toInt()}), QList({51, 350}));
        g.click("Bild13");
        QCOMPARE(QList({g.window.slider()->value(), g.window.rollTimer().interval()}), QList({50, 500}));
        g.window.slider()->setValue(57);
        QCOMPARE(g.caption("Bezeichnung3"), "357");
        QCOMPARE(QList({control(&g.window, "Bild3")->x(), control(&g.window, "Bezeichnung3")->x()}),
                 QList({px(5490), px(5230)}));
        QList<int> values;
        for (int notches : {1, 1, -1, 2}) {
            const QPoint at = g.window.slider()->rect().center();
            QWheelEvent wheel(at, g.window.slider()->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(g.window.slider(), &wheel);
            values += g.window.slider()->value();
        }
        // A click on the bar beside the handle pages by ten.
        QTest::mouseClick(g.window.slider(), Qt::LeftButton, {}, QPoint(g.window.slider()->width() - 40, 5));
        values += g.window.slider()->value();
        QCOMPARE(values, QList({58, 59, 58, 60, 70}));
    }

    // Each tick seeds from the clock and draws the sign, then three dice; boxes and frames in play take their
    // face's colour, the sign box 15 - d of the last; the tenth tick draws nothing and ends the roll.
    void rollShowsTheFacesInTheirColoursAndEndsAtTheTenthTick()
    {
        Game g;
        g.choose("Bild22", "Liste2", 2);
        g.click("Bild13");
        g.roll(Sign::Minus, {2, 5, 9}, 9);
        // The template each die shows (face d is Bild(d + 3)); the colours are palette entries 14, 11 and 7.
        for (auto [die, frame, face, back] : {std::tuple{"Bild13", "Figur1", "Bild5", QColor(255, 255, 0)},
                                              {"Bild19", "Figur5", "Bild8", QColor(0, 255, 255)},
                                              {"Bild18", "Figur4", "Bild12", QColor(192, 192, 192)}}) {
            auto* box = control<PictureBox>(&g.window, die);
            QVERIFY(box->picture() == control<PictureBox>(&g.window, face)->picture());
            QCOMPARE(QList({box->backColor(), control<Shape>(&g.window, frame)->fillColor()}), QList({back, back}));
        }
        auto* sign = control<PictureBox>(&g.window, "Bild14");
        QVERIFY(sign->picture() == control<PictureBox>(&g.window, "Bild16")->picture());
        QCOMPARE(sign->backColor(), QColor(128, 128, 0));
        g.window.rollTick();
        QCOMPARE(g.t.scripted.seeds, QList<double>(9, g.t.clock.seconds));
        QCOMPARE(sign->backColor(), QColor(224, 224, 224));
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 1)|50||50|0|0|Freund ist dran!|still|oooooo");
        QCOMPARE(g.state().taskResult, 50 - 16);
    }

    // A wrong answer repeats the task and changes nothing; a right one, by a left click or either Enter,
    // counts, names the next player and rolls; the next task starts from the arrow when the roll ends.
    void answersAreCheckedByClickOrEnter()
    {
        Game g;
        g.startWith(Sign::Minus, {7, 1, 1});
        for (int i = 0; i < 6; ++i) g.key(Qt::Key_Left);
        g.key(Qt::Key_Return);
        QCOMPARE(messages(g.t.dialogs), QStringList{"\rDie Aufgabe lautet:  50 - 7 = _____\r\r|F e h l e r|OK||"});
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 1)|50||44|0|0|Freund ist dran!|still|--oo--");
        QCOMPARE(g.window.focusWidget(), g.window.slider());
        g.key(Qt::Key_Left);
        QTest::mouseClick(control(&g.window, "Bezeichnung3"), Qt::RightButton);
        g.key(Qt::Key_Enter); // the keypad's
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 2)|50|43|43|0|0|Computer ist dran!|rolls|--oo--");
        // A second confirmation during the roll counts again and starts the roll over, but keeps the timer's
        // rhythm: the next tick stays due.
        g.roll(Sign::Plus, {1, 1, 1}, 4);
        QTest::qWait(200);
        const int remaining = g.window.rollTimer().remainingTime();
        g.key(Qt::Key_Return);
        g.key(Qt::Key_Right);
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 3)|50|43|44|0|0|Computer ist dran!|rolls|--oo--");
        QVERIFY2(g.window.rollTimer().remainingTime() <= remaining, "the roll's rhythm was restarted");
        g.roll(Sign::Plus, {4, 1, 1}, 9);
        QVERIFY(g.window.rollTimer().isActive());
        g.window.rollTick();
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 3)|44||44|0|0|Computer ist dran!|still|--oo--");
    }

    // Every third right answer brings the reward's message; the roll runs on while it is open. A roll still
    // running then stops and the memory game comes (back from there the slider has the focus, and nothing
    // rolls until the answer is confirmed again); a roll that ends the game brings the catching game alone.
    void memoryRewardAfterEveryThirdAnswer()
    {
        for (const QString whileOpen : {"nothing", "a task", "the end"}) {
            Game g;
            g.startWith(Sign::Plus);
            for (int value : {51, 52}) {
                g.answer(value);
                g.roll(Sign::Plus);
            }
            g.t.dialogs.whileOpen = [&](const Message&) {
                if (whileOpen == "the end") g.setArrow(95); // 95 + 6 cannot be asked
                if (whileOpen != "nothing") g.roll(whileOpen == "the end" ? Sign::Plus : Sign::Minus, {6, 1, 1});
            };
            g.answer(53);
            QStringList visible;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) visible += w->objectName();
            QCOMPARE(visible, QStringList{whileOpen == "the end" ? "fang" : "memo"});
            QCOMPARE(messages(g.t.dialogs).first(), "Zur Aufmunterung gibt es ein Spiel ...\r|Pelko-Memory|OK||");
            QCOMPARE(g.t.dialogs.shown.size(), whileOpen == "the end" ? 2 : 1); // and who won
            QCOMPARE(g.state().taskResult, whileOpen == "a task" ? 47 : 53 - 3 * (whileOpen == "the end"));
            if (whileOpen != "nothing") continue;
            g.window.slider()->clearFocus();
            g.t.dialogs.answers.push_back(MsgResult::Yes); // leave the memory game
            click(&g.t.program.memoryWindow(), "Bild1");
            QCOMPARE(g.window.focusWidget(), g.window.slider()); // given at once, not by the window system
            QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 4)|52|53|53|0|0|Computer ist dran!|still|--oo--");
            g.key(Qt::Key_Enter);
            QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 5)|52|53|53|0|0|Computer ist dran!|rolls|--oo--");
        }
    }

    // The last one to solve wins, with a message and the catching game, whose catcher waits in the middle.
    // The start state comes back, but the title keeps the last round until the next correct answer.
    void wholeGameEndsWithTheWinnerAndTheCatchingGame()
    {
        Game g;
        g.startWith(Sign::Plus, {9, 1, 1}); // Freund: 50 + 9
        g.answer(59);
        g.roll(Sign::Plus, {9, 1, 1}); // Computer: 59 + 9
        g.answer(68);
        g.setArrow(98); // 98 + 9 cannot be asked of Freund
        g.roll(Sign::Plus, {9, 1, 1});
        QCOMPARE(messages(g.t.dialogs),
                 QStringList{"Jetzt gibt es ein Belohnungsspiel.\r|Computer hat gewonnen!|OK||"});
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 3)|||50|0|1|" + kStart + "|still|--oo--");
        CatchWindow& fang = g.t.program.catchWindow();
        QVERIFY(fang.isVisible() && !g.window.isVisible());
        click(&fang, "Bild5");
        QWidget* catcher = control(&fang, "Bezeichnung8");
        QCOMPARE(QList({catcher->isVisible(), catcher->pos() == twipsPoint(9 * 400, 6 * 400)}), QList({true, true}));
    }

    // One list at a time; each button opens its list or closes it, as does quit. A choice resets the game,
    // stops its roll and keeps the scores. The range list keeps its choice; the dice list opens afresh.
    void listsOpenCloseAndChooseSettings()
    {
        Game g;
        auto* dice = control<QListWidget>(&g.window, "Liste2");
        auto* ranges = control<QListWidget>(&g.window, "Liste1");
        g.click("Bild23");
        g.click("Bild22");
        QVERIFY(dice->isVisible() && ranges->isHidden());
        g.window.slider()->clearFocus();
        g.click("Bild22");
        QVERIFY(dice->isHidden() && g.window.focusWidget() == g.window.slider());
        for (const char* button : {"Bild22", "Bild23"}) {
            g.click(button);
            g.click("Bild20"); // quit? No
            QVERIFY(dice->isHidden() && ranges->isHidden());
        }

        g.click("Bild13");
        g.setArrow(3); // 3 - 3: Computer wins
        g.roll(Sign::Minus, {3, 1, 1});
        g.t.program.catchWindow().close();
        g.startWith(Sign::Plus);
        g.answer(51);
        g.choose("Bild22", "Liste2", 2);
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 2)|||50|0|1|" + kStart + "|still|oooooo");
        g.click("Bild13"); // a new game rolls
        g.choose("Bild23", "Liste1", 3);
        QCOMPARE(g.seen(), "Pelko-Morvelt (Runde 2)|||350|0|1|" + kStart + "|still|oooooo");
        QCOMPARE(g.caption("Bezeichnung12") + "-" + g.caption("Bezeichnung13"), "300-400");
        QVERIFY(ranges->isHidden() && dice->isHidden());
        g.click("Bild23");
        g.click("Bild22");
        QCOMPARE(QList({ranges->currentRow(), dice->currentRow(), int(dice->selectedItems().size())}),
                 QList({3, -1, 0}));
    }

    // A click on an empty spot gives the slider the focus; the help button tells of the rewards until the
    // first task, and how to play from then on.
    void emptySpotsAndHelp()
    {
        Game g;
        const QPoint empty = twipsPoint(2000, 4300);
        QCOMPARE(g.window.childAt(empty), nullptr);
        g.window.slider()->clearFocus();
        QTest::mouseClick(&g.window, Qt::LeftButton, {}, empty);
        QCOMPARE(g.window.focusWidget(), g.window.slider());
        g.click("Bild21");
        g.startWith(Sign::Plus);
        g.click("Bild21");
        QCOMPARE(messages(g.t.dialogs),
                 QStringList({"Immer nach 30 Aufgaben und nach\rjedem Sieg gibt es eine Belohnung!\r\r|Pelko-Morvelt: "
                              "Hilfe|OK||",
                              "Stelle erst das Ergebnis mit dem Regler ein\rund klicke dann auf die blauweiße "
                              "Pfeilzahl.\rEs geht auch mit den Pfeiltasten und Enter.\r|Pelko-Morvelt: Hilfe|OK||"}));
    }

    // The roll and the catching game's clock keep real time: a coarse timer would tick up to 5 % early.
    void timersKeepRealTime()
    {
        Game g;
        auto* clock = control<QTimer>(&g.t.program.catchWindow(), "Zeit1");
        QCOMPARE(QList({g.window.rollTimer().timerType(), clock->timerType()}),
                 QList({Qt::PreciseTimer, Qt::PreciseTimer}));
        QCOMPARE(QList({g.window.rollTimer().interval(), clock->interval()}), QList({500, 1000}));
    }

    // The lists are sized to their entries, without scroll bars: they must not cut any.
    void listsShowEveryCharacter()
    {
        Game g;
        g.click("Bild22"); // fills the dice list
        for (const char* name : {"Liste1", "Liste2"}) {
            auto* list = control<QListWidget>(&g.window, name);
            list->show();
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int row = 0; row < list->count(); ++row) {
                const QRect item = list->visualItemRect(list->item(row));
                const QString text = list->item(row)->text();
                // The entries have no descenders: their glyphs, not the font's full height, must fit a row.
                QVERIFY2(list->viewport()->rect().contains(item) &&
                             list->fontMetrics().horizontalAdvance(text.trimmed()) + 2 * margin <= item.width() &&
                             list->fontMetrics().tightBoundingRect(text).height() <= item.height(),
                         qPrintable(text));
            }
        }
    }
};

QTEST_MAIN(ContestTest)
#include "test_contest.moc"
