#pragma once

#include "dialogs.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// A speech engine that says one text at a time, without blocking: say() returns at once.
class Speech {
public:
    virtual ~Speech() = default;
    // Says the text, cutting off what is being said.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    virtual bool speaking() const = 0;
    // Whether anything can be heard: an engine runs and has a German voice, and has not failed since.
    virtual bool possible() const = 0;
};

// What the windows tell the children aloud. Silent until reading aloud is switched on; nothing is stored.
// Only the newest text is said: a new one cuts off the one being said, except that a box's text is
// never cut by an aside such as the slider's number.
class Narrator {
public:
    enum class Kind { Plain, Box, Aside };
    using Engine = std::function<std::unique_ptr<Speech>()>;

    // `engine` is built the first time reading aloud is switched on; `cannotSpeak` tells the children,
    // once in a run, that nothing can be heard.
    Narrator(Engine engine, std::function<void()> cannotSpeak);
    ~Narrator();

    bool on() const { return on_; }
    void setOn(bool on);
    void say(const QString& text, Kind kind = Kind::Plain);
    // Says the last text again.
    void repeat();

private:
    bool usable();

    Engine makeEngine_;
    std::function<void()> cannotSpeak_;
    std::unique_ptr<Speech> engine_;
    bool on_ = false;
    bool built_ = false;
    bool told_ = false;
    QString last_;
    Kind lastKind_ = Kind::Plain;
};

// Reads every message box aloud as it opens: asked for from the box's own event loop, so that a box opened
// by a timer's tick is not read inside the tick.
class SpeakingDialogs final : public QObject, public Dialogs {
public:
    SpeakingDialogs(Dialogs& boxes, Narrator& narrator);
    MsgResult show(QWidget* parent, const Message& message) override;

private:
    Dialogs& boxes_;
    Narrator& narrator_;
};

// A shown text as it is read aloud: line breaks become pauses, a spaced-out word ("F e h l e r") one
// word, the signs of a task words; dots and underscores that only draw are left out.
QString spokenText(const QString& shown);

} // namespace platform
