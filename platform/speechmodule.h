#pragma once

#include "speech.h"

#include <memory>

namespace platform {

// The system's speech service, loaded on first use; null where the module or its libraries are missing.
std::unique_ptr<Speech> loadSystemSpeech();

} // namespace platform
