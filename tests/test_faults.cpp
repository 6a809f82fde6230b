#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QScrollBar>

// What goes wrong around the game: a printer or clipboard that fails, windows closed at awkward moments.
// The soak plays everything else; these are the moments it cannot reach by itself.
namespace {

int windowsShown()
{
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) shown += w->isVisible();
    return shown;
}

// Qt's own message boxes: `whileOpen` runs from within the box's event loop, then Esc closes the box.
struct RealBoxes final : platform::Dialogs {
    platform::MsgResult show(QWidget* parent, const platform::Message& message) override
    {
        QTimer::singleShot(0, [this] {
            if (whileOpen) std::exchange(whileOpen, nullptr)();
            if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Escape);
        });
        return platform::QtDialogs().show(parent, message);
    }
    std::function<void()> whileOpen;
};

struct RefusingClipboard final : platform::Clipboard {
    bool setText(const QString&) override { return false; }
};

// A program on the given dialogs, printer and clipboard.
struct Rig {
    Rig(platform::Dialogs& dialogs, platform::Printer& printer, platform::Clipboard& clipboard)
        : program({dialogs, random, clock, printer, clipboard, [this] { ++ends; }})
    {
        program.form1().show();
    }
    QWidget* open(const char* button)
    {
        click(&program.form1(), button);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) return w;
        return nullptr;
    }
    platform::StdRandom random;
    FixedClock clock;
    int ends = 0;
    Program program;
};

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    // A job that fails after its lines were sent is told as failed, and leaves nothing behind for the next
    // job; a clipboard that takes no text is told as such, never as done.
    void printerAndClipboardFailuresAreToldAsSuch()
    {
        ScriptedDialogs dialogs;
        RecordingPrinter printer;
        RefusingClipboard clipboard;
        Rig rig(dialogs, printer, clipboard);
        rig.open("Bild25");
        control<QCheckBox>(&rig.program.info(), "Kontroll1")->click();
        click(&rig.program.info(), "Bild1");
        QWidget* sheets = rig.open("Bild26");
        dialogs.answers = {platform::MsgResult::Yes, platform::MsgResult::Ok, platform::MsgResult::Yes};
        printer.result = platform::PrintResult::Failed;
        click(sheets, "Bild5");
        printer.result = platform::PrintResult::Printed;
        click(sheets, "Bild6");
        click(sheets, "Bild8");
        const QStringList told = messages(dialogs);
        QCOMPARE(told.size(), 5);
        QCOMPARE(told[1], "Der Druckauftrag konnte nicht ausgeführt werden.\rDas Arbeitsblatt wurde nicht gedruckt.\r|"
                          "Pelko-Morvelt: Drucken|OK|!|");
        QCOMPARE(told[4], "Die Ablage hat den Text nicht angenommen.\rEs wurde nichts kopiert.\r|Ablage|OK|!|");
        QCOMPARE(printer.documents.size(), 1);
        QVERIFY(printer.documents[0].join("").contains(" = ") && !printer.documents[0].join("").contains("__"));
    }

    // A window closed through its title bar while its own box is open: the window system holds such a close
    // back, but one that gets through anyway must leave exactly the main window, or nothing once it ended.
    void windowClosedWhileItsBoxIsOpen()
    {
        for (const char* button : {"Bild20", "Bild26", "memo", "fang"}) {
            RealBoxes boxes;
            RecordingPrinter printer;
            RecordingClipboard clipboard;
            Rig rig(boxes, printer, clipboard);
            ContestWindow& main = rig.program.form1();
            // The quit button, the worksheet's copy button, the games' exit buttons.
            const QByteArray which(button);
            QWidget* window = which == "Bild26" ? rig.open(button)
                              : which == "memo" ? static_cast<QWidget*>(&rig.program.memo())
                              : which == "fang" ? static_cast<QWidget*>(&rig.program.fang())
                                                : &main;
            platform::switchWindow(&main, window);
            const char* asks = which == "Bild20" ? "Bild20" : which == "Bild26" ? "Bild7" : "Bild1";
            boxes.whileOpen = [window] { window->close(); };
            click(window, asks);
            settle();
            QCOMPARE(windowsShown(), window == &main ? 0 : 1);
            QCOMPARE(main.isVisible(), window != &main);
            QCOMPARE(rig.ends, window == &main ? 1 : 0);
        }
    }

    // The main window closed while a roll runs and its reward box is open, and the program ended while a
    // reward game asks whether to leave: nothing comes back on screen, whatever the box answers.
    void endedWhileABoxIsOpen()
    {
        ScriptedDialogs dialogs;
        RecordingPrinter printer;
        RecordingClipboard clipboard;
        Rig rig(dialogs, printer, clipboard);
        ContestWindow& main = rig.program.form1();
        click(&main, "Bild13");
        for (int answer = 0; answer < 3; ++answer) {
            if (answer == 2) dialogs.whileOpen = [&](const platform::Message&) { main.close(); };
            for (int tick = 0; tick < 10; ++tick) main.Zeit1_Timer();
            main.slider()->setValue(main.contest().state().taskResult);
            QTest::keyClick(main.slider(), Qt::Key_Return);
        }
        QCOMPARE(rig.ends, 1);
        QCOMPARE(windowsShown(), 0);

        Rig again(dialogs, printer, clipboard);
        platform::switchWindow(&again.program.form1(), &again.program.memo());
        dialogs.answers = {platform::MsgResult::Yes};
        dialogs.whileOpen = [&](const platform::Message&) { again.program.end(); };
        click(&again.program.memo(), "Bild1");
        QCOMPARE(windowsShown(), 0);
    }
};

QTEST_MAIN(FaultsTest)
#include "test_faults.moc"
