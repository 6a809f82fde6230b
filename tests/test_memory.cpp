#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "support/look.h"

#include <QtTest>

namespace {

// Every box shown, as text|title|buttons|icon|default button.
QStringList messages(const ScriptedDialogs& dialogs)
{
    QStringList all;
    for (const platform::Message& m : dialogs.shown)
        all += QStringList({m.text, m.title, QStringList{"OK", "YesNo"}[int(m.buttons)],
                            QStringList{"", "?", "!"}[int(m.icon)], m.defaultNo ? "No first" : ""})
                   .join('|');
    return all;
}

struct ShownMemo {
    explicit ShownMemo(const QList<int>& clicks = {}) : memo(t.program.memo())
    {
        // Draws for two deals: the first puts digit d under fields 2d-1 and 2d, the second fills backwards.
        for (int i = 1; i <= 36; ++i) t.scripted.values.push_back(((i <= 18 ? i : 37 - i) - 0.5) / 18);
        memo.show();
        click(clicks);
    }
    // Bezeichnung1..18 are the fields, Bezeichnung20..25 the game's state.
    auto* label(int n) { return control<platform::Label>(&memo, ("Bezeichnung" + QByteArray::number(n)).constData()); }
    void click(const QList<int>& fields) // 0 is the exit button
    {
        for (int f : fields) QTest::mouseClick(f ? label(f) : control<QWidget>(&memo, "Bild1"), Qt::LeftButton);
    }
    QString state(int n) { return label(n)->caption(); }
    // Per field: - face down in blue, . face down in navy, its digit face up, # found (white, digit kept);
    // then the open first and second field.
    QString game()
    {
        QString looks;
        for (int k = 1; k <= 18; ++k) {
            const QColor back = label(k)->backColor();
            const QString caption = state(k), digit = state(21).mid(k - 1, 1);
            looks += caption.isEmpty()               ? (back == QColor(0, 0, 192)      ? "-"
                                                        : back == platform::QBColor(1) ? "."
                                                                                       : "?")
                     : caption != " " + digit        ? "?"
                     : back == platform::QBColor(15) ? "#"
                                                     : digit;
        }
        return looks + '|' + state(23) + '|' + state(24);
    }
    bool ended() { return !memo.isVisible() && t.program.form1().isVisible() && game().startsWith(QString(18, '.')); }

    TestProgram t;
    MemoryWindow& memo;
};

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void firstClickDealsAndNinthPairEndsTheGame()
    {
        ShownMemo m;
        QCOMPARE(m.state(20), "0"); // coming on screen deals nothing
        m.click({5});
        QCOMPARE(QStringList({m.state(20), m.state(21), m.state(22), m.state(25)}),
                 QStringList({"1", "112233445566778899", QString(18, '1'), "5"}));
        QCOMPARE(m.game(), "----3-------------| 5|0");

        QString whileMessageOpen;
        m.t.dialogs.whileOpen = [&](auto&) { whileMessageOpen = m.memo.isVisible() ? m.game() : "hidden"; };
        m.click({6});
        for (int k = 1; k <= 18; ++k) // 5 and 6 are found already
            m.click({k});
        QCOMPARE(messages(m.t.dialogs), QStringList{"  Das Spiel ist beendet!\r|Memory|OK||"});
        QCOMPARE(whileMessageOpen, QString(18, '#') + "|0|0");
        QVERIFY(m.ended());
        platform::switchWindow(&m.t.program.form1(), &m.memo);
        m.click({4}); // the next visit deals afresh; face down stays navy
        QCOMPARE(QStringList({m.state(21), m.state(22)}), QStringList({"998877665544332211", QString(18, '1')}));
        QCOMPARE(m.game(), "...8..............| 4|0");
        QVERIFY(m.t.scripted.seeds.isEmpty());
    }

    void looksAsDesigned()
    {
        ShownMemo m;
        QStringList want = {"memo 0,0 5805x5325 'Zahlenmemo' back 0,0,128 MS Sans Serif 8.25 bold",
                            "Bild1 240,120 495x495 back 0,0,128",
                            "Bezeichnung19 840,120 4695x495 'Zahlenmemory: Immer zwei Felder haben die gleichen "
                            "Ziffern,  klicke die Felder an und suche so alle Paare.' 0,0,192 on 224,224,224 "
                            "MS Sans Serif 8.25 bold centred framed",
                            "Figur1 240,840 5295x4215 fill 224,224,224"};
        for (int k = 1; k <= 18; ++k) // six to a row
            want += QString::asprintf("Bezeichnung%d %d,%d 615x1095 '' 255,255,255 on 0,0,192 MS Sans Serif 18 bold "
                                      "left framed",
                                      k, 480 + 840 * ((k - 1) % 6), 1080 + 1320 * ((k - 1) / 6));
        QStringList seen;
        for (const QString& row : want) {
            const QByteArray name = row.section(' ', 0, 0).toLatin1();
            seen += look(name == "memo" ? &m.memo : control<QWidget>(&m.memo, name.constData()));
        }
        QCOMPARE(seen, want);
        for (int n = 20; n <= 25; ++n) QVERIFY(!m.label(n)->isVisibleTo(&m.memo));
    }

    void everyDealHoldsEachDigitTwice()
    {
        platform::StdRandom random;
        int scratch = 0;
        MemoryBoard board(random, scratch);
        for (int seed = 1; seed <= 500; ++seed) {
            random.seed(seed);
            board.DealBoard();
            for (char digit = '1'; digit <= '9'; ++digit) QCOMPARE(board.layout().count(QChar(digit)), 2);
            QCOMPARE(board.layout()[scratch - 1], u'9'); // the last draw placed the last digit
        }
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

    void exitQuestionAndTitleBarClose()
    {
        ShownMemo m({1, 3});
        m.t.dialogs.answers = {platform::MsgResult::Yes};
        m.click({0});
        QCOMPARE(messages(m.t.dialogs), QStringList{"  Dieses Spiel jetzt beenden?|Zahlenmemory|YesNo|?|No first"});
        QVERIFY(m.ended());
        platform::switchWindow(&m.t.program.form1(), &m.memo);
        m.click({1});
        QVERIFY(m.memo.close()); // closing through the title bar ends the game too
        QVERIFY(m.ended());
    }
};

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
