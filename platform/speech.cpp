#include "speech.h"

#include "dialogs.h"

#include <QRegularExpression>

namespace platform {

Narrator::Narrator(Engine engine, std::function<void()> cannotSpeak)
    : makeEngine_(std::move(engine)), cannotSpeak_(std::move(cannotSpeak))
{}

Narrator::~Narrator() = default;

void Narrator::setOn(bool on)
{
    if (on_ == on) return;
    if (!on && engine_) engine_->stop();
    on_ = on && usable();
}

bool Narrator::usable()
{
    if (!built_) {
        built_ = true;
        engine_ = makeEngine_ ? makeEngine_() : nullptr;
    }
    if (engine_ && engine_->possible()) return true;
    // One message in a run, however often it is tried again.
    if (!std::exchange(told_, true) && cannotSpeak_) cannotSpeak_();
    return false;
}

void Narrator::say(const QString& text, Kind kind)
{
    if (!on_ || text.trimmed().isEmpty()) return;
    if (!engine_->possible()) {
        // The engine failed while speaking: the game goes on silently.
        on_ = false;
        usable();
        return;
    }
    if (kind == Kind::Aside && lastKind_ == Kind::Box && engine_->speaking()) return;
    last_ = text;
    lastKind_ = kind;
    engine_->say(text);
}

void Narrator::repeat()
{
    if (!last_.isEmpty()) say(last_, lastKind_);
}

SpeakingDialogs::SpeakingDialogs(Dialogs& boxes, Narrator& narrator) : boxes_(boxes), narrator_(narrator) {}

MsgResult SpeakingDialogs::show(QWidget* parent, const Message& message)
{
    // A title is read only where it tells something: who has won, or that an answer was wrong.
    static const QRegularExpression spacedOut(QStringLiteral("^\\w( \\w)+$"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    const bool titleTells = message.title.endsWith(u'!') || spacedOut.match(message.title).hasMatch();
    const QString text = spokenText((titleTells ? message.title + u'\n' : QString()) + message.text);
    QMetaObject::invokeMethod(
        this, [this, text] { narrator_.say(text, Narrator::Kind::Box); }, Qt::QueuedConnection);
    return boxes_.show(parent, message);
}

QString spokenText(const QString& shown)
{
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    // Letters spaced out for the look are read as the word they spell.
    static const QRegularExpression spaced(QStringLiteral("\\b(\\w(?: \\w){2,})\\b"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    for (QRegularExpressionMatch m = spaced.match(text); m.hasMatch(); m = spaced.match(text, m.capturedStart() + 1))
        text.replace(m.capturedStart(), m.capturedLength(), m.captured(1).remove(u' '));
    static const QRegularExpression plus(QStringLiteral("\\s\\+\\s")), minus(QStringLiteral("\\s-\\s"));
    text.replace(plus, QStringLiteral(" plus ")).replace(minus, QStringLiteral(" minus "));
    // The blank a task leaves for its answer, and dots that only trail off, are not read.
    static const QRegularExpression drawn(QStringLiteral("=?\\s*_{2,}|\\.{2,}"));
    text.replace(drawn, QString());
    text.replace(QStringLiteral(" = "), QStringLiteral(" gleich "));
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.simplified();
        if (trimmed.isEmpty()) continue;
        const QChar end = trimmed.back();
        lines += end.isLetterOrNumber() ? trimmed + u'.' : trimmed;
    }
    return lines.join(u' ');
}

} // namespace platform
