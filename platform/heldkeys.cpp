#include "heldkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

namespace {

bool repeats(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: break;
    }
    // The window gets each key before its focused control does: what counts is where the key goes.
    if (!qobject_cast<const QLineEdit*>(QGuiApplication::focusObject())) return false;
    const bool deletes = key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
    return deletes || (!key.text().isEmpty() && key.text().front().isPrint());
}

} // namespace

HeldKeys::HeldKeys(QObject* parent) : QObject(parent) { QGuiApplication::instance()->installEventFilter(this); }

bool HeldKeys::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!key->isAutoRepeat() || repeats(*key)) return false;
    // Taken here, the repeat reaches no control and, its shortcut overridden, no shortcut either.
    event->accept();
    return true;
}

} // namespace platform
