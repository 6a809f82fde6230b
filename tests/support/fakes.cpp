#include "fakes.h"

#include <QPointingDevice>
#include <QStyleHints>

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

// Step by step at once, so no timer fires between; a move that starts a drag leaves the rest to the drag's own loop.
void stroke(Input input, QWidget* on, const QList<QPoint>& points)
{
    // Taps as a child means them: each one alone, never half of a double-tap however quick the test.
    static QPointingDevice* const screen =
        (QGuiApplication::styleHints()->setMouseDoubleClickInterval(0), QTest::createTouchDevice());
    qsizetype done = 0;
    const auto next = [&] {
        const QPoint at = points[done];
        const bool first = done == 0, last = ++done == points.size();
        if (input == Input::Mouse) {
            const auto action = first ? QTest::MousePress : last ? QTest::MouseRelease : QTest::MouseMove;
            return QTest::mouseEvent(action, on, first || last ? Qt::LeftButton : Qt::NoButton, {}, at);
        }
        // In the window's own coordinates, which stay right while a move of the window waits in Qt's queue.
        const QPoint inWindow = on->mapTo(on->window(), at);
        auto finger = QTest::touchEvent(on->window()->windowHandle(), screen, false);
        (first  ? finger.press(0, inWindow)
         : last ? finger.release(0, inWindow)
                : finger.move(0, inWindow))
            .commit(false);
    };
    while (done < points.size()) {
        QObject step; // its end takes the rest back when no drag took it over
        QTimer::singleShot(0, &step, [&] {
            while (done < points.size()) next();
        });
        next();
    }
}

void click(Input input, QWidget* on, QPoint at)
{
    stroke(input, on, {at = at.isNull() ? on->rect().center() : at, at});
}

void drag(Input input, QWidget* on, QPoint from, QPoint to)
{
    stroke(input, on, {from, from + (to - from) / 4, from + (to - from) / 2, from + (to - from) * 3 / 4, to, to});
}

void click(QWidget* window, const char* name, Input input) { click(input, control(window, name)); }

QStringList messages(const ScriptedDialogs& dialogs)
{
    QStringList all;
    for (const platform::Message& m : dialogs.shown)
        all += QStringList({m.text, m.title, m.buttons == platform::MsgButtons::Ok ? "OK" : "YesNo",
                            QStringList{"", "?", "!"}[int(m.icon)], m.defaultNo ? "No first" : ""})
                   .join('|');
    return all;
}
