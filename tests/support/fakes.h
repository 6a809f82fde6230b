#pragma once

#include "app/program.h"
#include "platform/services.h"

#include <QList>
#include <QWidget>
#include <QStringList>

#include <deque>
#include <functional>

// Stand-ins for the platform services, so each test builds a fresh program.

// Records every box and answers from a script; without a scripted answer it
// presses OK, or No on a Yes/No box. `whileOpen` runs as if events arrived
// while the box is up, which is how timer-while-modal cases are tested.
class ScriptedDialogs final : public platform::Dialogs {
public:
    platform::MsgResult show(QWidget* parent, const platform::Message& message) override;

    QList<platform::Message> shown;
    std::deque<platform::MsgResult> answers;
    std::function<void(const platform::Message&)> whileOpen;
};

// Plays back scripted values, then a fixed linear sequence; records seeds.
class ScriptedRandom final : public platform::Random {
public:
    void seed(double value) override { seeds.append(value); }
    double Rnd() override;

    std::deque<double> values;
    QList<double> seeds;
    double step = 0.6180339887;

private:
    double next_ = 0.0;
};

class FixedClock final : public platform::Clock {
public:
    double Timer() const override { return seconds; }
    double seconds = 36000.25;
};

class RecordingPrinter final : public platform::LinePrinter {
public:
    platform::PrintResult endDoc() override;
    QList<QStringList> documents;
    // What the next jobs report; a job that fails records nothing.
    platform::PrintResult result = platform::PrintResult::Printed;
};

class RecordingClipboard final : public platform::Clipboard {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

// A whole program on fakes.
struct TestProgram {
    TestProgram();

    ScriptedDialogs dialogs;
    ScriptedRandom scripted;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    int endCalls = 0;
    Program program;
};

// The child widget of the given object name, or a test failure.
template <typename T> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}
