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
    void okayAndTheCrossLeaveButKeepTheWindowAndItsLock()
    {
        QPointer<InfoWindow> window = new InfoWindow;
        QVERIFY(window->printingLocked());
        window->show();
        QSignalSpy left(window.data(), &InfoWindow::left);
        QTest::mouseClick(control<QCheckBox>(window, "Kontroll1"), Qt::LeftButton);
        for (const char* name : {"Bezeichnung1", "Bild1"})
            QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
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

    void eachShowingPlacesTheWindowAQuarterDownAndWritesTwoLineTexts()
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
            QVERIFY(lines.size() == 2 && !lines[0].isEmpty() && !lines[1].isEmpty());
        }
    }

    void theWindowLooksAsDesignedAndItsTextsFit()
    {
        InfoWindow window;
        window.show();
        QCOMPARE(QStringList({window.objectName(), window.windowTitle()}),
                 QStringList({"PELKOLABEL", "Programm-Info"}));
        QCOMPARE(window.size(), QSize(234, 267));
        const QColor navy(0, 0, 128), magenta(255, 0, 255), cyan(0, 255, 255), green(128, 255, 128);
        const QColor white(Qt::white), black(Qt::black), red(255, 0, 0), grey(224, 224, 224);
        int right = px(240);
        for (const auto& [name, text, fore] : {std::tuple{"Buchstabe1", "P", magenta},
                                               {"Buchstabe2", "e", cyan},
                                               {"Buchstabe3", "l", green},
                                               {"Buchstabe4", "k", magenta},
                                               {"Buchstabe5", "o", cyan},
                                               {"Bezeichnung5", "- Morvelt", white}}) {
            auto* label = control<Label>(&window, name);
            QCOMPARE(label->text(), QString(text));
            QCOMPARE(label->foreColor(), fore);
            QCOMPARE(label->pos(), QPoint(right, px(240))); // one row, letter after letter
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            right = label->geometry().right() + 1;
        }
        QVERIFY(right <= px(120 + 3255));
        for (const auto& [name, rect, fore, back] :
             {std::tuple{"Bezeichnung6", QRect(240, 840, 3015, 975), white, navy},
              {"Bezeichnung7", QRect(240, 1800, 3015, 495), black, QColor(255, 255, 224)},
              {"Bezeichnung1", QRect(240, 2880, 2175, 495), red, navy},
              {"Bezeichnung8", QRect(120, 3600, 3255, 255), navy, grey}}) {
            auto* label = control<Label>(&window, name);
            QCOMPARE(label->geometry(), twipsRect(rect.x(), rect.y(), rect.width(), rect.height()));
            QCOMPARE(QList({label->foreColor(), label->backColor()}), QList({fore, back}));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name); // our texts fit whole
        }
        QCOMPARE(control<Label>(&window, "Bezeichnung1")->text(), "O k a y");
        auto* box = control<QCheckBox>(&window, "Kontroll1");
        QCOMPARE(box->text(), "  Druckermodul deaktivieren");
        QCOMPARE(box->geometry(), twipsRect(360, 2400, 2895, 255));
        QVERIFY(box->sizeHint().width() <= box->width());
        auto* cross = control<PictureBox>(&window, "Bild1");
        QCOMPARE(cross->geometry(), twipsRect(2400, 2880, 855, 495));
        QCOMPARE(cross->accessibleName(), "Schließen");
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
