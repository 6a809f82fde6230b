#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

bool SystemClipboard::setText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    return clipboard->text() == text;
}

} // namespace platform
