#pragma once

class QCoreApplication;

namespace platform {

// The program speaks German whatever the desktop's language: Qt's own texts (the context menus of
// text boxes, shortcut names) come from Qt's German catalogue, and numbers follow German habits.
// Returns false when the catalogue is not installed; Qt's texts then stay English.
bool speakGerman(QCoreApplication& app);

} // namespace platform
