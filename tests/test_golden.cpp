#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "support/fakes.h"
#include "worksheets/worksheetwindow.h"

#include <QListWidget>
#include <QScreen>
#include <QScrollBar>

using namespace platform;

// Each window's design values in a step, as text: tests/golden/<window>-<step>.txt holds what it must read.
// PELKO_GOLDEN=write writes the files afresh instead.
namespace {

QString esc(QString text) { return '"' + text.replace('\r', "\\r").replace('\n', "\\n") + '"'; }
QString hex(const QColor& colour) { return colour.isValid() ? colour.name() : "none"; }
QString xy(QPoint p) { return QString::number(p.x()) + ',' + QString::number(p.y()); }

// The font and colours asked for, never what the machine's fonts and theme made of them.
QString look(const QWidget* w)
{
    const QFont f = w->font();
    QString s = " font=" + f.families().join('/') + ' ' +
                (f.pixelSize() > 0 ? QString::number(f.pixelSize()) + "px" : QString::number(f.pointSizeF()) + "pt") +
                (f.bold() ? " bold" : "") + (f.italic() ? " italic" : "");
    for (auto [role, key] : {std::pair{QPalette::Window, " back="}, std::pair{QPalette::WindowText, " fore="},
                             std::pair{QPalette::Base, " base="}, std::pair{QPalette::Text, " text="}})
        if (w->palette().isBrushSet(QPalette::Active, role)) s += key + w->palette().color(role).name();
    return s + (w->autoFillBackground() ? " filled" : "");
}

// A control by its Qt class, so that the program's own classes may be renamed; Qt's properties are read by
// name, and those a control lacks are left out.
QStringList describe(QWidget* window, QWidget* w)
{
    const QMetaObject* qt = w->metaObject();
    while (qt->className()[0] != 'Q') qt = qt->superClass();
    QString s = w->objectName() + ' ' + qt->className() + ' ' + xy(w->mapTo(window, QPoint())) +
                QString(" %1x%2").arg(w->width()).arg(w->height()) + look(w);
    s += w->isVisibleTo(window) ? " shown" : " hidden";
    for (const char* name : {"text", "alignment", "checked", "minimum", "maximum", "value", "singleStep", "pageStep",
                             "accessibleName", "toolTip", "accessibleDescription"})
        if (const QString value = w->property(name).toString(); !value.isEmpty())
            s += QString(" %1=").arg(name) + esc(value);
    if (auto* p = qobject_cast<PictureBox*>(w)) {
        s += " picture=" + esc(p->picture().title()) + " back=" + hex(p->backColor());
        for (const auto& text : p->printedText()) s += " @" + xy(text.twipsPos) + ':' + esc(text.text);
    }
    if (auto* shape = qobject_cast<Shape*>(w)) s += " fill=" + hex(shape->fillColor());
    QStringList lines{s};
    if (auto* list = qobject_cast<QListWidget*>(w))
        for (int row = 0; row < list->count(); ++row)
            lines += QString("  %1[%2]%3 ").arg(w->objectName()).arg(row).arg(row == list->currentRow() ? '*' : ' ') +
                     esc(list->item(row)->text());
    return lines;
}

struct Golden {
    TestProgram t;
    ContestWindow& main = t.program.contestWindow();
    qsizetype boxesSeen = 0;

    // Where the window stands on its screen, its controls in stacking order, its timers, and the boxes shown since
    // the last step.
    QStringList snapshot(QWidget* window)
    {
        const QPoint place = window->geometry().topLeft() - window->screen()->availableGeometry().topLeft();
        QStringList lines{"window " + esc(window->windowTitle()) + " at " + xy(place) +
                          " flags=" + QString::number(uint(window->windowFlags()), 16) +
                          (window->testAttribute(Qt::WA_DeleteOnClose) ? " deleteOnClose" : "")};
        for (QWidget* w : QList<QWidget*>{window} + window->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) lines += describe(window, w);
        QList<QTimer*> timers = window->findChildren<QTimer*>();
        for (QTimer* timer : timers)
            if (!timer->objectName().isEmpty())
                lines += QString("timer %1 %2ms ").arg(timer->objectName()).arg(timer->interval()) +
                         QStringList{"precise", "coarse", "verycoarse"}[timer->timerType()] +
                         (timer->isActive() ? " active" : " stopped");
        for (const QString& box : messages(t.dialogs).mid(boxesSeen)) lines += "box " + esc(box);
        boxesSeen = t.dialogs.shown.size();
        return lines;
    }

    // Clicks the control, if one is named, then compares the window with its file.
    void check(QWidget* window, const char* step, const char* clicked = nullptr)
    {
        if (clicked) click(window, clicked);
        const QString file = window->objectName() + '-' + step + ".txt";
        const QStringList actual = snapshot(window);
        QFile golden(QStringLiteral(PELKO_GOLDEN_DIR "/") + file);
        if (qgetenv("PELKO_GOLDEN") == "write") {
            QVERIFY(golden.open(QIODevice::WriteOnly | QIODevice::Truncate));
            golden.write((actual.join('\n') + '\n').toUtf8());
            return;
        }
        QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName() + " is missing: make golden"));
        const QStringList expected = QString::fromUtf8(golden.readAll()).split('\n', Qt::SkipEmptyParts);
        if (actual == expected) return;
        qWarning("--- tests/golden/%s (expected)\n+++ this build (actual)", qPrintable(file));
        for (int i = 0; i < expected.size(); ++i)
            if (!actual.contains(expected[i])) qWarning("-%d: %s", i + 1, qPrintable(expected[i]));
        for (int i = 0; i < actual.size(); ++i)
            if (!expected.contains(actual[i])) qWarning("+%d: %s", i + 1, qPrintable(actual[i]));
        // Lines that only moved show here alone.
        const auto [want, got] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
        QFAIL(qPrintable(QString("%1 differs from line %2 on: expected %3, actual %4")
                             .arg(file)
                             .arg(want - expected.begin() + 1)
                             .arg(want == expected.end() ? "its end" : *want, got == actual.end() ? "its end" : *got)));
    }

    // A roll ends at its tenth tick, which sets the next task.
    void roll()
    {
        for (int tick = 0; tick < 10 && main.rollTimer().isActive(); ++tick) main.rollTick();
    }
    void answer(bool right)
    {
        const int value = main.contest().state().taskResult - main.contest().state().rangeBase;
        sliderOf(&main)->setValue(right ? value : value == 0);
        click(&main, "Bezeichnung3");
    }
};

} // namespace

class GoldenTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindow()
    {
        Golden g;
        g.main.show();
        g.check(&g.main, "start");
        g.check(&g.main, "started", "Bild13");
        g.roll();
        g.answer(false);
        g.check(&g.main, "wrong");
        g.answer(true);
        g.roll();
        g.check(&g.main, "correct");
        g.check(&g.main, "ranges", "Bild23");
        click(&g.main, "Bild23");
        g.check(&g.main, "dice", "Bild22");
        click(&g.main, "Bild22");
        g.check(&g.main, "help", "Bild21");
        g.check(&g.main, "quit", "Bild20");
    }

    void rewardWindows()
    {
        Golden g;
        g.main.show();
        MemoryWindow& memo = g.t.program.memoryWindow();
        switchWindow(&g.main, &memo);
        g.check(&memo, "start");
        click(&memo, "Bezeichnung1");
        g.check(&memo, "two", "Bezeichnung2");
        CatchWindow& fang = g.t.program.catchWindow();
        switchWindow(&memo, &fang);
        g.check(&fang, "shown");
        g.check(&fang, "started", "Bild5");
        for (int tick = 0; tick < 3; ++tick) fang.clockTick();
        g.check(&fang, "ticks");
    }

    void sideWindows()
    {
        Golden g;
        g.main.show();
        click(&g.main, "Bild24");
        PlayerWindow& players = g.t.program.playerWindow();
        g.check(&players, "shown");
        click(&players, "Bild34");
        click(&g.main, "Bild26");
        WorksheetWindow& sheets = g.t.program.worksheetWindow();
        g.check(&sheets, "shown");
        g.check(&sheets, "newsheet", "Bild2");
        g.check(&sheets, "locked", "Bild5");
        click(&sheets, "Bild1");
        click(&g.main, "Bild25");
        g.check(&g.t.program.infoWindow(), "shown");
    }
};

QTEST_MAIN(GoldenTest)
#include "test_golden.moc"
