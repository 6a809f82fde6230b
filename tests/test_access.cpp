#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>

using platform::PictureBox;

namespace {

// What a screen reader finds in a window: every object below it that is not hidden, depth first.
void walk(QAccessibleInterface* parent, QSet<QObject*>& heard, QStringList& faults, const QString& window)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (!child || child->state().invisible) continue;
        heard.insert(child->object());
        // A label that shows nothing has nothing to say; frames and lines must not be heard at all.
        if (child->text(QAccessible::Name).isEmpty() && child->role() != QAccessible::StaticText)
            faults += window + '.' + child->object()->objectName() + " has no name";
        walk(child, heard, faults, window);
    }
}

bool answersClicks(QWidget* widget)
{
    if (auto* box = qobject_cast<PictureBox*>(widget)) return box->answersClicks();
    if (auto* label = qobject_cast<platform::Label*>(widget)) return label->answersClicks();
    return widget->cursor().shape() == Qt::PointingHandCursor;
}

void press(QWidget* widget, const QList<Qt::Key>& keys)
{
    for (Qt::Key key : keys) QTest::keyClick(widget, key);
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    // Walked as a screen reader walks them, every window names what a child can reach; whatever answers a click is
    // a named button its press action clicks; decoration is silent; the arrow number, dice and sign say what they show.
    void everyWindowSpeaksForWhatAChildCanReachAndPress()
    {
        TestProgram t;
        Program& p = t.program;
        QStringList faults;
        int buttons = 0;
        for (QWidget* window : QWidgetList{&p.contestWindow(), &p.playerWindow(), &p.worksheetWindow(), &p.infoWindow(),
                                           &p.memoryWindow(), &p.catchWindow()}) {
            window->show();
            QSet<QObject*> reached;
            walk(QAccessible::queryAccessibleInterface(window), reached, faults, window->objectName());
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->isVisible() || !answersClicks(control)) continue;
                QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control);
                if (!reached.contains(control) || button->role() != QAccessible::Button ||
                    button->text(QAccessible::Name).isEmpty() || !button->actionInterface() ||
                    !button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                    faults += window->objectName() + '.' + control->objectName() + " is no named button";
                ++buttons;
            }
            window->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(buttons, 9 + 2 + 8 + 2 + 19 + 3); // the menu, arrow number and die; 18 memory fields

        ContestWindow& main = p.contestWindow();
        main.show();
        const auto ear = [&](const char* n) { return QAccessible::queryAccessibleInterface(control(&main, n)); };
        ear("Bild21")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.dialogs.shown.size(), 1);
        QCOMPARE(t.dialogs.shown[0].title, QStringLiteral("Pelko-Morvelt: Hilfe"));
        click(&main, "Bild13");
        for (int tick = 0; tick < 10; ++tick) main.rollTick();
        sliderOf(&main)->setValue(57);
        QCOMPARE(ear("Bezeichnung3")->text(QAccessible::Name), QStringLiteral("Antwort bestätigen: 57"));
        QVERIFY(ear("Bild13")->text(QAccessible::Name).contains(QRegularExpression("^Würfel 1: [1-9]$")));
        QVERIFY(ear("Bild14")->text(QAccessible::Name).contains(QRegularExpression("^Rechenzeichen: (plus|minus)$")));
    }

    // Tab leads from the name boxes into the gallery, whose arrow keys move a frame up to the edges; 1 or Enter gives
    // the framed picture to player one, 2 to player two. Name boxes keep digits as text; Enter there takes the names.
    void theGalleryAnswersTheKeyboard()
    {
        TestProgram t;
        ContestWindow& main = t.program.contestWindow();
        main.show();
        click(&main, "Bild24");
        PlayerWindow& setup = t.program.playerWindow();
        QApplication::setActiveWindow(&setup);
        auto* first = control<QLineEdit>(&setup, "Text1");
        const auto shows = [&](const char* name) { return control<PictureBox>(&setup, name)->picture().title(); };
        QTest::keyClicks(first, "12");
        QCOMPARE(first->text() + shows("Bild1") + shows("Bild2"), QString("12MädchenJunge"));
        QWidget* gallery = control(&setup, "Galerie");
        const QImage unframed = setup.grab(gallery->geometry()).toImage();
        QTest::keyClick(first, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), gallery);
        QVERIFY(setup.grab(gallery->geometry()).toImage() != unframed);
        press(gallery, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_2});
        QCOMPARE(shows("Bild2"), shows("Bild24")); // row 2, column 1
        press(gallery, QList<Qt::Key>(12, Qt::Key_Right) + QList<Qt::Key>(6, Qt::Key_Down) + QList{Qt::Key_Return});
        QCOMPARE(shows("Bild1"), shows("Bild54")); // the last one
        press(gallery, {Qt::Key_Up, Qt::Key_1});
        QCOMPARE(std::pair(shows("Bild1"), setup.isVisible()), std::pair(shows("Bild44"), true));

        QTest::keyClick(control<QLineEdit>(&setup, "Text2"), Qt::Key_Return);
        QCOMPARE(std::pair(main.playerName(Side::Left), control<PictureBox>(&main, "Bild1")->picture().title()),
                 std::pair(QStringLiteral("12"), shows("Bild44")));
    }
};

QTEST_MAIN(AccessTest)
#include "test_access.moc"
