#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

// The composition root's wiring that the end-to-end walk through the menu and printing does not reach.
class AppTest : public QObject {
    Q_OBJECT
private slots:
    // Other windows open only between rolls. The info window's lock lasts while it is hidden and goes with a title-bar
    // close, as does a worksheet window, whose dice and range stay.
    void windowsBetweenRollsAndTheLifeOfTheLock_data() { inputColumn(), byInput("click"); }
    void windowsBetweenRollsAndTheLifeOfTheLock()
    {
        QFETCH(Input, input);
        TestProgram t;
        ContestWindow& main = t.program.contestWindow();
        main.show();
        click(&main, "Bild13", input); // a roll runs
        click(&main, "Bild26", input);
        click(&main, "Bild25", input);
        QVERIFY(main.isVisible() && !t.program.hasInfoWindow());
        control<QTimer>(&main, "Zeit1")->stop();
        // Left by its exit button, the one worksheet window is only hidden: each showing must colour its label.
        QPointer<WorksheetWindow> sheets;
        QStringList colours;
        const auto lockColour = [&] {
            settle();
            click(&main, "Bild26", input);
            if (!sheets) sheets = &t.program.worksheetWindow();
            colours += control<platform::Label>(&t.program.worksheetWindow(), "Bezeichnung12")->foreColor().name();
            click(&t.program.worksheetWindow(), "Bild1", input);
        };
        lockColour();
        QVERIFY(main.isVisible());
        click(&main, "Bild25", input);
        click(&t.program.infoWindow(), "Kontroll1", input);
        click(&t.program.infoWindow(), "Bild1", input);
        lockColour();
        click(&main, "Bild25", input);
        QVERIFY(t.program.infoWindow().close());
        settle();
        QVERIFY(main.isVisible() && !t.program.hasInfoWindow());
        lockColour();
        QCOMPARE(colours, QStringList({"#ff0000", "#0000ff", "#ff0000"}));
        QCOMPARE(sheets.data(), &t.program.worksheetWindow());

        click(&main, "Bild26", input);
        click(sheets, "Bild3", input);
        click(sheets, "Bild4", input);
        QVERIFY(sheets->close());
        settle();
        QVERIFY(!sheets && main.isVisible());
        click(&main, "Bild26", input);
        QCOMPARE(caption(&t.program.worksheetWindow(), "Bezeichnung6") +
                     caption(&t.program.worksheetWindow(), "Bezeichnung5"),
                 QString(" 2 Würfel 100-200"));
    }

    // Every window and box wears the icon of the menu entry.
    void everyWindowWearsTheMenusIcon()
    {
        prepareApplication(*qApp);
        TestProgram t;
        t.program.contestWindow(), t.program.memoryWindow(), t.program.catchWindow(), t.program.playerWindow();
        t.program.worksheetWindow(), t.program.infoWindow();
        QList<QImage> icons;
        QTimer::singleShot(0, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) icons += window->windowIcon().pixmap(64).toImage();
            QApplication::activeModalWidget()->close();
        });
        platform::QtDialogs().show(nullptr, {"Text", "Titel"});
        const QImage menus = QIcon(PELKO_MENU_ICON).pixmap(64).toImage();
        QVERIFY(!menus.isNull());
        QCOMPARE(icons, QList<QImage>(7, menus));
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"
