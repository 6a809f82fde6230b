#include "info/infowindow.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace platform;

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void theLockStartsOnAndFollowsTheCheckBox()
    {
        InfoWindow window;
        QVERIFY(window.printingLocked());
        window.show();
        auto* box = control<QCheckBox>(&window, "Kontroll1");
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!window.printingLocked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(window.printingLocked());
    }

    void showingPlacesTheWindowAQuarterDownAndWritesTheTexts()
    {
        InfoWindow window;
        const QRect area = window.screen()->availableGeometry();
        for (int visit = 0; visit < 2; ++visit) {
            window.show();
            const QSize frame = window.frameGeometry().size(); // the title bar counts
            QCOMPARE(window.pos(), QPoint(area.x() + (area.width() - frame.width()) / 2,
                                          area.y() + (area.height() - frame.height()) / 4));
            window.hide();
            window.move(3, 5);
        }
        for (const char* name : {"Bezeichnung6", "Bezeichnung7"}) {
            const QStringList lines = control<Label>(&window, name)->caption().split("\r\n");
            QCOMPARE(lines.size(), 2);
            QVERIFY(!lines[0].isEmpty() && !lines[1].isEmpty());
        }
    }

    void okayAndTheCrossLeaveButKeepTheWindowAndItsLock()
    {
        QPointer<InfoWindow> window = new InfoWindow;
        window->show();
        QSignalSpy left(window.data(), &InfoWindow::left);
        QTest::mouseClick(control<QCheckBox>(window, "Kontroll1"), Qt::LeftButton);
        for (const char* name : {"Bezeichnung1", "Bild1"}) QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(left.size(), 2);
        QVERIFY(window && !window->printingLocked());
        delete window;
    }

    void theTitleBarLeavesAndDiscardsTheWindow()
    {
        QPointer<InfoWindow> window = new InfoWindow;
        window->show();
        QSignalSpy left(window.data(), &InfoWindow::left);
        QVERIFY(window->close());
        QCOMPARE(left.size(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void theWindowLooksAsDesignedAndItsTextsFit()
    {
        InfoWindow window;
        window.show();
        QCOMPARE(window.objectName(), "PELKOLABEL");
        QCOMPARE(window.windowTitle(), "Programm-Info");
        QCOMPARE(window.size(), QSize(234, 267));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(224, 224, 224));
        const QColor navy(0, 0, 128), magenta(255, 0, 255), cyan(0, 255, 255), green(128, 255, 128);
        const QColor white(Qt::white), black(Qt::black), red(255, 0, 0);
        for (const auto& [name, text, fore] :
             {std::tuple{"Buchstabe1", QString("P"), magenta}, {"Buchstabe2", QString("e"), cyan},
              {"Buchstabe3", QString("l"), green}, {"Buchstabe4", QString("k"), magenta},
              {"Buchstabe5", QString("o"), cyan}, {"Bezeichnung5", QString("- Morvelt"), white}}) {
            Label* label = control<Label>(&window, name);
            QCOMPARE(label->text(), text);
            QCOMPARE(label->foreColor(), fore);
            QCOMPARE(label->y(), px(240));
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
        }
        // The title row reads as one line inside the panel.
        QCOMPARE(control<Label>(&window, "Buchstabe1")->x(), px(240));
        QVERIFY(control<Label>(&window, "Bezeichnung5")->geometry().right() < px(120 + 3255));
        for (const auto& [name, rect, text, fore, back] :
             {std::tuple{"Bezeichnung6", QRect(240, 840, 3015, 975), QString(), white, navy},
              {"Bezeichnung7", QRect(240, 1800, 3015, 495), QString(), black, QColor(255, 255, 224)},
              {"Bezeichnung1", QRect(240, 2880, 2175, 495), QString("O k a y"), red, navy},
              {"Bezeichnung8", QRect(120, 3600, 3255, 255), QString(), navy, QColor(224, 224, 224)}}) {
            Label* label = control<Label>(&window, name);
            QCOMPARE(label->geometry(), twipsRect(rect.x(), rect.y(), rect.width(), rect.height()));
            if (!text.isEmpty()) QCOMPARE(label->text(), text);
            QCOMPARE(label->foreColor(), fore);
            QCOMPARE(label->backColor(), back);
            // Our own texts must fit the design's boxes whole.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        auto* box = control<QCheckBox>(&window, "Kontroll1");
        QCOMPARE(box->text(), "  Druckermodul deaktivieren");
        QCOMPARE(box->geometry(), twipsRect(360, 2400, 2895, 255));
        QVERIFY(box->sizeHint().width() <= box->width());
        auto* cross = control<PictureBox>(&window, "Bild1");
        QCOMPARE(cross->geometry(), twipsRect(2400, 2880, 855, 495));
        QCOMPARE(cross->accessibleName(), "Schließen");
        QVERIFY(!cross->picture().isNull());
        QCOMPARE(control<Shape>(&window, "Figur1")->fillColor(), navy);
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
