#include "platform/controls.h"
#include "platform/units.h"
#include "support/fakes.h"
#include "worksheets/sheet.h"
#include "worksheets/sheetoutput.h"
#include "worksheets/worksheetwindow.h"

#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace platform;

namespace {

// A solution line taken apart.
struct Task {
    int first, operand, result;
    QChar sign;
};
Task parse(const QString& line, int width)
{
    return {line.left(width).toInt(), line.mid(width + 3, 2).toInt(), line.mid(width + 8).toInt(), line[width + 1]};
}

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
// 950 + 27, a throw-away + 27, then + 11, - 11, + 23 lands on 1000.
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
        random.values = std::move(script);
        window = new WorksheetWindow(services, settings, [this] { return locked; });
        window->show();
    }
    ~Shown() { delete window; }
    QListWidget* list(const char* name) { return control<QListWidget>(window, name); }
    QStringList lines(const char* name)
    {
        QStringList all;
        for (int i = 0; i < list(name)->count(); ++i) all += list(name)->item(i)->text();
        return all;
    }
    QString caption(const char* name) { return control<Label>(window, name)->caption(); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    Services services{dialogs, random, clock, printer, clipboard, [] {}};
    SheetSettings settings;
    bool locked = true;
    QPointer<WorksheetWindow> window;
};

QStringList messages(const ScriptedDialogs& dialogs)
{
    QStringList all;
    for (const Message& m : dialogs.shown)
        all += QStringList({m.text, m.title, QStringList{"OK", "YesNo"}[int(m.buttons)],
                            QStringList{"", "?", "!"}[int(m.icon)], m.defaultNo ? "No first" : ""})
                   .join('|');
    return all;
}

QStringList page(const QStringList& lines)
{
    RecordingPrinter printer;
    worksheets::printSheet(printer, lines);
    printer.endDoc();
    return printer.documents.value(0);
}

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
private slots:
    void chainsKeepTheirRulesOverManySeeds()
    {
        StdRandom random;
        for (int dice = 1; dice <= 3; ++dice) {
            for (int base : {0, 400, 900}) {
                const int width = base == 900 ? 5 : 4;
                int lowest = 99, highest = 0;
                for (int seed = 1; seed <= 300; ++seed) {
                    random.seed(seed);
                    const Sheet sheet = BuildSheet(random, SheetSettings{dice, base});
                    QCOMPARE(parse(sheet.solutions[0], width).first, base + 50);
                    QCOMPARE(sheet.tasks.size(), sheet.solutions.size());
                    for (qsizetype i = 0; i < sheet.tasks.size(); ++i) {
                        const QString& line = sheet.solutions[i];
                        const Task t = parse(line, width);
                        QCOMPARE(line.size(), 2 * width + 8);
                        QCOMPARE(sheet.tasks[i], (i ? QString(width, '_') : line.left(width)) + line.mid(width, 8) +
                                                     QString(width, '_'));
                        QCOMPARE(t.result, t.sign == '+' ? t.first + t.operand : t.first - t.operand);
                        QVERIFY(t.result >= base && t.result <= base + 100);
                        QVERIFY(t.operand >= dice && t.operand <= 9 * dice);
                        lowest = std::min(lowest, t.operand);
                        highest = std::max(highest, t.operand);
                        const bool atEnd = t.result == base || t.result == base + 100;
                        if (i + 1 < sheet.tasks.size()) {
                            QVERIFY(!atEnd);
                            QCOMPARE(parse(sheet.solutions[i + 1], width).first, t.result);
                        } else {
                            QVERIFY(atEnd || sheet.tasks.size() == 1001);
                        }
                    }
                }
                QCOMPARE(std::pair(lowest, highest), std::pair(dice, 9 * dice)); // every sum turns up, no other
            }
        }
    }

    void diceComeBeforeTheSignAndOpenChainsStopAtTheThousandthTask()
    {
        ScriptedRandom random;
        random.values = kFourTasks;
        const Sheet sheet = BuildSheet(random, SheetSettings{3, 900});
        QCOMPARE(sheet.tasks,
                 QStringList({"  950 + 27 = _____", "_____ + 11 = _____", "_____ - 11 = _____", "_____ + 23 = _____"}));
        QCOMPARE(sheet.solutions,
                 QStringList({"  950 + 27 =   977", "  977 + 11 =   988", "  988 - 11 =   977", "  977 + 23 =  1000"}));
        random.values = endlessChain();
        QCOMPARE(BuildSheet(random, SheetSettings{}).solutions.size(), 1001);
        // A page sheet throws the endless one away and keeps the next, which reaches 100.
        random.values = endlessChain();
        for (double v : draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{5}, '+'}}))
            random.values.push_back(v);
        QCOMPARE(worksheets::BuildPageSheet(random, SheetSettings{}).solutions.last(), "  95 +  5 =  100");
        QVERIFY(random.values.empty() && random.seeds.isEmpty());
    }

    void aPageHoldsThirtyDoubleSpacedRowsInThreeColumns()
    {
        for (int count : {45, 100}) {
            QStringList lines;
            for (int i = 0; i < count; ++i) lines += QString("line %1").arg(i).rightJustified(16, '.');
            const QStringList printed = page(lines);
            QCOMPARE(printed.size(), 2 + 60);
            for (int row = 0; row < 30; ++row) {
                QString expected = QString(9, ' ') + lines[row];
                for (int column : {1, 2})
                    if (row + 30 * column < std::min(count, 90)) expected += QString(8, ' ') + lines[row + 30 * column];
                QCOMPARE(printed[2 + 2 * row], expected);
                QCOMPARE(printed[3 + 2 * row], QString());
            }
        }
    }

    void showingDrawsOneSheetAndMessageBoxesNeverDrawAnother()
    {
        Shown s({3, 900}, kFourTasks);
        s.locked = false;
        QCOMPARE(s.lines("Liste2").last(), "  977 + 23 =  1000"); // a second draw would go on into other numbers
        QCOMPARE(QStringList({s.caption("Bezeichnung5"), s.caption("Bezeichnung6"), s.caption("Bezeichnung2")}),
                 QStringList({" 900-1000", " 3 Würfel", " 4 Aufg."}));
        const QStringList tasks = s.lines("Liste1"), solutions = s.lines("Liste2");
        s.dialogs.whileOpen = [&](const Message&) { // what a closing box sends to the window below
            for (auto type : {QEvent::WindowActivate, QEvent::ActivationChange, QEvent::FocusIn}) {
                QEvent event(type);
                QCoreApplication::sendEvent(s.window, &event);
            }
        };
        s.dialogs.answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Ok, MsgResult::Ok, MsgResult::Yes};
        for (const char* button : {"Bild7", "Bild5", "Bild8", "Bild6"}) s.click(button);
        QCOMPARE(s.lines("Liste1"), tasks);
        QCOMPARE(s.clipboard.texts, QStringList({tasks.join("\r\n") + "\r\n", solutions.join("\r\n") + "\r\n"}));
        QCOMPARE(s.printer.documents, QList<QStringList>({page(tasks), page(solutions)}));
    }

    void printingAsksChecksTheLockAndTellsTheOutcome()
    {
        const QString lock = "Der Drucker ist gesperrt!\r|Drucken|OK||";
        const QString tail = "Das Arbeitsblatt wurde nicht gedruckt.\r|Pelko-Morvelt: Drucken|OK|!|";
        using R = PrintResult;
        for (const auto& [button, locked, answer, result, outcome] :
             {std::tuple{"Bild5", true, MsgResult::Yes, R::Printed, lock},
              {"Bild6", true, MsgResult::Yes, R::Printed, lock},
              {"Bild5", false, MsgResult::No, R::Printed, QString()},
              {"Bild5", false, MsgResult::Yes, R::Printed,
               "Aufgaben werden gedruckt ...\r\r|Pelko-Morvelt: Drucken|OK||"},
              {"Bild6", false, MsgResult::Yes, R::Printed,
               "Lösungen werden gedruckt ...\r\r|Pelko-Morvelt: Drucken|OK||"},
              {"Bild5", false, MsgResult::Yes, R::NoPrinter, "Es ist kein Drucker eingerichtet.\r" + tail},
              {"Bild6", false, MsgResult::Yes, R::Failed,
               "Der Druckauftrag konnte nicht ausgeführt werden.\r" + tail}}) {
            Shown s;
            s.locked = locked;
            s.printer.result = result;
            if (!locked) s.dialogs.answers = {answer};
            s.click(button);
            const bool tasks = button == QByteArrayView("Bild5");
            QStringList expected = outcome.isEmpty() ? QStringList{} : QStringList{outcome};
            if (!locked)
                expected.prepend(QString(tasks ? "Die Aufgaben" : "Die Lösungen") +
                                 " jetzt ausdrucken?|Pelko-Morvelt: Drucken|YesNo|?|No first");
            QCOMPARE(messages(s.dialogs), expected);
            const bool printed = !locked && answer == MsgResult::Yes && result == R::Printed;
            const QList<QStringList> pages{page(s.lines(tasks ? "Liste1" : "Liste2"))};
            QCOMPARE(s.printer.documents, printed ? pages : QList<QStringList>{});
            QCOMPARE(s.printer.lines(), QStringList{QString()}); // nothing left half printed either
            if (locked) {                                        // the lock never stops copying
                s.click("Bild7");
                QCOMPARE(s.clipboard.texts, QStringList{worksheets::clipboardText(s.lines("Liste1"))});
            }
        }
    }

    void buttonsDrawPagesStepTheSettingsAndCountTheTasks()
    {
        Shown s({1, 800});
        QStringList captions;
        for (int i = 1; i <= 24; ++i) {
            s.click(i % 4 ? "Bild2" : "Bild3");
            if (i % 4 == 0) captions += s.caption("Bezeichnung6");
            const int n = s.settings.sheetDice;
            QVERIFY(s.lines("Liste1").size() <= 90);
            for (const QString& line : s.lines("Liste2"))
                QVERIFY(parse(line, 4).operand >= n && parse(line, 4).operand <= 9 * n);
            QCOMPARE(s.caption("Bezeichnung2"), QString(" %1 Aufg.").arg(s.lines("Liste1").size()));
        }
        for (int i = 0; i < 3; ++i) {
            s.click("Bild4");
            captions += s.caption("Bezeichnung5");
            QCOMPARE(s.lines("Liste1")[0].size(), s.settings.sheetRangeBase == 900 ? 18 : 16);
            QCOMPARE(s.caption("Bezeichnung2"), QString(" %1 Aufg.").arg(s.lines("Liste1").size()));
        }
        QCOMPARE(captions, QStringList({"2 Würfel", "3 Würfel", "1 Würfel", "2 Würfel", "3 Würfel", "1 Würfel",
                                        " 900-1000", " 0-100", " 100-200"}));
        QCOMPARE(s.settings.sheetRangeBase, 100); // kept by the caller for the next window
        QVERIFY(s.random.seeds.isEmpty());
    }

    void theListsSelectTheSameRowShowWholeLinesAndCopyAll()
    {
        Shown s({1, 900}, endlessChain()); // showing has no 90-line limit
        s.click("Bild8");
        QCOMPARE(s.lines("Liste2").size(), 1001);
        QCOMPARE(s.clipboard.texts, QStringList{worksheets::clipboardText(s.lines("Liste2"))});
        QCOMPARE(messages(s.dialogs), QStringList{"Die Lösungen wurden kopiert!\r|Ablage|OK||"});
        QCoreApplication::processEvents(); // the lists lay out their items later
        for (const auto& [from, to, row] : {std::tuple{"Liste1", "Liste2", 3}, {"Liste2", "Liste1", 1}}) {
            QListWidget* list = s.list(from);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(s.list(to)->currentRow(), row);
        }
        for (const char* name : {"Liste1", "Liste2"}) {
            QListWidget* list = s.list(name);
            QVERIFY(QFontInfo(list->font()).fixedPitch() && list->font().bold());
            QVERIFY(list->verticalScrollBar()->isVisible());
            QCOMPARE(list->item(0)->text().size(), 18);
            QVERIFY(QFontMetrics(list->font()).horizontalAdvance(list->item(0)->text()) <
                    list->viewport()->width() - 4);
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        }
    }

    void theWindowLooksAsDesignedAndShowsTheLock()
    {
        Shown s;
        QCOMPARE(QStringList({s.window->objectName(), s.window->windowTitle()}),
                 QStringList({"Form3", "Pelko-Morvelt: Arbeitsblatt"}));
        QCOMPARE(s.window->size(), QSize(560, 411));
        const QColor red(255, 0, 0), blue(0, 0, 255), grey(224, 224, 224), navy(0, 0, 128), white(Qt::white);
        for (const auto& [name, rect, text, fore, back] :
             {std::tuple{"Bezeichnung12", QRect(120, 4200, 1095, 375), "Drucker", red, grey},
              {"Bezeichnung5", QRect(120, 4680, 1095, 375), " 0-100", blue, grey},
              {"Bezeichnung6", QRect(120, 5160, 1095, 375), " 1 Würfel", blue, grey},
              {"Bezeichnung1", QRect(1440, 120, 3375, 255), "A u f g a b e n", white, navy},
              {"Bezeichnung3", QRect(4920, 120, 3375, 255), "L ö s u n g e n", white, navy}}) {
            auto* label = control<Label>(s.window, name);
            QCOMPARE(label->geometry(), twipsRect(rect.x(), rect.y(), rect.width(), rect.height()));
            QCOMPARE(label->text(), QString(text));
            QCOMPARE(QList({label->foreColor(), label->backColor()}), QList({fore, back}));
        }
        for (const auto& [name, left, top, tip] : {std::tuple{"Bild1", 120, 120, "Zurück zum Spiel"},
                                                   {"Bild2", 720, 120, "Neues Arbeitsblatt"},
                                                   {"Bild3", 120, 720, "Anzahl der Würfel"},
                                                   {"Bild4", 720, 720, "Zahlenraum"},
                                                   {"Bild5", 120, 1320, "Aufgaben drucken"},
                                                   {"Bild6", 720, 1320, "Lösungen drucken"},
                                                   {"Bild7", 120, 1920, "Aufgaben kopieren"},
                                                   {"Bild8", 720, 1920, "Lösungen kopieren"}}) {
            auto* button = control<PictureBox>(s.window, name);
            QCOMPARE(button->geometry(), twipsRect(left, top, 495, 495));
            QCOMPARE(button->accessibleName(), QString(tip));
            QVERIFY(!button->picture().isNull());
        }
        for (const char* name : {"Liste1", "Liste2"}) QCOMPARE(s.list(name)->height(), px(5700));
        s.window->hide();
        s.locked = false;
        s.window->show();
        QCOMPARE(control<Label>(s.window, "Bezeichnung12")->foreColor(), blue);
    }

    void exitAndTitleBarCloseLeave()
    {
        Shown s;
        QSignalSpy left(s.window.data(), &WorksheetWindow::left);
        s.click("Bild1");
        QVERIFY(s.window->close());
        QCOMPARE(left.size(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.window.isNull());
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
