#include "info/infowindow.h"
#include "platform/controls.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QScreen>
#include <QtTest>

// Leaving the window and the life of its lock are tested with the whole program in test_app.
class TestInfo : public QObject {
    Q_OBJECT
private slots:
    // Each showing places the window centred across, a quarter of the free height down, title bar included.
    void eachShowingPlacesTheWindowAQuarterDown()
    {
        InfoWindow window;
        const QRect area = window.screen()->availableGeometry();
        for (int visit = 0; visit < 2; ++visit) {
            window.show();
            const QSize free = area.size() - window.frameGeometry().size();
            QCOMPARE(window.pos(), area.topLeft() + QPoint(free.width() / 2, free.height() / 4));
            window.hide();
            window.move(3, 5);
        }
    }

    // Every text shows whole: the two-line notices in their frames and the lock's caption.
    void everyTextShowsWhole()
    {
        InfoWindow window;
        window.show();
        QCOMPARE(caption(&window, "Bezeichnung6").count("\r\n") + caption(&window, "Bezeichnung7").count("\r\n"), 2);
        for (const char* name : {"Bezeichnung6", "Bezeichnung7", "Bezeichnung1", "Bezeichnung8"}) {
            auto* label = control<platform::Label>(&window, name);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        auto* box = control<QCheckBox>(&window, "Kontroll1");
        QVERIFY(box->isChecked() && box->sizeHint().width() <= box->width());
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
