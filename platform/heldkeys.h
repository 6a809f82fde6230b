#pragma once

#include <QObject>

namespace platform {

// A held key repeats only what goes by steps: the arrow and page keys (the slider, the catcher, the gallery's
// frame, a text cursor) and, in a text box, typing and deleting. Every other repeat is dropped, in every window
// and box, so a held Enter or Esc confirms once, answers one box and presses no button after it; a new press
// still counts. Watches the whole application while it lives.
class HeldKeys : public QObject {
public:
    explicit HeldKeys(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace platform
