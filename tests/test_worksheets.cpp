#include "support/fakes.h"
#include "worksheets/sheet.h"
#include "worksheets/sheetoutput.h"
#include "worksheets/worksheetwindow.h"

#include <QListWidget>
#include <QScrollBar>

using namespace platform;

namespace {

// The draws that Int(Rnd * 9) + 1 and Int(Rnd * 2) + 1 turn into these dice and signs.
std::deque<double> draws(std::initializer_list<std::pair<std::initializer_list<int>, char>> tasks)
{
    std::deque<double> values;
    for (const auto& [dice, sign] : tasks) {
        for (int die : dice) values.push_back((die - 0.5) / 9);
        values.push_back(sign == '+' ? 0.25 : 0.75);
    }
    return values;
}
// 850 + 27, a throw-away + 27, then + 11, - 11, + 23 lands on 900.
const auto kFourTasks =
    draws({{{9, 9, 9}, '+'}, {{9, 9, 9}, '+'}, {{5, 5, 1}, '+'}, {{1, 1, 9}, '-'}, {{9, 9, 5}, '+'}});
// One die, 1 down and up again for ever: the chain never reaches an end.
std::deque<double> endlessChain()
{
    std::deque<double> values = draws({{{1}, '+'}});
    for (int i = 0; i < 1000; ++i) values.insert(values.end(), {0.0, i % 2 ? 0.25 : 0.75});
    return values;
}

struct Shown {
    explicit Shown(SheetSettings start = {}, std::deque<double> script = {}) : settings(start)
    {
        t.scripted.values = std::move(script);
        window.show();
    }
    QListWidget* list(const char* name) { return control<QListWidget>(&window, name); }
    QStringList lines(const char* name)
    {
        QStringList all;
        for (int i = 0; i < list(name)->count(); ++i) all += list(name)->item(i)->text();
        return all;
    }
    TestProgram t;
    SheetSettings settings;
    bool locked = true;
    WorksheetWindow window{t.program.services, settings, [this] { return locked; }};
};

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
private slots:
    // From the middle of the range, every task follows from the one before, stays in the range, and sums
    // one to three dice; a chain ends on an end of the range, or after 1001 tasks.
    void chainsKeepTheirRulesOverManySeeds()
    {
        StdRandom random;
        for (auto [dice, base] : {std::pair{1, 0}, {2, 400}, {3, 900}}) {
            const int width = base == 900 ? 5 : 4;
            int lowest = 99, highest = 0, previous = base + 50;
            for (int seed = 1; seed <= 300; ++seed) {
                random.seed(seed);
                const Sheet sheet = BuildSheet(random, SheetSettings{dice, base});
                for (qsizetype i = 0; i < sheet.tasks.size(); ++i) {
                    const QString& line = sheet.solutions[i]; // "first sign operand = result", in fixed columns
                    const int first = line.left(width).toInt(), operand = line.mid(width + 3, 2).toInt();
                    const int result = line.mid(width + 8).toInt();
                    QCOMPARE(line.size(), 2 * width + 8);
                    QCOMPARE(first, i ? previous : base + 50);
                    QCOMPARE(result, line[width + 1] == '+' ? first + operand : first - operand);
                    const bool atEnd = result == base || result == base + 100;
                    QVERIFY(result >= base && result <= base + 100);
                    QVERIFY(atEnd == (i + 1 == sheet.tasks.size()) || (!atEnd && sheet.tasks.size() == 1001));
                    lowest = std::min(lowest, operand);
                    highest = std::max(highest, operand);
                    previous = result;
                }
            }
            QCOMPARE(std::pair(lowest, highest), std::pair(dice, 9 * dice)); // every sum turns up, no other
        }
    }

    // An endless chain stops at 1001 tasks, and a page sheet draws again until one fits 90 lines. (The order
    // of the draws and drawing again on leaving the range are seen in the window test below.)
    void drawsAndLimits()
    {
        ScriptedRandom random;
        random.values = endlessChain();
        QCOMPARE(BuildSheet(random, SheetSettings{}).solutions.size(), 1001);
        random.values = endlessChain();
        for (double v : draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{5}, '+'}}))
            random.values.push_back(v);
        QCOMPARE(worksheets::BuildPageSheet(random, SheetSettings{}).solutions.last(), "  95 +  5 =  100");
        QVERIFY(random.values.empty() && random.seeds.isEmpty());
    }

    // Two empty lines, then 30 double-spaced rows of lines r, r + 30 and r + 60 from columns 10, 34 and 58.
    void aPageHoldsThirtyDoubleSpacedRowsInThreeColumns()
    {
        for (int count : {45, 100}) {
            QStringList lines, expected(2);
            for (int i = 0; i < count; ++i) lines += QString("line %1").arg(i).rightJustified(16, '.');
            for (int row = 0; row < 30; ++row) {
                expected += QString(9, ' ') + lines[row];
                for (int column : {1, 2})
                    if (row + 30 * column < std::min(count, 90))
                        expected.last() += QString(8, ' ') + lines[row + 30 * column];
                expected += QString();
            }
            RecordingPrinter printer;
            worksheets::printSheet(printer, lines);
            printer.endDoc();
            QCOMPARE(printer.documents, QList<QStringList>{expected});
        }
    }

    // The dice are drawn before the sign, and a draw that would leave the range is drawn again. A box
    // closing sends the window activation and focus again; only coming on screen draws a sheet, or the
    // solutions copied after the tasks would belong to another sheet.
    void showingDrawsOneSheetAndMessageBoxesNeverDrawAnother()
    {
        Shown s({3, 800}, kFourTasks);
        QCOMPARE(s.lines("Liste1"),
                 QStringList({" 850 + 27 = ____", "____ + 11 = ____", "____ - 11 = ____", "____ + 23 = ____"}));
        QCOMPARE(QStringList({caption(&s.window, "Bezeichnung5"), caption(&s.window, "Bezeichnung6"),
                              caption(&s.window, "Bezeichnung2")}),
                 QStringList({" 800-900", " 3 Würfel", " 4 Aufg."}));
        s.t.dialogs.whileOpen = [&](const Message&) {
            for (auto type : {QEvent::WindowActivate, QEvent::ActivationChange, QEvent::FocusIn}) {
                QEvent event(type);
                QCoreApplication::sendEvent(&s.window, &event);
            }
        };
        click(&s.window, "Bild7");
        click(&s.window, "Bild8");
        QCOMPARE(s.t.clipboard.texts, QStringList({s.lines("Liste1").join("\r\n") + "\r\n",
                                                   " 850 + 27 =  877\r\n 877 + 11 =  888\r\n 888 - 11 =  877\r\n"
                                                   " 877 + 23 =  900\r\n"}));
        // Printing and its lock are seen in the end-to-end test; here what it cannot bring about: a job
        // that fails, and copying, which the lock never stops.
        s.t.printer.result = PrintResult::Failed;
        s.locked = false;
        s.t.dialogs.answers = {MsgResult::Yes}; // to the question
        click(&s.window, "Bild6");
        s.locked = true;
        click(&s.window, "Bild5");
        click(&s.window, "Bild7");
        QCOMPARE(
            messages(s.t.dialogs).mid(3),
            QStringList({"Der Druckauftrag konnte nicht ausgeführt werden.\rDas Arbeitsblatt wurde nicht "
                         "gedruckt.\r|Pelko-Morvelt: Drucken|OK|!|",
                         "Der Drucker ist gesperrt!\r|Drucken|OK||", "Die Aufgaben wurden kopiert!\r|Ablage|OK||"}));
        QCOMPARE(s.t.clipboard.texts.size(), 3);
        click(&s.window, "Bild4"); // the range steps on, then round to the start, and the captions follow
        const QString next = caption(&s.window, "Bezeichnung5");
        click(&s.window, "Bild4");
        QCOMPARE(next + caption(&s.window, "Bezeichnung5") + caption(&s.window, "Bezeichnung2"),
                 QString(" 900-1000 0-100 %1 Aufg.").arg(s.lines("Liste1").size()));
    }

    // Showing has no 90-line limit; the lists show whole lines and scroll only down.
    void theListsShowWholeLinesOfLongSheets()
    {
        Shown s({1, 900}, endlessChain());
        QCOMPARE(s.lines("Liste2").size(), 1001);
        QCoreApplication::processEvents(); // the lists lay out their items later
        for (const char* name : {"Liste1", "Liste2"}) {
            QListWidget* list = s.list(name);
            QVERIFY(QFontInfo(list->font()).fixedPitch() && list->verticalScrollBar()->isVisible());
            QVERIFY(list->fontMetrics().horizontalAdvance(list->item(0)->text()) < list->viewport()->width() - 4);
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        }
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
