#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QCheckBox>
#include <QScreen>

// The end-to-end printing test walks the menu to each window and back, and prints once the lock is
// cleared; here the rest of the composition root's wiring.
class AppTest : public QObject {
    Q_OBJECT
private slots:
    // Other windows open only between rolls. The info window comes a quarter down the screen; its lock lasts
    // while it is hidden, and goes with it when its title bar closes it.
    void windowsBetweenRollsAndTheLifeOfTheLock()
    {
        TestProgram t;
        ContestWindow& main = t.program.form1();
        main.show();
        click(&main, "Bild13"); // a roll runs
        click(&main, "Bild26");
        click(&main, "Bild25");
        QVERIFY(main.isVisible() && !t.program.hasInfo());
        main.rollTimer().stop();
        const auto lockColour = [&] { // red while locked, as the worksheet window shows it
            settle();
            click(&main, "Bild26");
            const QString colour = control<platform::Label>(&t.program.form3(), "Bezeichnung12")->foreColor().name();
            t.program.form3().close();
            return colour;
        };
        QCOMPARE(lockColour(), "#ff0000");
        QVERIFY(main.isVisible());
        click(&main, "Bild25");
        // Each showing places the info window centred across, a quarter of the free height down.
        const QRect area = t.program.info().screen()->availableGeometry();
        const QSize free = area.size() - t.program.info().frameGeometry().size();
        QCOMPARE(t.program.info().pos(), area.topLeft() + QPoint(free.width() / 2, free.height() / 4));
        control<QCheckBox>(&t.program.info(), "Kontroll1")->click();
        click(&t.program.info(), "Bild1");
        QCOMPARE(lockColour(), "#0000ff");
        click(&main, "Bild25");
        QVERIFY(t.program.info().close());
        settle();
        QVERIFY(main.isVisible() && !t.program.hasInfo());
        QCOMPARE(lockColour(), "#ff0000");
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"
