#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/windows.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

namespace {

struct ShownMemo {
    explicit ShownMemo(const QList<int>& fields = {}) : memo(t.program.memoryWindow())
    {
        // Draws for two deals: the first puts digit d under fields 2d-1 and 2d, the second fills backwards.
        for (int i = 1; i <= 36; ++i) t.scripted.values.push_back(((i <= 18 ? i : 37 - i) - 0.5) / 18);
        memo.show();
        click(fields);
    }
    // Bezeichnung1..18 are the fields, Bezeichnung20..25 the game's hidden state.
    platform::Label* label(int n) { return control<platform::Label>(&memo, "Bezeichnung" + QByteArray::number(n)); }
    QString state(int n) { return label(n)->caption(); }
    void click(const QList<int>& fields) // 0 is the exit button
    {
        for (int f : fields) QTest::mouseClick(f ? label(f) : control(&memo, "Bild1"), Qt::LeftButton);
    }
    // Per field: - face down in blue, . face down in navy, its digit face up, # found (white, digit kept);
    // then the open first and second field.
    QString game()
    {
        QString looks;
        for (int k = 1; k <= 18; ++k) {
            const QColor back = label(k)->backColor();
            const QString digit = state(21).mid(k - 1, 1);
            if (state(k).isEmpty())
                looks += back == QColor(0, 0, 192) ? '-' : back == platform::kNavy ? '.' : '?';
            else
                looks += state(k) != " " + digit ? "?" : back == Qt::white ? "#" : digit;
        }
        return looks + '|' + state(23) + '|' + state(24);
    }
    bool ended()
    {
        return !memo.isVisible() && t.program.contestWindow().isVisible() && game().startsWith(QString(18, '.'));
    }

    TestProgram t;
    MemoryWindow& memo;
};

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void firstClickDealsAndTheGameEndsByNinePairsOrByLeaving()
    {
        ShownMemo m;
        QCOMPARE(m.state(20), "0"); // coming on screen deals nothing
        for (int n = 20; n <= 25; ++n) QVERIFY(!m.label(n)->isVisible());
        m.click({5});
        QCOMPARE(QStringList({m.state(20), m.state(21), m.state(22), m.game()}),
                 QStringList({"1", "112233445566778899", QString(18, '1'), "----3-------------| 5|0"}));
        QString whileMessageOpen;
        m.t.dialogs.whileOpen = [&](auto&) { whileMessageOpen = m.memo.isVisible() ? m.game() : "hidden"; };
        m.click({6});
        for (int k = 1; k <= 18; ++k) m.click({k}); // 5 and 6 are found already
        QCOMPARE(messages(m.t.dialogs), QStringList{"  Das Spiel ist beendet!\r|Memory|OK||"});
        QCOMPARE(whileMessageOpen, QString(18, '#') + "|0|0");
        QVERIFY(m.ended());
        platform::switchWindow(&m.t.program.contestWindow(), &m.memo);
        m.click({4}); // the next visit deals afresh; face down stays navy
        QCOMPARE(QStringList({m.state(21), m.game()}), QStringList({"998877665544332211", "...8..............| 4|0"}));
        // Leaving by the exit button's question, or through the title bar, ends the game too.
        m.t.dialogs.answers = {platform::MsgResult::Yes};
        m.click({0});
        QCOMPARE(messages(m.t.dialogs).last(), "  Dieses Spiel jetzt beenden?|Zahlenmemory|YesNo|?|No first");
        QVERIFY(m.ended());
        platform::switchWindow(&m.t.program.contestWindow(), &m.memo);
        m.click({1});
        QVERIFY(m.memo.close() && m.ended());
    }

    void clicksFollowTheRules()
    {
        QCOMPARE(ShownMemo({7, 7}).game(), "------4-----------| 7|0");              // the open field again
        QCOMPARE(ShownMemo({1, 2, 1, 3, 5, 2}).game(), "##2-3-------------| 3| 5"); // found fields, pair or not
        QCOMPARE(ShownMemo({1, 3, 5}).game(), "----3-------------| 5|0");           // an open pair is covered first
        QCOMPARE(ShownMemo({1, 3, 1}).game(), "1-----------------| 1|0");           // ... also for one of its fields
        QCOMPARE(ShownMemo({1, 3, 3}).game(), "--2---------------| 3|0");           // ... or the other
        QCOMPARE(ShownMemo({1, 3, 0}).game(), "1-2---------------| 1| 3");          // exit, the box answered No
    }
};

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
