#include "support/fakes.h"
#include "worksheets/sheet.h"
#include "worksheets/sheetoutput.h"
#include "worksheets/worksheetwindow.h"

#include <QListWidget>
#include <QScrollBar>

using namespace platform;

namespace {

// The uniform draws that become these dice and signs.
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
    void everyChainRunsFromTheMiddleToAnEnd_data()
    {
        QTest::addColumn<int>("dice");
        QTest::addColumn<int>("base");
        QTest::newRow("1 die, 0-100") << 1 << 0;
        QTest::newRow("2 dice, 400-500") << 2 << 400;
        QTest::newRow("3 dice, 900-1000") << 3 << 900;
    }
    // From the middle of the range, every task follows from the one before, stays in the range, and sums its dice;
    // a chain ends on an end of the range, or after 1001 tasks.
    void everyChainRunsFromTheMiddleToAnEnd()
    {
        QFETCH(int, dice);
        QFETCH(int, base);
        StdRandom random;
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
        QCOMPARE(lowest, dice); // every sum turns up, and no other
        QCOMPARE(highest, 9 * dice);
    }

    // Showing draws a chain from the middle of the range without seeding the generator, and tells the settings.
    void showingDrawsAChainAndTellsTheSettings()
    {
        Shown s({1, 800}, kSixTasks);
        QCOMPARE(s.lines("Liste1").first(), QStringLiteral(" 850 +  9 = ____"));
        QCOMPARE(caption(&s.window, "Bezeichnung5"), QStringLiteral(" 800-900"));
        QCOMPARE(caption(&s.window, "Bezeichnung6"), QStringLiteral(" 1 Würfel"));
        QCOMPARE(caption(&s.window, "Bezeichnung2"), QStringLiteral(" 6 Aufg."));
        QVERIFY(s.t.scripted.seeds.isEmpty());
    }

    // Only showing draws a sheet, not the activation a closing box hands back, so each list copies the sheet shown.
    void aClosingBoxDrawsNoSheet()
    {
        Shown s;
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
        QCOMPARE(s.t.clipboard.texts.value(0), s.lines("Liste1").join("\r\n") + "\r\n");
        QCOMPARE(s.t.clipboard.texts.value(1), s.lines("Liste2").join("\r\n") + "\r\n");
    }

    // Dice go 1, 2, 3 and back to 1, written plainly; a task's dice are drawn before its sign.
    void theDiceButtonCountsToThreeAndStartsAgain()
    {
        Shown s({1, 800});
        s.t.scripted.values = draws({{{9, 9}, '+'}, {{9, 9}, '+'}, {{9, 5}, '+'}});
        click(&s.window, "Bild3");
        QCOMPARE(caption(&s.window, "Bezeichnung6"), QStringLiteral("2 Würfel"));
        QCOMPARE(s.lines("Liste1").first(), QStringLiteral(" 850 + 18 = ____"));
        QCOMPARE(s.lines("Liste1").last(), QStringLiteral("____ + 14 = ____"));
        click(&s.window, "Bild3");
        QCOMPARE(caption(&s.window, "Bezeichnung6"), QStringLiteral("3 Würfel"));
        click(&s.window, "Bild3");
        QCOMPARE(caption(&s.window, "Bezeichnung6"), QStringLiteral("1 Würfel"));
    }

    void theNewSheetAndDiceButtonsWantOnePage_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("dice"); // before the click; one die after it
        QTest::newRow("new sheet") << QByteArray("Bild2") << 1;
        QTest::newRow("dice") << QByteArray("Bild3") << 3;
    }
    // A sheet of 91 tasks is thrown away, one of 90 kept.
    void theNewSheetAndDiceButtonsWantOnePage()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, dice);
        Shown s({dice, 800});
        // 51, then 84 turns and 9, 9, 9, 9, 9, 4 up: 91 tasks; then 50 (83 turns) and six tasks up: 90.
        s.t.scripted.values =
            endlessChain(1, draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{4}, '+'}}), 84);
        for (double v : endlessChain(1, kSixTasks, 83)) s.t.scripted.values.push_back(v);
        click(&s.window, button);
        QCOMPARE(s.lines("Liste2").size(), 90);
        QVERIFY(s.t.scripted.values.empty());
    }

    // The range button takes any sheet, however long, and goes up by a hundred to 900 - 1000, then to 0 - 100.
    void theRangeButtonTakesAnySheet()
    {
        Shown s({1, 800});
        s.t.scripted.values = endlessChain(1, kSixTasks);
        click(&s.window, "Bild4");
        QCOMPARE(s.lines("Liste1").size(), 1001);
        QCOMPARE(caption(&s.window, "Bezeichnung5"), QStringLiteral(" 900-1000"));
        QCOMPARE(caption(&s.window, "Bezeichnung2"), QStringLiteral(" 1001 Aufg."));
        click(&s.window, "Bild4");
        QCOMPARE(caption(&s.window, "Bezeichnung5"), QStringLiteral(" 0-100"));
    }

    // The widest lines fit whole and only long sheets scroll; a line chosen in one list is shown with its partner.
    void theListsShowWholeLinesAndChooseTogether()
    {
        Shown s({1, 900}, endlessChain());
        QCoreApplication::processEvents(); // the lists lay out their items later
        QListWidget* tasks = s.list("Liste1");
        QCOMPARE(tasks->horizontalScrollBar()->maximum(), 0);
        QVERIFY(tasks->verticalScrollBar()->isVisible());
        QTest::mouseClick(tasks->viewport(), Qt::LeftButton, {}, tasks->visualItemRect(tasks->item(2)).center());
        QCOMPARE(s.list("Liste2")->currentRow(), 2);
    }

    void eachButtonSaysWhatItDid_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("printed"); // what the job comes to
        QTest::addColumn<QStringList>("said");
        const QString ask = "|Pelko-Morvelt: Drucken|YesNo|?|No first", told = "|Pelko-Morvelt: Drucken|OK||";
        const auto printed = int(PrintResult::Printed);
        QTest::newRow("print tasks") << QByteArray("Bild5") << false << printed
                                     << QStringList{"Die Aufgaben jetzt ausdrucken?" + ask,
                                                    "Aufgaben werden gedruckt ...\r\r" + told};
        QTest::newRow("no printer") << QByteArray("Bild5") << false << int(PrintResult::NoPrinter)
                                    << QStringList{"Die Aufgaben jetzt ausdrucken?" + ask,
                                                   "Es ist kein Drucker eingerichtet.\rDas Arbeitsblatt wurde nicht "
                                                   "gedruckt.\r|Pelko-Morvelt: Drucken|OK|!|"};
        QTest::newRow("copy, locked") << QByteArray("Bild8") << true << printed
                                      << QStringList{"Die Lösungen wurden kopiert!\r|Ablage|OK||"};
    }
    // Printing asks first unless the printer is locked, and then says how the job went; copying, never locked, says
    // that it copied.
    void eachButtonSaysWhatItDid()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, locked);
        QFETCH(int, printed);
        QFETCH(QStringList, said);
        Shown s;
        s.locked = locked;
        s.t.printer.result = PrintResult(printed);
        s.t.dialogs.answers = {MsgResult::Yes};
        click(&s.window, button);
        QCOMPARE(messages(s.t.dialogs), said);
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
