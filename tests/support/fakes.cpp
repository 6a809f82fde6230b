#include "fakes.h"

#include <cmath>

platform::MsgResult ScriptedDialogs::show(QWidget*, const platform::Message& message)
{
    shown.append(message);
    if (whileOpen) whileOpen(message);
    if (answers.empty())
        return message.buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::No;
    const platform::MsgResult answer = answers.front();
    answers.pop_front();
    return answer;
}

double ScriptedRandom::uniform()
{
    if (values.empty()) return next = std::fmod(next + 0.6180339887, 1.0);
    const double value = values.front();
    values.pop_front();
    return value;
}

platform::PrintResult RecordingPrinter::endDoc()
{
    const QStringList page = takeLines();
    if (result == platform::PrintResult::Printed) documents.append(page);
    return result;
}

TestProgram::TestProgram(platform::Dialogs* boxes)
    : narrator(
          [this]() -> std::unique_ptr<platform::Speech> {
              if (speechMissing) return nullptr;
              auto engine = std::make_unique<RecordingSpeech>();
              speech = engine.get();
              return engine;
          },
          [this] { ++cannotSpeakCalls; }),
      services{boxes ? *boxes : dialogs, scripted, clock, printer, clipboard, narrator, [this] { ++endCalls; }}, program(services)
{}

QString caption(QWidget* window, const char* name) { return control<platform::Label>(window, name)->caption(); }

void click(QWidget* window, const char* name) { QTest::mouseClick(control(window, name), Qt::LeftButton); }

QStringList messages(const ScriptedDialogs& dialogs)
{
    QStringList all;
    for (const platform::Message& m : dialogs.shown)
        all += QStringList({m.text, m.title, m.buttons == platform::MsgButtons::Ok ? "OK" : "YesNo",
                            QStringList{"", "?", "!"}[int(m.icon)], m.defaultNo ? "No first" : ""})
                   .join('|');
    return all;
}
