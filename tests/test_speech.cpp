#include "contest/contestwindow.h"
#include "platform/windows.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QScrollBar>

#include <QKeyEvent>

using platform::Narrator;

class SpeechTest : public QObject {
    Q_OBJECT
private slots:
    // A box's title is read only where it tells something (who won, that an answer was wrong), never the program's.
    void aBoxTitleIsReadOnlyWhereItTells()
    {
        TestProgram t;
        t.program.setReadingAloud(true);
        platform::SpeakingDialogs boxes(t.dialogs, t.narrator);
        boxes.show(nullptr, {"Willst du das Programm jetzt beenden?\r\r", "Pelko-Morvelt - Das Entwicklerteam"});
        QCoreApplication::sendPostedEvents();
        QCOMPARE(t.speech->said.last(), "Willst du das Programm jetzt beenden?");
    }

    // A new text cuts off the one being said, but the slider's number never cuts off a box.
    void anAsideNeverCutsOffABox()
    {
        TestProgram t;
        t.program.setReadingAloud(true);
        t.speech->busy = true;
        t.narrator.say("57", Narrator::Kind::Aside);
        t.narrator.say("Fehler.", Narrator::Kind::Box);
        t.narrator.say("58", Narrator::Kind::Aside);
        t.speech->busy = false;
        t.narrator.say("59", Narrator::Kind::Aside);
        QCOMPARE(t.speech->said, QStringList({"Vorlesen ist eingeschaltet.", "57", "Fehler.", "59"}));
    }

    // F8 switches reading aloud on and off in any window, F5 says the last text again; a held key acts once.
    void theKeysSwitchAndRepeat()
    {
        TestProgram t;
        QWidget& window = t.program.contestWindow();
        QTest::keyClick(&window, Qt::Key_F5);
        QVERIFY(!t.narrator.on());
        QKeyEvent held(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&window, &held);
        QVERIFY(!t.narrator.on());
        QTest::keyClick(&window, Qt::Key_F8);
        QVERIFY(t.narrator.on());
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(t.speech->said, QStringList({"Vorlesen ist eingeschaltet.", "Vorlesen ist eingeschaltet."}));
        QTest::keyClick(&window, Qt::Key_F8);
        QVERIFY(!t.narrator.on());
    }

    // Where nothing can speak the children are told once, however often it is tried, and the game goes on
    // silently; an engine that fails while speaking falls silent the same way.
    void withoutSpeechTheGameGoesOnSilently()
    {
        TestProgram t;
        t.program.setReadingAloud(true);
        t.speech->works = false;
        t.narrator.say("Freund ist dran!");
        QVERIFY(!t.narrator.on());
        t.program.setReadingAloud(true);
        QCOMPARE(t.speech->said, QStringList({"Vorlesen ist eingeschaltet."}));
        QCOMPARE(t.cannotSpeakCalls, 1);

        TestProgram none;
        none.speechMissing = true;
        none.program.setReadingAloud(true);
        none.program.setReadingAloud(true);
        QVERIFY(!none.narrator.on());
        QCOMPARE(none.cannotSpeakCalls, 1);
    }

    // A whole game read aloud: each task and whose turn, the boxes, the arrow's number once it rests, turned and
    // wanted digits, the player window's instruction; nothing while the dice roll.
    void aWholeGameIsReadAloud()
    {
        TestProgram t;
        ContestWindow& main = t.program.contestWindow();
        main.show();
        t.program.setReadingAloud(true);
        QStringList expected{"Vorlesen ist eingeschaltet."};
        const ContestState& s = main.contest().state();
        const auto task = [&s] {
            return QString("%1 ist dran! %2 %3 %4.")
                .arg(s.names[s.answeringSide()])
                .arg(*s.firstNumber)
                .arg(s.sign == Sign::Plus ? "plus" : "minus")
                .arg(s.operand);
        };
        const auto roll = [&] {
            for (int tick = 1; tick <= 10; ++tick) {
                main.rollTick();
                QCoreApplication::sendPostedEvents();
                if (tick < 10) QCOMPARE(t.speech->said, expected); // nothing while the dice roll
            }
        };
        const auto answer = [&](int value) {
            sliderOf(&main)->setValue(value - s.rangeBase);
            QTest::keyClick(&main, Qt::Key_Return);
            QCoreApplication::sendPostedEvents();
        };
        click(&main, "Bild13");
        roll();
        expected << task();
        answer(s.taskResult + 1);
        expected << "Fehler. Die Aufgabe lautet: " + task().section(' ', 3);
        for (int step = 0; step < 3; ++step) sliderOf(&main)->setValue(sliderOf(&main)->value() + 1);
        QTest::qWait(700);
        expected << QString::number(s.arrowValue); // once, after it rests
        QCOMPARE(t.speech->said, expected);
        MemoryWindow& memory = t.program.memoryWindow();
        while (s.gameStarted) {
            answer(s.taskResult);
            if (memory.isVisible()) {
                expected << "Zur Aufmunterung gibt es ein Spiel.";
                int down = 1;
                while (memory.board().field(down).faceUp) ++down;
                click(&memory, qPrintable(QString("Bezeichnung%1").arg(down)));
                expected << QString::number(memory.board().digit(down));
                platform::switchWindow(&memory, &main);
            } else {
                const QString winner = s.names[s.answeringSide()];
                roll();
                expected << (s.gameStarted ? task() : winner + " hat gewonnen! Jetzt gibt es ein Belohnungsspiel.");
            }
            QCOMPARE(t.speech->said, expected);
        }
        QVERIFY(s.scores[Side::Left] + s.scores[Side::Right] == 1);
        click(&t.program.catchWindow(), "Bild5");
        expected << "Fange die 0.";
        platform::switchWindow(&t.program.catchWindow(), &main);
        click(&main, "Bild24");
        expected << PlayerWindow::instruction();
        QCOMPARE(t.speech->said, expected);
    }
};

QTEST_MAIN(SpeechTest)
#include "test_speech.moc"
