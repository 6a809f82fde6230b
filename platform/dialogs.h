#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Question, Critical };
enum class MsgResult { Ok, Yes, No };

struct Message {
    QString text; // may hold carriage returns, shown as line breaks
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool defaultNo = false;
};

// Every message of the program is a modal box; the box's own event loop keeps
// the program's timers ticking while it is open.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult show(QWidget* parent, const Message& message) = 0;
};

class QtDialogs final : public Dialogs {
public:
    MsgResult show(QWidget* parent, const Message& message) override;
};

// Carriage returns (alone or before a line feed) become line feeds.
QString displayText(const QString& text);

} // namespace platform
