#include "assets/gallery.h"
#include "contest/contestwindow.h"
#include "platform/controls.h"
#include "platform/picturedrag.h"
#include "players/playerwindow.h"
#include "support/fakes.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QPainter>
#include <QtTest>

using platform::Label;
using platform::PictureBox;

namespace {

struct App {
    App() { main.show(); }
    TestProgram t;
    ContestWindow& main = t.program.form1();
    PlayerWindow& setup() { return t.program.form2(); }

    void click(QWidget* window, const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }
    void openSetup() { click(&main, "Bild24"); }
    void type(const char* box, const QString& text) { control<QLineEdit>(&setup(), box)->setText(text); }
    QString caption(const char* name) { return control<Label>(&main, name)->caption(); }
    platform::Picture avatar(const char* name) { return control<PictureBox>(&main, name)->picture(); }
    platform::Picture slot(const char* name) { return control<PictureBox>(&setup(), name)->picture(); }
    platform::Picture gallery(int index) { return control<PictureBox>(&setup(), galleryName(index))->picture(); }
    static const char* galleryName(int index)
    {
        static QByteArray name;
        name = QByteArray("Bild") + QByteArray::number(index < 30 ? index + 3 : index + 5);
        return name.constData();
    }

    // Drops gallery picture `index` on the named control, as a release of the mouse there does.
    bool drop(int index, const char* target)
    {
        QWidget* on = control<QWidget>(&setup(), target);
        platform::PictureDragData data(*control<PictureBox>(&setup(), galleryName(index)));
        const QPoint at = on->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &dropped);
        return dropped.isAccepted();
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

QImage rendered(const platform::Picture& picture)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.paint(painter, QRectF(0, 0, 32, 32));
    return image;
}

} // namespace

class PlayersTest : public QObject {
    Q_OBJECT
private slots:
    // The player button works only between rolls; each opening takes the main window's names afresh,
    // also after a cancel with other names typed, and every way out brings the main window back.
    void openingTakesTheNamesAndEveryExitReturns()
    {
        App a;
        a.click(&a.main, "Bild13"); // a die starts a roll
        a.openSetup();
        QVERIFY(a.main.isVisible() && !a.t.program.hasForm2());
        a.main.rollTimer().stop();

        a.openSetup();
        QVERIFY(a.setup().isVisible() && !a.main.isVisible());
        QCOMPARE(a.setup().name(0), QStringLiteral("Freund"));
        QCOMPARE(a.setup().name(1), QStringLiteral("Computer"));
        a.type("Text1", QStringLiteral("Mia"));
        a.type("Text2", QStringLiteral("Ben"));
        a.click(&a.setup(), "Bild34"); // the cross
        QVERIFY(a.main.isVisible() && !a.setup().isVisible());
        QCOMPARE(std::pair(a.caption("Bezeichnung1"), a.caption("Bezeichnung2")),
                 std::pair(QStringLiteral("Freund"), QStringLiteral("Computer")));

        a.openSetup();
        QCOMPARE(a.setup().name(0), QStringLiteral("Freund"));
        QTest::keyClick(control<QLineEdit>(&a.setup(), "Text1"), Qt::Key_Escape);
        QVERIFY(a.main.isVisible() && !a.setup().isVisible());

        a.openSetup();
        QVERIFY(a.setup().close());
        QVERIFY(a.main.isVisible());
        App::settle();
        QVERIFY(!a.t.program.hasForm2());
    }

    // The tick carries both names exactly as typed and both slot pictures; Enter does the same.
    void acceptCarriesNamesAndPictures()
    {
        App a;
        a.openSetup();
        QVERIFY(a.drop(0, "Bild1")); // the cat
        QVERIFY(a.drop(0, "Text2")); // the same picture may go to both
        QCOMPARE(a.setup().name(1), QStringLiteral("Computer"));
        QCOMPARE(a.gallery(0), a.slot("Bild1")); // the gallery keeps its own
        a.type("Text1", QStringLiteral("  Lena "));
        a.type("Text2", QString());
        a.click(&a.setup(), "Bild33");
        QVERIFY(a.main.isVisible() && !a.setup().isVisible());
        QCOMPARE(std::pair(a.caption("Bezeichnung1"), a.caption("Bezeichnung2")),
                 std::pair(QStringLiteral("  Lena "), QString()));
        QVERIFY(a.avatar("Bild1") == a.gallery(0) && a.avatar("Bild2") == a.gallery(0));

        a.openSetup();
        QCOMPARE(a.setup().name(0), QStringLiteral("  Lena "));
        a.type("Text2", QStringLiteral("Tom"));
        QTest::keyClick(control<QLineEdit>(&a.setup(), "Text2"), Qt::Key_Return);
        QVERIFY(a.main.isVisible());
        QCOMPARE(a.caption("Bezeichnung2"), QStringLiteral("Tom"));
    }

    // Drops fill the slot of their player; anything but a gallery picture is no picture.
    void dropsFillTheirPlayersSlot()
    {
        App a;
        a.openSetup();
        QCOMPARE(a.slot("Bild1"), a.gallery(artwork::kFirstPlayerPicture));
        QCOMPARE(a.slot("Bild2"), a.gallery(artwork::kSecondPlayerPicture));
        QVERIFY(a.drop(49, "Text1"));
        QVERIFY(a.drop(30, "Bild2"));
        QCOMPARE(std::pair(a.slot("Bild1"), a.slot("Bild2")), std::pair(a.gallery(49), a.gallery(30)));
        QCOMPARE(control<PictureBox>(&a.setup(), "Bild2")->accessibleName(), QStringLiteral("Bild des zweiten Spielers: Auto"));
        QCOMPARE(a.setup().name(0), QStringLiteral("Freund"));
        // The gallery, the buttons and the band take no drop.
        QVERIFY(!a.drop(7, "Bild3") && !a.drop(7, "Bild33") && !a.drop(7, "Bild54"));

        // A slot is no drag source, and plain text from elsewhere is no picture.
        auto* slot = control<PictureBox>(&a.setup(), "Bild2");
        platform::PictureDragData fromSlot(*slot);
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &fromSlot, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control<PictureBox>(&a.setup(), "Bild1"), &enter);
        QVERIFY(!enter.isAccepted());
        QMimeData text;
        text.setText(QStringLiteral("Katze"));
        QDragEnterEvent textEnter({5, 5}, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slot, &textEnter);
        QVERIFY(!textEnter.isAccepted());
        QCOMPARE(a.slot("Bild2"), a.gallery(30));
    }

    // Slot pictures outlive a cancel and a later tick carries them; a title-bar close discards
    // them, and the next opening shows the two children's faces again whatever the main window shows.
    void slotsLiveAsLongAsTheWindow()
    {
        App a;
        a.openSetup();
        QVERIFY(a.drop(11, "Bild1"));
        a.click(&a.setup(), "Bild34");
        QCOMPARE(a.avatar("Bild1").title(), QStringLiteral("Mädchen"));
        a.openSetup();
        QCOMPARE(a.slot("Bild1"), a.gallery(11));
        a.click(&a.setup(), "Bild33");
        QCOMPARE(a.avatar("Bild1").title(), QStringLiteral("Schmetterling"));

        a.openSetup();
        QVERIFY(a.drop(12, "Bild2"));
        a.type("Text1", QStringLiteral("Weg"));
        QVERIFY(a.setup().close());
        App::settle();
        QCOMPARE(std::pair(a.caption("Bezeichnung1"), a.avatar("Bild2").title()),
                 std::pair(QStringLiteral("Freund"), QStringLiteral("Junge")));
        a.openSetup();
        QCOMPARE(std::pair(a.slot("Bild1").title(), a.slot("Bild2").title()),
                 std::pair(QStringLiteral("Mädchen"), QStringLiteral("Junge")));
    }

    // The names are the contest's, as typed: an empty first name is announced as just " ist dran!",
    // and a right-to-left name is set apart so that the German words keep their order.
    void namesAreAnnouncedAsTyped()
    {
        App a;
        a.openSetup();
        a.type("Text1", QString());
        a.type("Text2", QStringLiteral("שלום"));
        a.click(&a.setup(), "Bild33");
        a.click(&a.main, "Bild13");
        while (a.main.rollTimer().isActive()) a.main.Zeit1_Timer();
        QCOMPARE(a.caption("Bezeichnung6"), QStringLiteral(" ist dran!"));
        a.main.slider()->setValue(a.t.program.vars.taskResult - a.t.program.vars.rangeBase);
        a.click(&a.main, "Bezeichnung3");
        QCOMPARE(a.caption("Bezeichnung6"), QStringLiteral("\u2068שלום\u2069 ist dran!"));
    }

    // Names of any length or script stay inside their labels, as plain text.
    void hostileNamesStayInTheirLabels()
    {
        const QList<QString> names = {QString(5000, QLatin1Char('W')), QStringLiteral("<b>Fett</b>\r\nZeile"),
                                      QStringLiteral("שלום עולם"), QStringLiteral("Jörg 😀 Øre")};
        App a;
        const QRect left = control<Label>(&a.main, "Bezeichnung1")->geometry();
        const QRect right = control<Label>(&a.main, "Bezeichnung2")->geometry();
        for (const QString& name : names) {
            a.openSetup();
            a.type("Text1", name);
            a.type("Text2", name);
            a.click(&a.setup(), "Bild33");
            QCOMPARE(a.caption("Bezeichnung1"), name);
            auto* rightName = control<Label>(&a.main, "Bezeichnung2");
            QCOMPARE(std::pair(control<Label>(&a.main, "Bezeichnung1")->geometry(), rightName->geometry()),
                     std::pair(left, right));
            QCOMPARE(rightName->textFormat(), Qt::PlainText);
            // Too long for its label, the right name shows its beginning rather than its end.
            const bool fits = rightName->fontMetrics().horizontalAdvance(name) <= rightName->width();
            QCOMPARE(bool(rightName->alignment() & Qt::AlignRight), fits);
        }
    }

    // Fifty different pictures in ten columns and five rows, each with a German name.
    void galleryHoldsFiftyDistinctNamedPictures()
    {
        App a;
        a.openSetup();
        QSet<QString> titles;
        QList<QImage> images;
        for (int index = 0; index < artwork::kGalleryPictures; ++index) {
            auto* box = control<PictureBox>(&a.setup(), App::galleryName(index));
            QCOMPARE(box->pos(), QPoint(16 + 40 * (index % 10), 88 + 40 * (index / 10)));
            QVERIFY2(!box->toolTip().isEmpty() && box->toolTip() == box->accessibleName(), App::galleryName(index));
            titles.insert(box->toolTip());
            const QImage image = rendered(box->picture());
            QVERIFY2(image != QImage(32, 32, QImage::Format_ARGB32) && !images.contains(image), App::galleryName(index));
            images.append(image);
        }
        QCOMPARE(titles.size(), artwork::kGalleryPictures);
    }
};

QTEST_MAIN(PlayersTest)
#include "test_players.moc"
