#pragma once

#include "app/program.h"
#include "platform/controls.h"
#include "platform/services.h"

#include <QApplication>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>
#include <QtTest>

#include <deque>
#include <functional>

// Stand-ins for the platform services, so each test builds a fresh program.

// Records every box and answers from a script; without a scripted answer it presses OK, or No on a
// Yes/No box. `whileOpen` runs as if events arrived while the box is up: the timer-while-modal cases.
struct ScriptedDialogs final : platform::Dialogs {
    platform::MsgResult show(QWidget* parent, const platform::Message& message) override;
    QList<platform::Message> shown;
    std::deque<platform::MsgResult> answers;
    std::function<void(const platform::Message&)> whileOpen;
};

// Plays back scripted values, then a fixed sequence spread over [0, 1); records seeds.
struct ScriptedRandom final : platform::Random {
    void seed(double value) override { seeds.append(value); }
    double uniform() override;
    std::deque<double> values;
    QList<double> seeds;
    double next = 0.0;
};

struct FixedClock final : platform::Clock {
    double secondsSinceMidnight() const override { return seconds; }
    double seconds = 36000.25;
};

// Keeps each printed page; a job given another result records nothing.
struct RecordingPrinter final : platform::LinePrinter {
    platform::PrintResult endDoc() override;
    QList<QStringList> documents;
    platform::PrintResult result = platform::PrintResult::Printed;
};

// Keeps each text it is given, or refuses them all.
struct RecordingClipboard final : platform::Clipboard {
    bool setText(const QString& text) override
    {
        texts.append(text);
        return accepts;
    }
    QStringList texts;
    bool accepts = true;
};

// A whole program on fakes; other dialogs may stand in for the scripted ones.
// Records what is said; it can be made to fail.
struct RecordingSpeech final : platform::Speech {
    void say(const QString& text) override { said.append(text); }
    void stop() override {}
    bool speaking() const override { return busy; }
    bool possible() const override { return works; }
    QStringList said;
    bool busy = false;
    bool works = true;
};

struct TestProgram {
    explicit TestProgram(platform::Dialogs* boxes = nullptr);
    ScriptedDialogs dialogs;
    ScriptedRandom scripted;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    // The engine is built when reading aloud is switched on; `speech` points at it from then on.
    RecordingSpeech* speech = nullptr;
    bool speechMissing = false;
    int cannotSpeakCalls = 0;
    platform::Narrator narrator;
    int endCalls = 0;
    platform::Services services; // the fakes, as the program is given them
    Program program;
};

// The child widget of the given object name, or a test failure.
template <typename T = QWidget> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}
// The program's top-level windows of one kind, or only those on screen.
template <typename T = QWidget> QList<T*> windows(bool shown = false)
{
    QList<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(w); window && (!shown || w->isVisible())) found.append(window);
    return found;
}
QString caption(QWidget* window, const char* name);
// The main window's slider, which the arrow follows.
inline QScrollBar* sliderOf(QWidget* main) { return control<QScrollBar>(main, "HBildlauf1"); }

// The left mouse button on the control itself, or a finger on the screen that reaches the control under it through
// the window, where Qt makes mouse events of touches. Points are in the control's pixels; none is its middle.
enum class Input { Mouse, Touch };
// Rows for both: an "input" column first, then each row once by mouse and once " by touch".
inline void inputColumn() { QTest::addColumn<Input>("input"); }
template <typename... V> void byInput(const QString& name, const V&... values)
{
    for (Input input : {Input::Mouse, Input::Touch})
        ((QTest::newRow(qPrintable(name + (input == Input::Touch ? " by touch" : ""))) << input) << ... << values);
}
void click(Input input, QWidget* on, QPoint at = {});
void click(QWidget* window, const char* name, Input input = Input::Mouse);
// Pressed at `from`, moved there in steps, released at `to`; a drag it starts takes it to its drop.
void drag(Input input, QWidget* on, QPoint from, QPoint to);
// Lets windows closed through their title bar go, as the event loop would.
inline void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
// Every box shown, as "text|title|OK or YesNo|icon: '', ? or !|No first".
QStringList messages(const ScriptedDialogs& dialogs);
