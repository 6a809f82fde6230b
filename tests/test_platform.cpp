#include "platform/colors.h"
#include "platform/heldkeys.h"
#include "platform/units.h"
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

    // A name that does not fit its line ends in "…", cut afresh as the label or its font grows, as a zoom does.
    void aLongNameEndsInAnEllipsis()
    {
        QWidget window;
        Label name("Bezeichnung1", &window, QRect(0, 0, 2865, 495));
        name.setFont(designFont(kVerdana, 18));
        name.setElided(true);
        name.setCaption("Maximilian-Alexander");
        window.show();
        QStringList shown{name.text()};
        name.resize(name.width() * 2, name.height());
        shown += name.text();
        name.setFont(designFont(kVerdana, 36));
        shown += name.text();
        QCOMPARE(shown, QStringList({"Maximilian-…", "Maximilian-Alexander", "Maximilian-…"}));
        QCOMPARE(name.accessibleName(), "Maximilian-Alexander");
    }

    // A box is as wide as its title needs in openbox as Debian sets it up: bold 8 pt (11 pixels at 100 dpi) and 120
    // pixels for its icon, three buttons and padding. A held key's repeats answer no box: it waits for a new press.
    void aBoxShowsItsWholeTitleAndTakesOnlyANewPress()
    {
        HeldKeys held(nullptr);
        QtDialogs boxes;
        const QString title = "Maximilian-Alexander hat gewonnen!";
        bool openAfterRepeat = false;
        int width = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            width = box->width();
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, {}, "\r", true);
            QApplication::sendEvent(box, &repeat);
            openAfterRepeat = box->isVisible();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(boxes.show(nullptr, {"Jetzt gibt es ein Belohnungsspiel.\r", title, MsgButtons::YesNo}),
                 MsgResult::Yes);
        QVERIFY(openAfterRepeat);
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        font.setBold(true);
        QCOMPARE_GE(width, QFontMetrics(font).horizontalAdvance(title) + 120);
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
