#include "contest/contestwindow.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QtTest>

using platform::Label;
using platform::Message;

namespace {

const QColor kBlue(0, 0, 192);
const QColor kNavy = platform::QBColor(1);
const QColor kWhite = platform::QBColor(15);
const QString kAllOpen(18, u'1');

// Draws that fill the fields in the given order; 1..18 puts digit d under fields 2d-1 and 2d.
void scriptDeal(ScriptedRandom& random, bool reversed = false)
{
    for (int i = 1; i <= 18; ++i)
        random.values.push_back(((reversed ? 19 - i : i) - 0.5) / 18);
}

QStringList describe(const Message& m)
{
    return {m.text, m.title, m.buttons == platform::MsgButtons::Ok ? "OK" : "YesNo",
            m.icon == platform::MsgIcon::Question ? "?" : m.icon == platform::MsgIcon::None ? "" : "!",
            m.defaultNo ? "No first" : ""};
}

struct ScriptedBoard {
    ScriptedBoard() { scriptDeal(random); }
    ScriptedRandom random;
    int scratch = 0;
    MemoryBoard board{random, scratch};
};

struct ShownMemo {
    ShownMemo() : memo(t.program.memo())
    {
        scriptDeal(t.scripted);
        memo.show();
    }
    void click(int field) { QTest::mouseClick(label(field), Qt::LeftButton); }
    // Bezeichnung1..18 are the fields, Bezeichnung20..25 the game's state.
    Label* label(int n) { return control<Label>(&memo, ("Bezeichnung" + QByteArray::number(n)).constData()); }
    QString state(int n) { return label(n)->caption(); }
    bool ended()
    {
        bool faceDownNavy = true;
        for (int k = 1; k <= 18; ++k)
            faceDownNavy = faceDownNavy && state(k).isEmpty() && label(k)->backColor() == kNavy;
        return faceDownNavy && state(20) == "0" && !memo.isVisible() && t.program.form1().isVisible();
    }

    TestProgram t;
    MemoryWindow& memo;
};

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void firstClickDealsAndOpensTheField()
    {
        ShownMemo m;
        m.memo.hide();
        m.memo.show(); // coming on screen deals nothing
        QCOMPARE(m.state(20), "0");
        QVERIFY(m.label(20)->isHidden());
        QCOMPARE(m.label(1)->backColor(), kBlue);

        m.click(5);
        QCOMPARE(QStringList({m.state(20), m.state(21), m.state(22), m.state(23), m.state(24), m.state(25)}),
                 QStringList({"1", "112233445566778899", kAllOpen, " 5", "0", "5"}));
        QCOMPARE(QStringList({m.state(5), m.state(6)}), QStringList({" 3", ""}));
        QCOMPARE(m.label(5)->foreColor(), QColor(Qt::white));
        QVERIFY(m.t.scripted.seeds.isEmpty());
    }

    void everyDealHoldsEachDigitTwice()
    {
        platform::StdRandom random;
        int scratch = 0;
        MemoryBoard board(random, scratch);
        for (int seed = 1; seed <= 500; ++seed) {
            random.seed(seed);
            board.DealBoard();
            QCOMPARE(board.layout().size(), 18);
            for (char digit = '1'; digit <= '9'; ++digit)
                QCOMPARE(board.layout().count(QChar(digit)), 2);
            QCOMPARE(board.openMask(), kAllOpen);
            QCOMPARE(board.layout()[scratch - 1], u'9'); // the last draw placed the last digit
        }
    }

    void clicksFollowTheRules_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("looks"); // - face down, digit face up, # found (white, digit kept)
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("open field clicked again") << QList{7, 7} << "------4-----------" << " 7" << "0";
        QTest::newRow("equal digits are found") << QList{1, 2} << "##----------------" << "0" << "0";
        QTest::newRow("after a find nothing is covered") << QList{1, 2, 3} << "##2---------------" << " 3" << "0";
        QTest::newRow("different digits stay open") << QList{1, 3} << "1-2---------------" << " 1" << " 3";
        QTest::newRow("found field ignored, pair stays open")
            << QList{1, 2, 3, 5, 2} << "##2-3-------------" << " 3" << " 5";
        QTest::newRow("pair covered, another opens") << QList{1, 3, 5} << "----3-------------" << " 5" << "0";
        QTest::newRow("pair covered, first reopens") << QList{1, 3, 1} << "1-----------------" << " 1" << "0";
        QTest::newRow("pair covered, second reopens") << QList{1, 3, 3} << "--2---------------" << " 3" << "0";
    }

    void clicksFollowTheRules()
    {
        QFETCH(QList<int>, clicks);
        ScriptedBoard b;
        for (int field : clicks)
            QVERIFY(!b.board.click(field));
        QString looks;
        for (int k = 1; k <= 18; ++k) {
            const FieldLook& look = b.board.field(k);
            const QString faceUp = " " + QString::number((k + 1) / 2);
            looks += look.back == kWhite ? (look.caption == faceUp ? u'#' : u'?')
                     : look.caption.isEmpty() ? u'-'
                     : look.caption == faceUp ? faceUp[1] : u'?';
        }
        QTEST(looks, "looks");
        QTEST(b.board.firstField(), "first");
        QTEST(b.board.secondField(), "second");
        QCOMPARE(b.board.openMask().count(u'0'), looks.count(u'#'));
        QCOMPARE(b.board.clickedField(), QString::number(clicks.last()));
    }

    void ninthPairEndsTheGameAndNextVisitDealsAgain()
    {
        ShownMemo m;
        bool whiteBoardWhileMessageOpen = false;
        m.t.dialogs.whileOpen = [&](const Message&) {
            whiteBoardWhileMessageOpen = m.memo.isVisible() && m.label(18)->backColor() == kWhite;
        };
        for (int k = 1; k <= 18; ++k)
            m.click(k);
        QCOMPARE(m.t.dialogs.shown.size(), 1);
        QCOMPARE(describe(m.t.dialogs.shown.front()),
                 QStringList({"  Das Spiel ist beendet!\r", "Memory", "OK", "", ""}));
        QVERIFY(whiteBoardWhileMessageOpen);
        QVERIFY(m.ended());

        // The next visit deals afresh, and face down stays navy.
        scriptDeal(m.t.scripted, true);
        platform::switchWindow(&m.t.program.form1(), &m.memo);
        m.click(4);
        QCOMPARE(QStringList({m.state(21), m.state(22), m.state(4)}),
                 QStringList({"998877665544332211", kAllOpen, " 8"}));
        QCOMPARE(m.label(4)->backColor(), kNavy);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes ends the game") << true;
        QTest::newRow("No changes nothing") << false;
    }

    void exitQuestion()
    {
        QFETCH(bool, yes);
        ShownMemo m;
        m.click(1);
        m.click(3);
        m.t.dialogs.answers.push_back(yes ? platform::MsgResult::Yes : platform::MsgResult::No);
        QTest::mouseClick(control<QWidget>(&m.memo, "Bild1"), Qt::LeftButton);

        QCOMPARE(m.t.dialogs.shown.size(), 1);
        QCOMPARE(describe(m.t.dialogs.shown.front()),
                 QStringList({"  Dieses Spiel jetzt beenden?", "Zahlenmemory", "YesNo", "?", "No first"}));
        QCOMPARE(m.ended(), yes);
        if (!yes) {
            QCOMPARE(QStringList({m.state(1), m.state(3), m.state(23), m.state(24)}),
                     QStringList({" 1", " 2", " 1", " 3"}));
            QCOMPARE(m.label(1)->backColor(), kBlue);
        }
    }

    void closingThroughTheTitleBarEndsTheGame()
    {
        ShownMemo m;
        m.click(1);
        QVERIFY(m.memo.close());
        QVERIFY(m.ended());
    }
};

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
