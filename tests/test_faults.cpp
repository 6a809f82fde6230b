#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QScrollBar>

// What goes wrong around the game: a printer or clipboard that fails, windows closed at awkward moments.
// The soak plays everything else; these are the moments it cannot reach by itself.

// Qt's own message boxes: `whileOpen` runs from within the box's event loop, then a tap on "Nein" or "OK" closes
// the box; one it leaves open is shut, and said.
struct RealBoxes final : platform::Dialogs {
    platform::MsgResult show(QWidget* parent, const platform::Message& message) override
    {
        QTimer::singleShot(0, [this] {
            if (whileOpen) std::exchange(whileOpen, nullptr)();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) click(Input::Touch, box->escapeButton());
            if (box && box->isVisible()) stuck = true, box->reject();
        });
        return platform::QtDialogs().show(parent, message);
    }
    std::function<void()> whileOpen;
    bool stuck = false;
};

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    // A job that fails after its lines were sent is told as failed, and leaves nothing behind for the next
    // job; a clipboard that takes no text is told as such, never as done.
    void printerAndClipboardFailuresAreToldAsSuch()
    {
        TestProgram t;
        Program& p = t.program;
        t.clipboard.accepts = false;
        p.contestWindow().show();
        click(&p.contestWindow(), "Bild25");
        control<QCheckBox>(&p.infoWindow(), "Kontroll1")->click();
        click(&p.infoWindow(), "Bild1");
        click(&p.contestWindow(), "Bild26");
        t.dialogs.answers = {platform::MsgResult::Yes, platform::MsgResult::Ok, platform::MsgResult::Yes};
        t.printer.result = platform::PrintResult::Failed;
        click(&p.worksheetWindow(), "Bild5");
        t.printer.result = platform::PrintResult::Printed;
        click(&p.worksheetWindow(), "Bild6");
        click(&p.worksheetWindow(), "Bild8");
        const QStringList told = messages(t.dialogs);
        QCOMPARE(told.size(), 5);
        QCOMPARE(told[1], "Der Druckauftrag konnte nicht ausgeführt werden.\rDas Arbeitsblatt wurde nicht gedruckt.\r|"
                          "Pelko-Morvelt: Drucken|OK|!|");
        QCOMPARE(told[4], "Die Ablage hat den Text nicht angenommen.\rEs wurde nichts kopiert.\r|Ablage|OK|!|");
        QCOMPARE(t.printer.documents.size(), 1);
        QVERIFY(t.printer.documents[0].join("").contains(" = ") && !t.printer.documents[0].join("").contains("__"));
    }

    // A window closed through its title bar while its own box is open (quit, the worksheet's copy, the games'
    // exits) leaves exactly the main window, or nothing once it ended; the program ended while a game asks whether
    // to leave, or the main window closed while a roll runs and its reward box is open: nothing comes back.
    void closedOrEndedWhileABoxIsOpen()
    {
        for (int which = 0; which < 5; ++which) {
            RealBoxes boxes;
            TestProgram t(which < 4 ? &boxes : nullptr);
            Program& p = t.program;
            p.contestWindow().show();
            if (which == 1) click(&p.contestWindow(), "Bild26");
            QWidget* window = std::array<QWidget*, 5>{&p.contestWindow(), &p.worksheetWindow(), &p.memoryWindow(),
                                                      &p.catchWindow(), &p.memoryWindow()}[which];
            platform::switchWindow(&p.contestWindow(), window);
            boxes.whileOpen = [window] { window->close(); };
            t.dialogs.answers = {platform::MsgResult::Yes};
            t.dialogs.whileOpen = [&p](const platform::Message&) { p.end(); };
            click(window, std::array{"Bild20", "Bild7", "Bild1", "Bild1", "Bild1"}[which]);
            settle();
            QCOMPARE(std::tuple(int(windows(true).size()), t.endCalls, p.contestWindow().isVisible(), boxes.stuck),
                     which % 4 ? std::tuple(1, 0, true, false) : std::tuple(0, 1, false, false));
        }
        TestProgram t;
        ContestWindow& main = t.program.contestWindow();
        main.show();
        click(&main, "Bild13");
        for (int answer = 0; answer < 3; ++answer) {
            if (answer == 2) t.dialogs.whileOpen = [&](const platform::Message&) { main.close(); };
            for (int tick = 0; tick < 10; ++tick) main.rollTick();
            sliderOf(&main)->setValue(main.contest().state().taskResult);
            QTest::keyClick(sliderOf(&main), Qt::Key_Return);
        }
        QCOMPARE(std::pair(int(windows(true).size()), t.endCalls), std::pair(0, 1));
    }
};

QTEST_MAIN(FaultsTest)
#include "test_faults.moc"
