#include "assets/artwork.h"
#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QListWidget>
#include <QPainter>
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
    QScrollBar* slider = sliderOf(&window);
    Input input = Input::Mouse;
    const ContestState& state() const { return window.contest().state(); }

    bool rolling() const { return window.rollTimer().isActive(); }
    void click(const char* name) { ::click(&window, name, input); }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void setArrow(int value) { slider->setValue(value - state().rangeBase); }
    // Every tick draws the same sign and faces; runs up to `ticks` ticks while the roll runs.
    void roll(Sign sign, std::array<int, kDice> faces = {1, 1, 1}, int ticks = 10)
    {
        t.scripted.values.clear();
        for (int tick = 0; tick < ticks; ++tick) {
            t.scripted.values.push_back(sign == Sign::Minus ? 0.75 : 0.25);
            for (int face : faces) t.scripted.values.push_back((face - 0.5) / 9);
        }
        for (int i = 0; i < ticks && rolling(); ++i) window.rollTick();
    }
    // A child's steps by name: a control to click, "Liste1:3" a list's row, "=43" an answer, "@43" the arrow set,
    // "-2,5,9/9" a roll of these faces (the rest ones) for up to so many ticks (ten), "tick" one tick, "^2"
    // the wheel's notches, "page" a click beside the handle, "thumb" it dragged by 60, "win" by the left player,
    // "back" from the catching game, "while+1_=2" steps while the next message is open, "leave" the memory game,
    // "blur" the slider, "spot" an empty one, "right" a right click on the arrow number, or a key ("~Return" held).
    void act(const QString& steps)
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const int value = step.mid(1).toInt();
            const QPoint middle = slider->rect().center();
            if (step == "tick") {
                act("+1/1");
            } else if (step[0] == '+' || step[0] == '-') {
                std::array<int, kDice> faces{1, 1, 1};
                const QStringList numbers = step.mid(1).section('/', 0, 0).split(',');
                for (int die = 0; die < numbers.size(); ++die) faces[std::size_t(die)] = numbers[die].toInt();
                roll(step[0] == '-' ? Sign::Minus : Sign::Plus, faces,
                     step.contains('/') ? step.section('/', 1).toInt() : 10);
            } else if (step[0] == '^') {
                QWheelEvent wheel(middle, slider->mapToGlobal(middle), {}, QPoint(0, 120 * value), Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(slider, &wheel);
            } else if (step == "page") {
                ::click(input, slider, QPoint(slider->width() - 40, 5));
            } else if (step == "thumb") {
                drag(input, slider, middle, middle + QPoint(60, 0));
            } else if (step.startsWith("while")) {
                t.dialogs.whileOpen = [this, then = step.mid(5).replace('_', ' ')](const Message&) { act(then); };
            } else if (step == "win") {
                act("Bild13 +9 =59 @98 +9");
            } else if (step == "back") {
                t.program.catchWindow().close();
            } else if (step == "leave") {
                t.dialogs.answers.push_back(MsgResult::Yes);
                ::click(&t.program.memoryWindow(), "Bild1", input);
            } else if (step == "blur") {
                slider->clearFocus();
            } else if (step == "spot") {
                ::click(input, &window, twipsPoint(2000, 4300));
            } else if (step == "right") {
                QTest::mouseClick(control(&window, "Bezeichnung3"), Qt::RightButton);
            } else if (step.contains(':')) {
                auto* list = control<QListWidget>(&window, qPrintable(step.section(':', 0, 0)));
                const QRect item = list->visualItemRect(list->item(step.section(':', 1).toInt()));
                ::click(input, list->viewport(), item.center());
            } else if (step[0] == '=') {
                setArrow(value);
                click("Bezeichnung3");
            } else if (step[0] == '@') {
                setArrow(value);
            } else if (step[0] == '~') { // the repeat of a held key
                QKeyEvent held(QEvent::KeyPress, step == "~Right" ? Qt::Key_Right : Qt::Key_Return, {}, "", true);
                QApplication::sendEvent(QApplication::focusWidget(), &held);
            } else if (step == "Return" || step == "Enter" || step == "Right") {
                key(step == "Return" ? Qt::Key_Return : step == "Enter" ? Qt::Key_Enter : Qt::Key_Right);
            } else {
                click(qPrintable(step));
            }
        }
    }
    // What a child sees of the window or a control: a caption; "shown" or "hidden" with the back colour and the
    // picture's title; a list's row; the slider's value; "scale 50 3030" the colour at a point.
    QString seen(const QString& name)
    {
        if (name == "title") return window.windowTitle();
        if (name == "roll") return rolling() ? "rolls" : "still";
        if (name == "focus") return window.focusWidget() ? window.focusWidget()->objectName() : "";
        if (name == "messages") return messages(t.dialogs).join('\n');
        if (name == "windows") {
            QStringList visible;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) visible += w->objectName();
            return visible.join(' ');
        }
        if (name == "task") return QString::number(window.contest().state().taskResult);
        if (name.startsWith("face")) {
            QImage image(70, 70, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            artwork::dieFace(name.section(' ', 1).toInt()).paint(painter, QRectF(0, 0, 70, 70));
            QString pips;
            for (int place = 0; place < 9; ++place)
                pips += qGray(image.pixel(15 + 20 * (place % 3), 15 + 20 * (place / 3))) < 128 ? 'o' : '.';
            return pips;
        }
        if (name == "seeds") return QString::number(t.scripted.seeds.count(t.clock.seconds));
        if (name == "arrow")
            return QString("%1 %2").arg(control(&window, "Bild3")->x()).arg(control(&window, "Bezeichnung3")->x());
        if (name.startsWith("scale")) {
            window.repaint();
            return QColor(window.grab().toImage().pixel(px(600 + 90 * name.section(' ', 1, 1).toInt()),
                                                        px(name.section(' ', 2).toInt())))
                .name();
        }
        QWidget* c = control(&window, qPrintable(name.section(' ', 0, 0)));
        const QString shown = c->isHidden() ? "hidden" : "shown";
        if (auto* label = qobject_cast<Label*>(c)) return label->caption();
        if (auto* box = qobject_cast<PictureBox*>(c))
            return (shown + " " + box->backColor().name() + " " + box->picture().title()).trimmed();
        if (auto* shape = qobject_cast<Shape*>(c)) return shown + " " + shape->fillColor().name();
        if (auto* bar = qobject_cast<QScrollBar*>(c)) return QString::number(bar->value());
        auto* list = qobject_cast<QListWidget*>(c);
        return shown + " " + QString::number(list->currentRow());
    }
};

const QString kStart = "Klicke zum Start auf einen Würfel.";

} // namespace

class ContestTest : public QObject {
    Q_OBJECT
private slots:
    // A dark theme with a big font changes no colour or font of the window's own.
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
    }

    // What a child sees after a few steps: each row one behaviour of the window, where it points also by touch.
    void theWindowShowsWhatTheGameSays_data()
    {
        inputColumn();
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shows");
        const auto row = [](const char* name, const char* steps, const char* control, const QString& shows) {
            if (QRegularExpression("Bild|Liste|=|page|thumb|win|spot").match(steps).hasMatch())
                byInput(name, QString(steps), QString(control), shows);
            else
                QTest::newRow(name) << Input::Mouse << steps << control << shows;
        };
        row("the scale marks a ten red above the line", "", "scale 50 3030", "#ff0000");
        row("the scale marks the top end red", "", "scale 100 3030", "#ff0000");
        row("the scale marks a five blue above the line", "", "scale 15 3030", "#0000ff");
        row("the scale marks nothing above a one", "", "scale 13 3030", "#e0e0e0");
        row("the scale marks a one blue below the line", "", "scale 13 3320", "#0000ff");
        row("the scale's red covers the blue", "", "scale 50 3320", "#ff0000");
        row("three dice show die 3", "Bild22 Liste2:2", "Bild18", "shown #ffffff");
        row("a key moves the slider by one", "Right", "HBildlauf1", "51");
        row("a click beside the handle pages by ten", "page", "HBildlauf1", "60");
        row("the handle drags the arrow along", "Bild13 thumb", "Bezeichnung3", "60");
        row("the wheel steps one per notch", "^1", "HBildlauf1", "51");
        row("the wheel steps back one per notch", "^-1", "HBildlauf1", "49");
        row("the wheel steps two for two notches", "^2", "HBildlauf1", "52");
        row("before a game the slider moves alone", "Bild23 Liste1:3 Right", "Bezeichnung3", "350");
        row("a die click puts the slider back", "Right Bild13", "HBildlauf1", "50");
        row("during a game the arrow follows", "Bild13 Right", "Bezeichnung3", "51");
        row("the arrow stands over its value", "Bild13 @57", "arrow", QString("%1 %2").arg(px(5490)).arg(px(5230)));
        row("die 1 shows its face in its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Bild13", "shown #ffff00 2");
        row("die 2 shows its face in its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Bild19", "shown #00ffff 5");
        row("die 3 shows its face in its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Bild18", "shown #c0c0c0 9");
        row("die 1's frame takes its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Figur1", "shown #ffff00");
        row("die 2's frame takes its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Figur5", "shown #00ffff");
        row("die 3's frame takes its colour", "Bild22 Liste2:2 Bild13 -2,5,9", "Figur4", "shown #c0c0c0");
        row("the sign shows plus", "Bild13 +2/9", "Bild14", "shown #ff00ff plus");
        row("each tick seeds from the clock", "Bild13 -7", "seeds", "9");
        row("the roll ends at its tenth tick", "Bild13 -7", "roll", "still");
        row("a right answer shows", "Bild13 -7 =43", "Bezeichnung8", "43");
        row("a right answer rolls", "Bild13 -7 =43", "roll", "rolls");
        row("Return confirms", "Bild13 -7 @43 Return", "title", "Pelko-Morvelt (Runde 2)");
        row("the keypad's Enter confirms", "Bild13 -7 @43 Enter", "title", "Pelko-Morvelt (Runde 2)");
        row("the right button confirms nothing", "Bild13 -7 @43 right", "roll", "still");
        row("a confirmation during the roll counts", "Bild13 -7 =43 tick Return", "title", "Pelko-Morvelt (Runde 3)");
        row("a held Return confirms once", "Bild13 -7 =43 ~Return", "title", "Pelko-Morvelt (Runde 2)");
        row("a held arrow key goes on moving", "Bild13 ~Right ~Right", "Bezeichnung3", "52");
        row("the next task starts from the arrow", "Bild13 -7 =43 Right +4", "Bezeichnung7", "44");
        row("every third answer brings the reward's message", "Bild13 +1 =51 +1 =52 +1 =53", "messages",
            "Zur Aufmunterung gibt es ein Spiel ...\r|Pelko-Memory|OK||");
        row("the memory game follows the message", "Bild13 +1 =51 +1 =52 +1 =53", "windows", "memo");
        row("the roll runs on while the message is open", "Bild13 +1 =51 +1 =52 +1 while-6 =53", "task", "47");
        row("the game may end meanwhile: the catching game comes alone", "Bild13 +1 =51 +1 =52 +1 while@95_+6 =53",
            "windows", "fang");
        row("a win brings the catching game", "win", "windows", "fang");
        row("back from the memory game nothing rolls", "Bild13 +1 =51 +1 =52 +1 =53 leave", "roll", "still");
        row("back from the memory game the slider has the focus", "Bild13 +1 =51 +1 =52 +1 =53 blur leave", "focus",
            "HBildlauf1");
        row("the last one to solve wins", "win", "Bezeichnung10", "1");
        row("the winner is told", "win", "messages", "Jetzt gibt es ein Belohnungsspiel.\r|Freund hat gewonnen!|OK||");
        row("a win clears the task", "win", "Bezeichnung7", "");
        row("a win asks for a die again", "win", "Bezeichnung6", kStart);
        row("a win puts the arrow in the middle", "win", "Bezeichnung3", "50");
        row("a choice keeps the round", "win back Bild13 Bild22 Liste2:2", "title", "Pelko-Morvelt (Runde 2)");
        row("a choice asks for a die", "Bild13 -7 Bild22 Liste2:1", "Bezeichnung6", kStart);
        row("a range shows its low end", "Bild23 Liste1:3", "Bezeichnung12", "300");
        row("a range shows its high end", "Bild23 Liste1:3", "Bezeichnung13", "400");
        row("a range puts the arrow on its middle", "Bild13 Right Bild23 Liste1:3", "Bezeichnung3", "350");
        row("the dice button closes its list", "Bild22 Bild22", "Liste2", "hidden -1");
        row("the range button closes its list", "Bild23 Bild23", "Liste1", "hidden -1");
        row("the dice button closes the ranges", "Bild23 Bild22", "Liste1", "hidden -1");
        row("the range button closes the dice", "Bild22 Bild23", "Liste2", "hidden -1");
        row("quit closes the dice", "Bild22 Bild20", "Liste2", "hidden -1");
        row("quit closes the ranges", "Bild23 Bild20", "Liste1", "hidden -1");
        row("a choice closes the dice", "Bild22 Liste2:1", "Liste2", "hidden 1");
        row("a choice closes the ranges", "Bild23 Liste1:1", "Liste1", "hidden 1");
        row("a tick closes the dice", "Bild13 Bild22 tick", "Liste2", "hidden -1");
        row("a tick closes the ranges", "Bild13 Bild23 tick", "Liste1", "hidden -1");
        row("the range list keeps its row", "Bild23 Liste1:3 Bild23", "Liste1", "shown 3");
        row("the dice list opens afresh", "Bild22 Liste2:1 Bild22", "Liste2", "shown -1");
        row("closing the dice list focuses the slider", "blur Bild22 Bild22", "focus", "HBildlauf1");
        row("closing the range list focuses the slider", "blur Bild23 Bild23", "focus", "HBildlauf1");
        row("a dice choice focuses the slider", "blur Bild22 Liste2:1", "focus", "HBildlauf1");
        row("a range choice focuses the slider", "blur Bild23 Liste1:1", "focus", "HBildlauf1");
        row("a die click focuses the slider", "blur Bild13", "focus", "HBildlauf1");
        row("a wrong answer focuses the slider", "Bild13 -7 blur =44", "focus", "HBildlauf1");
        row("a click on an empty spot focuses the slider", "blur spot", "focus", "HBildlauf1");
        row("a one shows its pip in the centre", "", "face 1", "....o....");
        row("a two shows two corners", "", "face 2", "o.......o");
        row("a three shows a diagonal", "", "face 3", "o...o...o");
        row("a four shows the corners", "", "face 4", "o.o...o.o");
        row("a five shows the corners and the centre", "", "face 5", "o.o.o.o.o");
        row("a six shows two columns", "", "face 6", "o.oo.oo.o");
        row("a seven shows two columns and the centre", "", "face 7", "o.ooooo.o");
        row("an eight shows all but the centre", "", "face 8", "oooo.oooo");
        row("a nine shows all places", "", "face 9", "ooooooooo");
        row("the help tells of the rewards before the first task", "Bild21", "messages",
            "Immer nach 30 Aufgaben und nach\rjedem Sieg gibt es eine Belohnung!\r\r|Pelko-Morvelt: Hilfe|OK||");
    }
    void theWindowShowsWhatTheGameSays()
    {
        QFETCH(QString, steps);
        QFETCH(QString, control);
        Game g;
        QFETCH(Input, input);
        g.input = input;
        QCOMPARE(g.window.childAt(twipsPoint(2000, 4300)), nullptr); // the empty spot
        g.act(steps);
        QTEST(g.seen(control), "shows");
    }

    // A second confirmation during the roll keeps the timer's rhythm: the next tick stays due.
    void aConfirmationDuringTheRollKeepsItsRhythm()
    {
        Game g;
        g.act("Bild13 -7 =43 tick tick");
        QTest::qWait(200);
        const int remaining = g.window.rollTimer().remainingTime();
        g.key(Qt::Key_Return);
        QVERIFY2(g.window.rollTimer().remainingTime() <= remaining, "the roll's rhythm was restarted");
    }

    // The lists are sized to their entries, without scroll bars: they must not cut any. Their rows fill them, so a
    // click anywhere picks one; also once a zoom has grown them.
    void listsShowEveryCharacter()
    {
        Game g;
        g.click("Bild22"); // fills the dice list
        for (const double zoom : {1.0, 1.5})
            for (const char* name : {"Liste1", "Liste2"}) {
                auto* list = control<QListWidget>(&g.window, name);
                list->show();
                list->resize(list->size() * zoom);
                const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
                int bottom = -1;
                for (int row = 0; row < list->count(); ++row) {
                    const QRect item = list->visualItemRect(list->item(row));
                    const QString text = list->item(row)->text();
                    // The entries have no descenders: their glyphs, not the font's full height, must fit a row.
                    QVERIFY2(list->viewport()->rect().contains(item) && item.top() == bottom + 1 &&
                                 list->fontMetrics().horizontalAdvance(text.trimmed()) + 2 * margin <= item.width() &&
                                 list->fontMetrics().tightBoundingRect(text).height() <= item.height(),
                             qPrintable(text));
                    bottom = item.bottom();
                }
                QCOMPARE(bottom, list->viewport()->rect().bottom());
            }
    }
};

QTEST_MAIN(ContestTest)
#include "test_contest.moc"
