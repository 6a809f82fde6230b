#include "fakes.h"

platform::MsgResult ScriptedDialogs::show(QWidget*, const platform::Message& message)
{
    shown.append(message);
    if (whileOpen) whileOpen(message);
    if (!answers.empty()) {
        const platform::MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::No;
}

double ScriptedRandom::Rnd()
{
    if (!values.empty()) {
        const double value = values.front();
        values.pop_front();
        return value;
    }
    next_ += step;
    next_ -= static_cast<int>(next_);
    return next_;
}

platform::PrintResult RecordingPrinter::endDoc()
{
    const QStringList page = takeLines();
    if (result == platform::PrintResult::Printed) documents.append(page);
    return result;
}

TestProgram::TestProgram()
    : program(platform::Services{dialogs, scripted, clock, printer, clipboard, [this] { ++endCalls; }})
{}
