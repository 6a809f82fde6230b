#pragma once

#include "memoryboard.h"

#include "platform/services.h"

#include "platform/windows.h"

#include <array>
#include <functional>

namespace platform {
class Label;
}

// The number memory reward game: eighteen fields to turn, two at a time.
class MemoryWindow : public platform::SideWindow {
    Q_OBJECT
public:
    explicit MemoryWindow(platform::Services& services);

    const MemoryBoard& board() const { return board_; }

private:
    void fieldClick(int field);
    void exitClick();
    void showResult();
    void endGame();
    void closedByTitleBar() override { endGame(); }
    // Runs one step of the game, shows what it did, and tells the result once the last pair is found.
    void step(const std::function<void()>& action);
    // Copies the board onto the fields and the hidden state labels.
    void render();

    platform::Services& services_;
    MemoryBoard board_;
    std::array<platform::Label*, MemoryBoard::kFields> fields_{}; // Bezeichnung1..18
    std::array<platform::Label*, 6> stateLabels_{};               // Bezeichnung20..25
};
