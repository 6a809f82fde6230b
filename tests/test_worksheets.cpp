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
// 1 down and up again `turns` times (for ever by default), so the chain reaches no end; then the draws of `then`.
std::deque<double> endlessChain(int dice = 1, std::deque<double> then = {}, int turns = 1000)
{
    std::deque<double> values(dice, 0.0);
    values.push_back(0.25);
    for (int i = 0; i < turns; ++i) {
        values.insert(values.end(), dice, 0.0);
        values.push_back(i % 2 ? 0.25 : 0.75);
    }
    values.insert(values.end(), then.begin(), then.end());
    return values;
}
// From 50 up to 100 in six tasks of one die.
const auto kSixTasks = draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{5}, '+'}});

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
    WorksheetWindow window{t.services, settings, [this] { return locked; }};
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
                const Sheet sheet = buildSheet(random, SheetSettings{dice, base});
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

    // Only showing draws a sheet, not the activation a closing box hands back, or copies would mix sheets.
    // Dice come before the sign; a draw leaving the range is redrawn. New-sheet and dice buttons throw sheets
    // over 90 tasks away, the range button keeps its one sheet, copying every line. Dice go 1, 2, 3, 1, the
    // range 900 - 1000 to 0 - 100; the lists show whole lines and a line chosen in one is chosen in both.
    void theButtonsAndListsOfOneWindow()
    {
        Shown s({1, 800}, kSixTasks);
        QCOMPARE(caption(&s.window, "Bezeichnung5") + caption(&s.window, "Bezeichnung6") +
                     caption(&s.window, "Bezeichnung2"),
                 QString(" 800-900 1 Würfel 6 Aufg."));
        QWidget box; // takes the activation while the message box is open, as a real box does
        s.t.dialogs.whileOpen = [&](const Message&) {
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.close();
            s.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&s.window));
        };
        click(&s.window, "Bild7");
        click(&s.window, "Bild8");
        QCOMPARE(s.t.clipboard.texts,
                 QStringList({s.lines("Liste1").join("\r\n") + "\r\n", s.lines("Liste2").join("\r\n") + "\r\n"}));
        // The end-to-end test prints; here a job that fails, and a copy, which the lock never stops.
        s.t.printer.result = PrintResult::Failed;
        s.locked = false;
        s.t.dialogs.answers = {MsgResult::Yes}; // to the question
        click(&s.window, "Bild6");
        s.locked = true;
        click(&s.window, "Bild7");
        QCOMPARE(s.t.clipboard.texts.size(), 3);
        QCOMPARE(messages(s.t.dialogs).mid(3),
                 QStringList({"Der Druckauftrag konnte nicht ausgeführt werden.\rDas Arbeitsblatt wurde nicht "
                              "gedruckt.\r|Pelko-Morvelt: Drucken|OK|!|",
                              "Die Aufgaben wurden kopiert!\r|Ablage|OK||"}));

        // 51, then 84 turns and 9, 9, 9, 9, 9, 4 up: 91 tasks; then 50 (83 turns) and six tasks up: 90.
        s.t.scripted.values =
            endlessChain(1, draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{4}, '+'}}), 84);
        for (double v : endlessChain(1, kSixTasks, 83)) s.t.scripted.values.push_back(v);
        click(&s.window, "Bild2");
        QCOMPARE(s.lines("Liste2").size(), 90);
        s.t.scripted.values = endlessChain(2, draws({{{9, 9}, '+'}, {{9, 9}, '+'}, {{9, 9}, '+'}, {{9, 5}, '+'}}));
        click(&s.window, "Bild3");
        QCOMPARE(s.lines("Liste1"), QStringList({" 850 + 18 = ____", "____ + 18 = ____", "____ + 14 = ____"}));
        QStringList dice{caption(&s.window, "Bezeichnung6")};
        for (int i = 0; i < 3; ++i) {
            click(&s.window, "Bild3");
            dice += caption(&s.window, "Bezeichnung6");
        }
        QCOMPARE(dice, QStringList({"2 Würfel", "3 Würfel", "1 Würfel", "2 Würfel"}));
        s.settings.sheetDice = 1;
        s.t.scripted.values = endlessChain(1, kSixTasks);
        click(&s.window, "Bild4");
        QCOMPARE(std::pair(s.lines("Liste1").size(), s.t.scripted.values.size()),
                 std::pair(qsizetype(1001), kSixTasks.size()));
        QCOMPARE(caption(&s.window, "Bezeichnung5") + caption(&s.window, "Bezeichnung2"),
                 QString(" 900-1000 1001 Aufg."));

        QCoreApplication::processEvents(); // the lists lay out their items later
        for (auto [name, other, row] : {std::tuple("Liste1", "Liste2", 3), {"Liste2", "Liste1", 7}}) {
            QListWidget* list = s.list(name);
            QVERIFY(QFontInfo(list->font()).fixedPitch() && list->verticalScrollBar()->isVisible());
            QVERIFY(list->fontMetrics().horizontalAdvance(list->item(0)->text()) < list->viewport()->width() - 4);
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(s.list(other)->currentRow(), row);
        }
        click(&s.window, "Bild8");
        QCOMPARE(s.t.clipboard.texts.last(), s.lines("Liste2").join("\r\n") + "\r\n");
        QCOMPARE(messages(s.t.dialogs).last(), "Die Lösungen wurden kopiert!\r|Ablage|OK||");
        click(&s.window, "Bild4");
        QCOMPARE(caption(&s.window, "Bezeichnung5"), QString(" 0-100"));
        QVERIFY(s.t.scripted.seeds.isEmpty());
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
