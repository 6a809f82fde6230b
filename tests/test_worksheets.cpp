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

// A solution line taken apart: first number, sign, operand, result.
struct Task {
    int first, operand, result;
    QChar sign;
};

Task parse(const QString& line, int width)
{
    return {line.left(width).toInt(), line.mid(width + 3, 2).trimmed().toInt(), line.mid(width + 8).toInt(),
            line[width + 1]};
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

// 1 up, then 1 down for ever: a chain that never reaches an end.
std::deque<double> endlessChain(int further)
{
    std::deque<double> values = draws({{{1}, '+'}});
    for (int i = 0; i < further; ++i) values.insert(values.end(), {0.0, i % 2 ? 0.25 : 0.75});
    return values;
}

// The shared generator, counting draws and refusing to be seeded.
class WatchedRandom final : public Random {
public:
    explicit WatchedRandom(Random& inner) : inner_(inner) {}
    void seed(double value) override { seeds.append(value); }
    double Rnd() override { return ++drawn, inner_.Rnd(); }
    int drawn = 0;
    QList<double> seeds;

private:
    Random& inner_;
};

struct Shown {
    // Scripted draws when a test gives them, else a seeded generator.
    explicit Shown(SheetSettings start = {}, std::deque<double> script = {})
        : settings(start), useScript(!script.empty())
    {
        scripted.values = std::move(script);
        real.seed(7);
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
    Label* label(const char* name) { return control<Label>(window, name); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }

    ScriptedDialogs dialogs;
    ScriptedRandom scripted;
    StdRandom real;
    WatchedRandom random{real};
    WatchedRandom scriptedRandom{scripted};
    FixedClock clock;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    SheetSettings settings;
    bool useScript;
    Services services{dialogs, useScript ? scriptedRandom : random, clock, printer, clipboard, [] {}};
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

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
private slots:
    void chainsHoldTheirRulesOverManySeeds()
    {
        StdRandom random;
        for (int dice = 1; dice <= 3; ++dice) {
            for (int base : {0, 400, 900}) {
                const int width = base == 900 ? 5 : 4;
                int lowest = 99, highest = 0;
                for (int seed = 1; seed <= 300; ++seed) {
                    random.seed(seed);
                    const Sheet sheet = BuildSheet(random, SheetSettings{dice, base});
                    QCOMPARE(sheet.tasks.size(), sheet.solutions.size());
                    QVERIFY(sheet.tasks.size() >= 2 && sheet.tasks.size() <= 1001);
                    QCOMPARE(parse(sheet.solutions[0], width).first, base + 50);
                    for (qsizetype i = 0; i < sheet.tasks.size(); ++i) {
                        const QString& solution = sheet.solutions[i];
                        const Task t = parse(solution, width);
                        QCOMPARE(solution.size(), 2 * width + 8);
                        QCOMPARE(sheet.tasks[i], (i ? QString(width, '_') : solution.left(width)) +
                                                     solution.mid(width, 8) + QString(width, '_'));
                        QCOMPARE(t.result, t.sign == '+' ? t.first + t.operand : t.first - t.operand);
                        QVERIFY(t.result >= base && t.result <= base + 100);
                        QVERIFY(t.operand >= dice && t.operand <= 9 * dice);
                        lowest = std::min(lowest, t.operand);
                        highest = std::max(highest, t.operand);
                        const bool atEnd = t.result == base || t.result == base + 100;
                        if (i + 1 < sheet.solutions.size()) {
                            QVERIFY(!atEnd);
                            QCOMPARE(parse(sheet.solutions[i + 1], width).first, t.result);
                        } else if (sheet.tasks.size() < 1001) {
                            QVERIFY(atEnd);
                        }
                    }
                }
                // Each die adds 1 to 9: every sum of this many dice turns up, and no other.
                QCOMPARE(std::pair(lowest, highest), std::pair(dice, 9 * dice));
            }
        }
    }

    void diceAreDrawnBeforeTheSignAndLeavingDrawsAreThrownAway()
    {
        ScriptedRandom random;
        random.values = draws({{{9, 9, 9}, '+'}, {{9, 9, 9}, '+'}, {{5, 5, 1}, '+'}, {{1, 1, 9}, '-'}, {{9, 9, 5}, '+'}});
        const Sheet sheet = BuildSheet(random, SheetSettings{3, 900});
        QCOMPARE(sheet.tasks, QStringList({"  950 + 27 = _____", "_____ + 11 = _____", "_____ - 11 = _____",
                                           "_____ + 23 = _____"}));
        QCOMPARE(sheet.solutions, QStringList({"  950 + 27 =   977", "  977 + 11 =   988", "  988 - 11 =   977",
                                               "  977 + 23 =  1000"}));
        QVERIFY(random.values.empty());
        QVERIFY(random.seeds.isEmpty());
    }

    void aChainStopsAfterAThousandFurtherTasksAndButtonsKeepToOnePage()
    {
        ScriptedRandom random;
        random.values = endlessChain(1000);
        const Sheet open = BuildSheet(random, SheetSettings{});
        QCOMPARE(open.solutions.size(), 1001);
        QCOMPARE(open.solutions.last(), "  50 +  1 =   51");

        // The endless sheet is thrown away; the next one reaches 100 in six tasks.
        random.values = endlessChain(1000);
        const auto shortOne = draws({{{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{9}, '+'}, {{5}, '+'}});
        random.values.insert(random.values.end(), shortOne.begin(), shortOne.end());
        QCOMPARE(worksheets::BuildPageSheet(random, SheetSettings{}).solutions.last(), "  95 +  5 =  100");
        QVERIFY(random.values.empty());
    }

    void aPageHoldsThirtyDoubleSpacedRowsInThreeColumns()
    {
        for (int count : {45, 100}) {
            QStringList lines;
            for (int i = 0; i < count; ++i) lines += QString("line %1").arg(i).rightJustified(16, '.');
            RecordingPrinter printer;
            worksheets::printSheet(printer, lines);
            printer.endDoc();
            const QStringList page = printer.documents.value(0);
            QCOMPARE(page.size(), 2 + 60);
            QCOMPARE(printer.fontFamily(), "Courier New");
            QCOMPARE(printer.fontPoints(), 12.0);
            for (int row = 0; row < 30; ++row) {
                QString expected = QString(9, ' ') + lines[row];
                for (int column : {1, 2})
                    if (row + 30 * column < std::min<int>(count, 90))
                        expected += QString(8, ' ') + lines[row + 30 * column];
                QCOMPARE(page[2 + 2 * row], expected);
                QCOMPARE(page[3 + 2 * row], QString());
            }
        }
    }

    void showingDrawsOneSheetAndFillsTheLabels()
    {
        Shown s({3, 900}, draws({{{9, 9, 9}, '+'}, {{9, 9, 9}, '+'}, {{5, 5, 1}, '+'}, {{1, 1, 9}, '-'},
                                 {{9, 9, 5}, '+'}}));
        QCOMPARE(s.lines("Liste2").last(), "  977 + 23 =  1000");
        QCOMPARE(s.lines("Liste1").size(), 4);
        QVERIFY(s.scripted.values.empty()); // a second draw would have gone on into the fallback
        QCOMPARE(QStringList({s.label("Bezeichnung5")->caption(), s.label("Bezeichnung6")->caption(),
                              s.label("Bezeichnung2")->caption()}),
                 QStringList({" 900-1000", " 3 Würfel", " 4 Aufg."}));
        QVERIFY(s.scriptedRandom.seeds.isEmpty());
    }

    void closingAMessageBoxKeepsTheSheet()
    {
        Shown s;
        s.locked = false;
        const QStringList tasks = s.lines("Liste1"), solutions = s.lines("Liste2");
        const int drawn = s.random.drawn;
        // What a closing box sends to the window it returns to.
        s.dialogs.whileOpen = [&](const Message&) {
            for (auto type : {QEvent::WindowActivate, QEvent::ActivationChange, QEvent::FocusIn})
            {
                QEvent event(type);
                QCoreApplication::sendEvent(s.window, &event);
            }
        };
        s.dialogs.answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Ok, MsgResult::Ok, MsgResult::Yes};
        for (const char* button : {"Bild7", "Bild5", "Bild8", "Bild6"}) s.click(button);
        QCOMPARE(s.random.drawn, drawn);
        QCOMPARE(s.clipboard.texts, QStringList({worksheets::clipboardText(tasks), worksheets::clipboardText(solutions)}));
        QCOMPARE(s.printer.documents.size(), 2);
        QVERIFY(s.random.seeds.isEmpty());
    }

    void copyingGivesEveryLineAndPrintingTheFirstNinety()
    {
        Shown s({}, endlessChain(1000)); // showing has no 90-line limit
        s.locked = false;
        s.dialogs.answers = {MsgResult::Ok, MsgResult::Yes};
        s.click("Bild7");
        s.click("Bild5");
        const QStringList tasks = s.lines("Liste1");
        QCOMPARE(tasks.size(), 1001);
        QCOMPARE(s.clipboard.texts, QStringList{tasks.join("\r\n") + "\r\n"});
        RecordingPrinter expected;
        worksheets::printSheet(expected, tasks);
        expected.endDoc();
        QCOMPARE(s.printer.documents, expected.documents);
    }

    void printingAsksChecksTheLockAndTellsTheOutcome()
    {
        const QString lock = "Der Drucker ist gesperrt!\r|Drucken|OK||";
        const QString noPrinter = "Es ist kein Drucker eingerichtet.\rDas Arbeitsblatt wurde nicht gedruckt.\r"
                                  "|Pelko-Morvelt: Drucken|OK|!|";
        const QString failed = "Der Druckauftrag konnte nicht ausgeführt werden.\rDas Arbeitsblatt wurde nicht "
                               "gedruckt.\r|Pelko-Morvelt: Drucken|OK|!|";
        using R = PrintResult;
        for (const auto& [button, locked, answer, result, tail, printed] :
             {std::tuple{"Bild5", true, MsgResult::Yes, R::Printed, QStringList{lock}, false},
              {"Bild6", true, MsgResult::Yes, R::Printed, QStringList{lock}, false},
              {"Bild5", false, MsgResult::No, R::Printed, QStringList{}, false},
              {"Bild5", false, MsgResult::Yes, R::Printed,
               QStringList{"Aufgaben werden gedruckt ...\r\r|Pelko-Morvelt: Drucken|OK||"}, true},
              {"Bild6", false, MsgResult::Yes, R::Printed,
               QStringList{"Lösungen werden gedruckt ...\r\r|Pelko-Morvelt: Drucken|OK||"}, true},
              {"Bild5", false, MsgResult::Yes, R::NoPrinter, QStringList{noPrinter}, false},
              {"Bild6", false, MsgResult::Yes, R::Failed, QStringList{failed}, false}}) {
            Shown s;
            s.locked = locked;
            s.printer.result = result;
            if (!locked) s.dialogs.answers = {answer};
            s.click(button);
            const bool tasks = button == QByteArrayView("Bild5");
            QStringList expected = tail;
            if (!locked)
                expected.prepend(QString(tasks ? "Die Aufgaben jetzt ausdrucken?" : "Die Lösungen jetzt ausdrucken?") +
                                 "|Pelko-Morvelt: Drucken|YesNo|?|No first");
            QCOMPARE(messages(s.dialogs), expected);
            QCOMPARE(s.printer.documents.size(), printed ? 1 : 0);
            QCOMPARE(s.printer.lines(), QStringList{QString()}); // nothing left half printed either
            if (printed) {
                RecordingPrinter page;
                worksheets::printSheet(page, s.lines(tasks ? "Liste1" : "Liste2"));
                page.endDoc();
                QCOMPARE(s.printer.documents, page.documents);
            }
            if (locked) { // the lock never stops copying
                s.click("Bild8");
                QCOMPARE(s.clipboard.texts, QStringList{worksheets::clipboardText(s.lines("Liste2"))});
                QCOMPARE(messages(s.dialogs).last(), "Die Lösungen wurden kopiert!\r|Ablage|OK||");
            }
        }
    }

    void theIndicatorShowsTheLockAtEachShowing()
    {
        Shown s;
        QCOMPARE(s.label("Bezeichnung12")->foreColor(), QColor(255, 0, 0));
        s.window->hide();
        s.locked = false;
        s.window->show();
        QCOMPARE(s.label("Bezeichnung12")->foreColor(), QColor(0, 0, 255));
    }

    void buttonsDrawPagesStepTheSettingsAndCountTheTasks()
    {
        Shown s({1, 800});
        QStringList dice;
        for (int i = 0; i < 24; ++i) {
            s.click(i % 4 == 3 ? "Bild3" : "Bild2");
            const int n = s.settings.sheetDice;
            QVERIFY(s.lines("Liste1").size() <= 90);
            QCOMPARE(s.label("Bezeichnung2")->caption(), QString(" %1 Aufg.").arg(s.lines("Liste1").size()));
            for (const QString& line : s.lines("Liste2")) {
                const int operand = parse(line, 4).operand;
                QVERIFY(operand >= n && operand <= 9 * n);
            }
            if (i % 4 == 3) dice += s.label("Bezeichnung6")->caption();
        }
        QCOMPARE(dice, QStringList({"2 Würfel", "3 Würfel", "1 Würfel", "2 Würfel", "3 Würfel", "1 Würfel"}));

        QStringList ranges;
        for (int i = 0; i < 3; ++i) {
            s.click("Bild4");
            ranges += s.label("Bezeichnung5")->caption();
            QCOMPARE(s.lines("Liste1")[0].size(), s.settings.sheetRangeBase == 900 ? 18 : 16);
            QCOMPARE(s.label("Bezeichnung2")->caption(), QString(" %1 Aufg.").arg(s.lines("Liste1").size()));
        }
        QCOMPARE(ranges, QStringList({" 900-1000", " 0-100", " 100-200"}));
        QCOMPARE(s.settings.sheetRangeBase, 100); // kept by the caller, for the next window
        QVERIFY(s.random.seeds.isEmpty());
    }

    void theListsSelectTheSameRowAndShowWholeLines()
    {
        Shown s({1, 900}, endlessChain(1000));
        QCoreApplication::processEvents(); // the lists lay out their items later
        for (const auto& [from, to, row] : {std::tuple{"Liste1", "Liste2", 3}, {"Liste2", "Liste1", 1}}) {
            QListWidget* list = s.list(from);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(s.list(to)->currentRow(), row);
        }
        for (const char* name : {"Liste1", "Liste2"}) {
            QListWidget* list = s.list(name);
            QCOMPARE(list->font().pixelSize(), 16);
            QVERIFY(list->font().bold());
            QCOMPARE(QFontInfo(list->font()).fixedPitch(), true);
            QVERIFY(list->verticalScrollBar()->isVisible());
            QCOMPARE(list->item(0)->text().size(), 18);
            QVERIFY(QFontMetrics(list->font()).horizontalAdvance(list->item(0)->text()) <
                    list->viewport()->width() - 4);
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        }
    }

    void theWindowLooksAsDesigned()
    {
        Shown s;
        QCOMPARE(s.window->objectName(), "Form3");
        QCOMPARE(s.window->windowTitle(), "Pelko-Morvelt: Arbeitsblatt");
        QCOMPARE(s.window->size(), QSize(560, 411));
        QVERIFY(s.window->testAttribute(Qt::WA_DeleteOnClose));
        const QColor red(255, 0, 0), blue(0, 0, 255), grey(224, 224, 224), navy(0, 0, 128);
        for (const auto& [name, rect, text, fore, back] :
             {std::tuple{"Bezeichnung12", QRect(120, 4200, 1095, 375), QString("Drucker"), red, grey},
              {"Bezeichnung5", QRect(120, 4680, 1095, 375), QString(" 0-100"), blue, grey},
              {"Bezeichnung6", QRect(120, 5160, 1095, 375), QString(" 1 Würfel"), blue, grey},
              {"Bezeichnung1", QRect(1440, 120, 3375, 255), QString("A u f g a b e n"), QColor(Qt::white), navy},
              {"Bezeichnung3", QRect(4920, 120, 3375, 255), QString("L ö s u n g e n"), QColor(Qt::white), navy}}) {
            Label* label = s.label(name);
            QCOMPARE(label->geometry(), twipsRect(rect.x(), rect.y(), rect.width(), rect.height()));
            QCOMPARE(label->text(), text);
            QCOMPARE(label->foreColor(), fore);
            QCOMPARE(label->backColor(), back);
        }
        for (const auto& [name, left, top, tip] :
             {std::tuple{"Bild1", 120, 120, "Zurück zum Spiel"}, {"Bild2", 720, 120, "Neues Arbeitsblatt"},
              {"Bild3", 120, 720, "Anzahl der Würfel"}, {"Bild4", 720, 720, "Zahlenraum"},
              {"Bild5", 120, 1320, "Aufgaben drucken"}, {"Bild6", 720, 1320, "Lösungen drucken"},
              {"Bild7", 120, 1920, "Aufgaben kopieren"}, {"Bild8", 720, 1920, "Lösungen kopieren"}}) {
            auto* button = control<PictureBox>(s.window, name);
            QCOMPARE(button->geometry(), twipsRect(left, top, 495, 495));
            QCOMPARE(button->accessibleName(), QString(tip));
            QVERIFY(!button->picture().isNull());
            QCOMPARE(button->backColor(), name == QByteArrayView("Bild1") ? QColor(0, 0, 192) : navy);
        }
        for (const char* name : {"Liste1", "Liste2"}) QCOMPARE(s.list(name)->height(), px(5700));
    }

    void exitAndTitleBarCloseLeave()
    {
        Shown s;
        QSignalSpy left(s.window.data(), &WorksheetWindow::left);
        s.click("Bild1");
        QCOMPARE(left.size(), 1);
        QVERIFY(s.window->close());
        QCOMPARE(left.size(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.window.isNull());
    }
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
