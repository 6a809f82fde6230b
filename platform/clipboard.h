#pragma once

#include <QString>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Whether the clipboard took the text: without an owner of the clipboard it may not.
    virtual bool setText(const QString& text) = 0;
};

class SystemClipboard final : public Clipboard {
public:
    bool setText(const QString& text) override;
};

} // namespace platform
