#include "contest/contestwindow.h"
#include "platform/picturedrag.h"
#include "players/playerwindow.h"
#include "support/fakes.h"

#include <QLineEdit>

using platform::PictureBox;

namespace {

// The main window on screen, and the player window its button opens.
struct App {
    App() { main.show(); }
    TestProgram t;
    ContestWindow& main = t.program.contestWindow();
    PlayerWindow& setup() { return t.program.playerWindow(); }
    void open() { click(&main, "Bild24"), void(QTest::qWaitForWindowActive(&setup())); }
    void type(const char* box, const QString& text) { control<QLineEdit>(&setup(), box)->setText(text); }
    QString title(QWidget* in, const char* name) { return control<PictureBox>(in, name)->picture().title(); }

    // Drags gallery picture `index` (Bild3 on, past the buttons Bild33 and Bild34) onto the middle of a control through
    // the window system, whose drop ends with a message of its own.
    void drag(Input input, int index, const char* target)
    {
        auto* from = control(&setup(), "Bild" + QByteArray::number(index < 30 ? index + 3 : index + 5));
        QWidget* to = control(&setup(), target);
        ::drag(input, from, {5, 5}, from->mapFromGlobal(to->mapToGlobal(to->rect().center())));
        QTest::qWait(100);
    }
    // Drops what `data` carries on a control, as a release of the mouse there does.
    bool drop(const char* target, const QMimeData* data)
    {
        QWidget* on = control(&setup(), target);
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
    void onlyTheTickHandsNamesAndPicturesOn_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"cross", "Esc", "title bar", "tick", "Enter", "keypad Enter"})
            QTest::newRow(way) << way;
    }
    // The tick, or Enter after both names, hands the names as typed and the slots' pictures to the main window; the
    // cross, Esc and the title bar take nothing. Each opening shows the main window's names afresh; the slots keep
    // their pictures unless the title bar discarded the window.
    void onlyTheTickHandsNamesAndPicturesOn()
    {
        QFETCH(QString, way);
        const bool taken = way == "tick" || way.endsWith("Enter");
        App a;
        a.open();
        a.type("Text1", QStringLiteral("  Lena "));
        a.drag(Input::Mouse, 49, "Bild1");
        a.drag(Input::Mouse, 49, "Text2"); // the same picture may go to both
        auto* first = control<QLineEdit>(&a.setup(), "Text1");
        if (way == "cross" || way == "tick") click(&a.setup(), way == "tick" ? "Bild33" : "Bild34");
        if (way == "Esc") QTest::keyClick(first, Qt::Key_Escape);
        if (way == "title bar") QVERIFY(a.setup().close());
        if (way.endsWith("Enter")) { // the first goes on to the second name, so typing both names in turn is safe
            QTest::keyClick(first, Qt::Key_Return);
            QVERIFY(a.setup().isVisible());
            QTest::keyClick(a.setup().focusWidget(), way == "Enter" ? Qt::Key_Return : Qt::Key_Enter,
                            way == "Enter" ? Qt::NoModifier : Qt::KeypadModifier);
        }
        QVERIFY(a.main.isVisible() && !a.setup().isVisible());
        QCOMPARE(caption(&a.main, "Bezeichnung1"), taken ? QStringLiteral("  Lena ") : QStringLiteral("Freund"));
        QCOMPARE(a.title(&a.main, "Bild2"), taken ? QStringLiteral("Eis") : QStringLiteral("Junge"));
        settle();
        a.open();
        QCOMPARE(a.setup().name(0), caption(&a.main, "Bezeichnung1"));
        QCOMPARE(a.title(&a.setup(), "Bild1"), way == "title bar" ? QStringLiteral("Mädchen") : QStringLiteral("Eis"));
    }

    void theMainWindowShowsANameAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("called");
        QTest::newRow("empty") << QString() << QStringLiteral(" ist dran!");
        // Set apart, so the German words keep their order.
        QTest::newRow("right to left") << QStringLiteral("שלום") << QStringLiteral("\u2068שלום\u2069 ist dran!");
        QTest::newRow("too long") << QString(5000, 'W') << QString(5000, 'W') + " ist dran!";
    }
    // A name is called as typed; too long for its label, it keeps its place and shows its beginning up to "…".
    void theMainWindowShowsANameAsTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, called);
        App a;
        auto* label = control<platform::Label>(&a.main, "Bezeichnung2");
        const QRect place = label->geometry();
        a.open();
        a.type("Text1", name);
        a.type("Text2", name);
        click(&a.setup(), "Bild33");
        click(&a.main, "Bild13");
        while (a.main.rollTimer().isActive()) a.main.rollTick();
        QCOMPARE(caption(&a.main, "Bezeichnung6"), called);
        QCOMPARE(label->geometry(), place);
        QCOMPARE(label->text(), name.size() < 10 ? name : name.left(label->text().size() - 1) + u'…');
    }

    // Fifty different pictures, each named in German; a slot is named by its player and the picture it holds.
    void theWindowNamesEveryPicture()
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
        QCOMPARE(names.size(), 50);
        QCOMPARE(images.size(), 50);
        a.drag(Input::Mouse, 30, "Text2");
        QCOMPARE(control(&a.setup(), "Bild1")->accessibleName(), QStringLiteral("Bild des ersten Spielers: Mädchen"));
        QCOMPARE(control(&a.setup(), "Bild2")->accessibleName(), QStringLiteral("Bild des zweiten Spielers: Auto"));
    }

    void onlyAGalleryPictureFillsASlot_data()
    {
        inputColumn();
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("carrying");
        QTest::addColumn<QString>("shown");
        byInput("on the slot", QByteArray("Bild2"), QStringLiteral("gallery"), QStringLiteral("Auto"));
        byInput("on the name box", QByteArray("Text2"), QStringLiteral("gallery"), QStringLiteral("Auto"));
        byInput("on a gallery picture", QByteArray("Bild3"), QStringLiteral("gallery"), QStringLiteral("Junge"));
        byInput("on a button", QByteArray("Bild33"), QStringLiteral("gallery"), QStringLiteral("Junge"));
        QTest::newRow("a slot's picture") << Input::Mouse << QByteArray("Bild2") << "slot" << QStringLiteral("Junge");
        QTest::newRow("text") << Input::Mouse << QByteArray("Bild2") << "text" << QStringLiteral("Junge");
    }
    // A gallery picture dropped on a slot or its player's name box fills that slot and leaves the name as typed;
    // nothing else poses as a picture, and nothing else takes one.
    void onlyAGalleryPictureFillsASlot()
    {
        QFETCH(QByteArray, target);
        QFETCH(QString, carrying);
        QFETCH(QString, shown);
        QFETCH(Input, input);
        App a;
        a.open();
        const platform::PictureDragData fromSlot(*control<PictureBox>(&a.setup(), "Bild1"));
        QMimeData text;
        text.setText(QStringLiteral("Auto"));
        if (carrying == "gallery")
            a.drag(input, 30, target);
        else
            a.drop(target, carrying == "slot" ? static_cast<const QMimeData*>(&fromSlot) : &text);
        QCOMPARE(a.title(&a.setup(), "Bild2"), shown);
        QCOMPARE(a.setup().name(1), QStringLiteral("Computer"));
    }
};

QTEST_MAIN(PlayersTest)
#include "test_players.moc"
