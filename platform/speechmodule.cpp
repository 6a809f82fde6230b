#include "speechmodule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace platform {

std::unique_ptr<Speech> loadSystemSpeech()
{
    using Create = Speech* (*)();
    // Beside the program in a build, where it is installed otherwise.
    const QStringList places = {QCoreApplication::applicationDirPath() + QStringLiteral("/pelko-speech"),
                                QStringLiteral(PELKO_MODULE_DIR "/pelko-speech")};
    for (const QString& place : places) {
        QLibrary module(place);
        // The module stays loaded for the run: the engine it made lives on.
        if (auto create = reinterpret_cast<Create>(module.resolve("pelkoCreateSpeech")))
            return std::unique_ptr<Speech>(create());
    }
    return nullptr;
}

} // namespace platform
