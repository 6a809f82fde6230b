#include "platform/colors.h"
#include "platform/heldkeys.h"
#include "support/fakes.h"

#include <QLineEdit>
#include <QMenu>

using namespace platform;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Unseeded generators start apart, so the first worksheet of a run is not the same every day.
    void randomNumbersStartApart() { QVERIFY(platform::StdRandom().uniform() != platform::StdRandom().uniform()); }

    // Qt's own texts read German on any desktop: the menu a right click opens in a name box.
    void qtSpeaksGerman()
    {
        prepareApplication(*qApp);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts += action->text().remove(u'&').section(u'\t', 0, 0);
        QCOMPARE(texts.join(", "), "Rückgängig, Wiederherstellen, Ausschneiden, Kopieren, Einfügen, Löschen, "
                                   "Alles auswählen");
    }

    // The design's 16 colours, and black beyond them.
    void thePaletteHoldsTheSixteenColours()
    {
        const QList<QColor> palette = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                       {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                       {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                       {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
        QList<QColor> seen;
        for (int i = 0; i <= 16; ++i) seen += paletteColor(i);
        QCOMPARE(seen, palette + QList<QColor>{Qt::black});
    }

    // Press and release of the left button over the same control, nothing else, is a click.
    void onlyALeftClickOverTheControlClicks()
    {
        QWidget window;
        QString clicks; // per control, one digit per row
        for (QWidget* control : {static_cast<QWidget*>(new Label("Bezeichnung1", &window, QRect(0, 0, 1500, 1500))),
                                 static_cast<QWidget*>(new PictureBox("Bild1", &window, QRect(1500, 0, 1500, 1500)))}) {
            QSignalSpy spy(control, SIGNAL(clicked()));
            for (auto [press, release, x] : {std::tuple{Qt::LeftButton, Qt::LeftButton, 50},
                                             {Qt::RightButton, Qt::RightButton, 50},
                                             {Qt::MiddleButton, Qt::MiddleButton, 50},
                                             {Qt::LeftButton, Qt::LeftButton, 150},
                                             {Qt::RightButton, Qt::LeftButton, 50}}) {
                QTest::mousePress(control, press, {}, QPoint(50, 50));
                QTest::mouseRelease(control, release, {}, QPoint(x, 50));
                clicks += QString::number(spy.count());
                spy.clear();
            }
            // A double-click arrives as press, release, double-click, release: it clicks once. Two clicks
            // slower than that click twice.
            QTest::mouseClick(control, Qt::LeftButton);
            QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(50, 50), control->mapToGlobal(QPointF(50, 50)),
                               Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(control, &second);
            QTest::mouseRelease(control, Qt::LeftButton);
            QTest::mouseClick(control, Qt::LeftButton);
            clicks += QString::number(spy.count());
        }
        QCOMPARE(clicks, "100002100002");
    }

    // A held key's repeats answer no box: it stays open until a new press.
    void aBoxTakesOnlyANewPress()
    {
        HeldKeys held(nullptr);
        QtDialogs boxes;
        bool openAfterRepeat = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, {}, "\r", true);
            QApplication::sendEvent(box, &repeat);
            openAfterRepeat = box->isVisible();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(boxes.show(nullptr, {"Text", "Titel", MsgButtons::YesNo}), MsgResult::Yes);
        QVERIFY(openAfterRepeat);
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
