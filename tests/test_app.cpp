#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/controls.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QCheckBox>
#include <QListWidget>
#include <QtTest>

using platform::Label;

namespace {

struct App {
    App() { main.show(); }
    TestProgram t;
    ContestWindow& main = t.program.form1();
    void click(QWidget* window, const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }
    QColor printerLabel() { return control<Label>(&t.program.form3(), "Bezeichnung12")->foreColor(); }
    // Lets a window closed through its title bar go, as the event loop would.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    // The menu opens the worksheet and info windows only between rolls, and each returns to the main window.
    void menuSwitchesToOneWindowAtATime()
    {
        App a;
        a.click(&a.main, "Bild13"); // a roll runs
        a.click(&a.main, "Bild26");
        a.click(&a.main, "Bild25");
        QVERIFY(a.main.isVisible() && !a.t.program.hasInfo());
        a.main.rollTimer().stop();
        a.click(&a.main, "Bild26");
        WorksheetWindow& sheets = a.t.program.form3();
        QVERIFY(sheets.isVisible() && !a.main.isVisible());
        QVERIFY(a.t.program.hasInfo() && !a.t.program.info().isVisible()); // built unseen for the lock
        a.click(&sheets, "Bild1");
        QVERIFY(a.main.isVisible() && !sheets.isVisible());
        a.click(&a.main, "Bild25");
        QVERIFY(a.t.program.info().isVisible() && !a.main.isVisible());
        a.click(&a.t.program.info(), "Bezeichnung1");
        QVERIFY(a.main.isVisible() && !a.t.program.info().isVisible());
    }

    // Locked at start; a cleared lock lasts while the info window is only hidden; a title-bar close
    // discards the window and with it the cleared lock. The worksheet's settings outlive its window.
    void printerLockLivesAsLongAsTheInfoWindow()
    {
        App a;
        QCOMPARE(a.printerLabel(), QColor(255, 0, 0));
        a.click(&a.t.program.form3(), "Bild5");
        QCOMPARE(a.t.dialogs.shown.last().text, QStringLiteral("Der Drucker ist gesperrt!\r"));

        a.click(&a.main, "Bild25");
        a.t.program.info().findChild<QCheckBox*>(QStringLiteral("Kontroll1"))->click();
        a.click(&a.t.program.info(), "Bild1");
        a.click(&a.main, "Bild26");
        QCOMPARE(a.printerLabel(), QColor(0, 0, 255));
        a.click(&a.t.program.form3(), "Bild3"); // two dice
        QVERIFY(a.t.program.form3().close());
        App::settle();
        QVERIFY(a.main.isVisible());

        a.click(&a.main, "Bild25");
        QVERIFY(a.t.program.info().close());
        App::settle();
        QVERIFY(a.main.isVisible() && !a.t.program.hasInfo());
        a.click(&a.main, "Bild26");
        QCOMPARE(a.printerLabel(), QColor(255, 0, 0));
        QCOMPARE(a.t.program.sheetSettings.sheetDice, 2);
        QCOMPARE(control<Label>(&a.t.program.form3(), "Bezeichnung6")->caption(), QStringLiteral(" 2 Würfel"));
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"
