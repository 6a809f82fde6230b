#pragma once

#include "memoryboard.h"

#include "contest/modul1.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

namespace platform {
class Label;
}

// The number memory reward game: eighteen fields to turn, two at a time.
class MemoryWindow : public QWidget {
    Q_OBJECT
public:
    MemoryWindow(Modul1& vars, platform::Services& services);

    MemoryBoard& board() { return board_; }

signals:
    // The game is over, however it was left: the main window is to come back.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFields();
    void buildStateLabels();

    void fieldClick(int field);
    void exitClick();
    void ShowResult();
    void EndGame();
    // Copies the board onto the fields and the hidden state labels.
    void render();

    platform::Services& services_;
    MemoryBoard board_;
    std::array<platform::Label*, MemoryBoard::kFields> fields_{}; // Bezeichnung1..18
    std::array<platform::Label*, 6> stateLabels_{};               // Bezeichnung20..25
};
