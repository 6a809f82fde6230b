#pragma once

#include "platform/windows.h"

class QCheckBox;

namespace platform {
class Label;
}

// The program info window. Its check box is the printer lock, the program's one setting:
// it lives exactly as long as this window, and a new window starts locked.
class InfoWindow : public platform::SideWindow {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);

    bool printingLocked() const;

private:
    void activate() override;

    platform::Label* notice_ = nullptr; // Bezeichnung6
    platform::Label* author_ = nullptr; // Bezeichnung7
    QCheckBox* lock_ = nullptr;         // Kontroll1
};
