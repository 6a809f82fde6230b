#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/windows.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

namespace {

struct ShownMemo {
    explicit ShownMemo(const QList<int>& fields = {}, Input input = Input::Mouse)
        : input(input), memo(t.program.memoryWindow())
    {
        // Draws for two deals: the first puts digit d under fields 2d-1 and 2d, the second fills backwards.
        for (int i = 1; i <= 36; ++i) t.scripted.values.push_back(((i <= 18 ? i : 37 - i) - 0.5) / 18);
        platform::switchWindow(&t.program.contestWindow(), &memo);
        click(fields);
    }
    // Bezeichnung1..18 are the fields, Bezeichnung20..25 the game's hidden state.
    platform::Label* label(int n) { return control<platform::Label>(&memo, "Bezeichnung" + QByteArray::number(n)); }
    // 0 is the exit button, -1 the title bar.
    void click(const QList<int>& fields)
    {
        for (int f : fields) f < 0 ? void(memo.close()) : ::click(input, f ? label(f) : control(&memo, "Bild1"));
    }
    // Per field: - face down in blue, . face down in navy, its digit face up, # found (white, digit kept).
    QString game()
    {
        QString looks;
        for (int k = 1; k <= 18; ++k) {
            const QColor back = label(k)->backColor();
            if (label(k)->caption().isEmpty())
                looks += back == platform::kDeepBlue ? '-' : back == platform::kNavy ? '.' : '?';
            else
                looks += back == Qt::white ? QStringLiteral("#") : label(k)->caption().trimmed();
        }
        return looks;
    }
    Input input;
    TestProgram t;
    MemoryWindow& memo;
};

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    // A game ends with the ninth pair, told while all is open, or by leaving; the next visit deals afresh, in navy.
    void aGameEndsAndTheNextVisitDealsAfresh_data()
    {
        inputColumn();
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("whileTold");
        byInput("ninth pair", QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
                QStringList{"  Das Spiel ist beendet!\r|Memory|OK||"}, QString(18, '#'));
        byInput("exit button", QList<int>{1, 0},
                QStringList{"  Dieses Spiel jetzt beenden?|Zahlenmemory|YesNo|?|No first"}, "1-----------------");
        byInput("title bar", QList<int>{1, -1}, QStringList(), QString());
    }
    void aGameEndsAndTheNextVisitDealsAfresh()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(Input, input);
        ShownMemo m({}, input);
        QString whileTold;
        m.t.dialogs.whileOpen = [&](auto&) { whileTold = m.game(); };
        m.t.dialogs.answers = {platform::MsgResult::Yes};
        m.click(clicks);
        QTEST(messages(m.t.dialogs), "boxes");
        QTEST(whileTold, "whileTold");
        QVERIFY(!m.memo.isVisible() && m.t.program.contestWindow().isVisible());
        platform::switchWindow(&m.t.program.contestWindow(), &m.memo);
        m.click({4});
        QCOMPARE(m.game(), "...8..............");
    }

    // A click turns its field; two equal digits stay found, two others are covered by the next click.
    void clicksFollowTheRules_data() { inputColumn(), byInput("click"); }
    void clicksFollowTheRules()
    {
        QFETCH(Input, input);
        QCOMPARE(ShownMemo({5}, input).game(), "----3-------------");                // the first click deals
        QCOMPARE(ShownMemo({7, 7}, input).game(), "------4-----------");             // the open field again
        QCOMPARE(ShownMemo({1, 2, 1, 3, 5, 2}, input).game(), "##2-3-------------"); // found fields, pair or not
        QCOMPARE(ShownMemo({1, 3, 5}, input).game(), "----3-------------");          // an open pair is covered first
        QCOMPARE(ShownMemo({1, 3, 1}, input).game(), "1-----------------");          // ... also for one of its fields
        QCOMPARE(ShownMemo({1, 3, 3}, input).game(), "--2---------------");          // ... or the other
        QCOMPARE(ShownMemo({1, 3, 0}, input).game(), "1-2---------------");          // exit, the box answered No
    }
};

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
