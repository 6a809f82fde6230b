#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SystemClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

} // namespace platform
