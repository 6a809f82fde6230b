#include "contest/contestwindow.h"
#include "platform/picturedrag.h"
#include "players/playerwindow.h"
#include "support/fakes.h"

#include <QLineEdit>
#include <QScrollBar>

using platform::PictureBox;

namespace {

// The gallery's names skip Bild33 and Bild34, the two buttons.
QByteArray galleryName(int index) { return "Bild" + QByteArray::number(index < 30 ? index + 3 : index + 5); }

struct App {
    App() { main.show(); }
    TestProgram t;
    ContestWindow& main = t.program.contestWindow();
    PlayerWindow& setup() { return t.program.playerWindow(); }
    void open() { click(&main, "Bild24"); }
    void type(const char* box, const QString& text) { control<QLineEdit>(&setup(), box)->setText(text); }
    platform::Picture picture(QWidget* in, const char* name) { return control<PictureBox>(in, name)->picture(); }
    QString title(QWidget* in, const char* name) { return picture(in, name).title(); }
    platform::Picture gallery(int index) { return picture(&setup(), galleryName(index)); }

    // Drops gallery picture `index` (or what `data` carries) on a control, as a release of the mouse there does.
    bool drop(int index, const char* target, const QMimeData* data = nullptr)
    {
        QWidget* on = control(&setup(), target);
        const platform::PictureDragData dragged(*control<PictureBox>(&setup(), galleryName(index)));
        if (!data) data = &dragged;
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        QDropEvent dropped({5, 5}, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted()) QApplication::sendEvent(on, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }
};

} // namespace

class PlayersTest : public QObject {
    Q_OBJECT
private slots:
    // The player button works only between rolls; each opening takes the main window's names afresh,
    // also after a cancel with other names typed; the cross, Esc and the title bar take nothing back.
    void openingTakesTheNamesAndOnlyTheTickCarriesThem()
    {
        App a;
        click(&a.main, "Bild13"); // a die starts a roll
        a.open();
        QVERIFY(a.main.isVisible() && !a.t.program.hasPlayerWindow());
        control<QTimer>(&a.main, "Zeit1")->stop();

        for (const auto& leave : std::initializer_list<std::function<void(App&)>>{
                 [](App& a) { click(&a.setup(), "Bild34"); },
                 [](App& a) { QTest::keyClick(control<QLineEdit>(&a.setup(), "Text1"), Qt::Key_Escape); },
                 [](App& a) { QVERIFY(a.setup().close()); }}) {
            a.open();
            QVERIFY(a.setup().isVisible() && !a.main.isVisible());
            QCOMPARE(std::pair(a.setup().name(0), a.setup().name(1)),
                     std::pair(QStringLiteral("Freund"), QStringLiteral("Computer")));
            a.type("Text1", QStringLiteral("Mia"));
            leave(a);
            QVERIFY(a.main.isVisible() && !a.setup().isVisible());
            QCOMPARE(caption(&a.main, "Bezeichnung1"), QStringLiteral("Freund"));
        }
        settle();
        QVERIFY(!a.t.program.hasPlayerWindow());

        // Enter in the first name goes on to the second; there Enter, the keypad's too, is the tick and carries
        // both names as typed and both slot pictures. A drop on a name box keeps the name.
        a.open();
        a.type("Text1", QStringLiteral("  Lena "));
        a.type("Text2", QStringLiteral("Ben"));
        QTest::keyClick(control<QLineEdit>(&a.setup(), "Text1"), Qt::Key_Return);
        QVERIFY(a.setup().isVisible() && a.setup().focusWidget() == control<QLineEdit>(&a.setup(), "Text2"));
        QVERIFY(a.drop(0, "Bild1") && a.drop(0, "Text2")); // the same picture may go to both
        QCOMPARE(a.setup().name(1), QStringLiteral("Ben"));
        QTest::keyClick(a.setup().focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(std::pair(caption(&a.main, "Bezeichnung1"), caption(&a.main, "Bezeichnung2")),
                 std::pair(QStringLiteral("  Lena "), QStringLiteral("Ben")));
        QVERIFY(a.picture(&a.main, "Bild1") == a.gallery(0) && a.picture(&a.main, "Bild2") == a.gallery(0));

        // Names are announced as typed: an empty one as just " ist dran!", a right-to-left one set apart so
        // the German words keep their order. However long or strange, a name stays inside its label.
        a.open();
        a.type("Text1", QString());
        a.type("Text2", QStringLiteral("שלום"));
        click(&a.setup(), "Bild33");
        click(&a.main, "Bild13");
        while (a.main.rollTimer().isActive()) a.main.rollTick();
        QCOMPARE(caption(&a.main, "Bezeichnung6"), QStringLiteral(" ist dran!"));
        a.main.slider()->setValue(a.main.contest().state().taskResult - a.main.contest().state().rangeBase);
        click(&a.main, "Bezeichnung3");
        QCOMPARE(caption(&a.main, "Bezeichnung6"), QStringLiteral("\u2068שלום\u2069 ist dran!"));
        control<QTimer>(&a.main, "Zeit1")->stop();

        // Too long for its label, the right name shows its beginning rather than its end.
        auto* right = control<platform::Label>(&a.main, "Bezeichnung2");
        const QRect place = right->geometry();
        for (const auto& [name, fits] : {std::pair(QString(5000, 'W'), false), std::pair(QString("Jörg 😀"), true)}) {
            a.open();
            a.type("Text2", name);
            click(&a.setup(), "Bild33");
            QCOMPARE(std::tuple(right->caption(), right->geometry(), bool(right->alignment() & Qt::AlignRight)),
                     std::tuple(name, place, fits));
        }
    }

    // Fifty different gallery pictures, each with a German name. A drop fills its player's slot, keeps the name,
    // and takes only a gallery picture. Slots outlive a cancel and a later tick carries them; a title-bar close
    // discards them, and the next opening shows the two children's faces whatever the main window shows.
    void galleryPicturesGoToTheSlotsAndLiveWithTheWindow()
    {
        App a;
        a.open();
        QSet<QString> names;
        QSet<QByteArray> images;
        for (PictureBox* box : a.setup().findChildren<PictureBox*>()) {
            if (QStringList({"Bild1", "Bild2", "Bild33", "Bild34"}).contains(box->objectName())) continue;
            names.insert(box->accessibleName());
            const QImage image = box->grab().toImage();
            images.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        names.remove(QString());
        QCOMPARE(std::pair(names.size(), images.size()), std::pair(qsizetype(50), qsizetype(50)));

        QVERIFY(a.drop(49, "Text1") && a.drop(30, "Bild2"));
        QCOMPARE(std::pair(a.picture(&a.setup(), "Bild1"), a.picture(&a.setup(), "Bild2")),
                 std::pair(a.gallery(49), a.gallery(30)));
        QCOMPARE(a.setup().name(0), QStringLiteral("Freund"));
        const platform::PictureDragData fromSlot(*control<PictureBox>(&a.setup(), "Bild1"));
        QMimeData text;
        text.setText(QStringLiteral("Katze"));
        QVERIFY(!a.drop(7, "Bild3") && !a.drop(7, "Bild33") && !a.drop(7, "Bild2", &fromSlot) &&
                !a.drop(7, "Bild2", &text));
        QCOMPARE(a.picture(&a.setup(), "Bild2"), a.gallery(30));

        click(&a.setup(), "Bild34");
        QCOMPARE(a.title(&a.main, "Bild1"), QStringLiteral("Mädchen"));
        a.open();
        click(&a.setup(), "Bild33");
        QCOMPARE(a.picture(&a.main, "Bild1"), a.gallery(49));
        a.open();
        QVERIFY(a.setup().close());
        settle();
        a.open();
        QCOMPARE(std::pair(a.title(&a.setup(), "Bild1"), a.title(&a.setup(), "Bild2")),
                 std::pair(QStringLiteral("Mädchen"), QStringLiteral("Junge")));
    }
};

QTEST_MAIN(PlayersTest)
#include "test_players.moc"
