#pragma once

#include "memoryboard.h"

#include <QWidget>

#include <array>

class Program;

namespace platform {
class Label;
}

// The number memory reward game: eighteen fields to turn, two at a time.
class MemoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit MemoryWindow(Program& program);

    MemoryBoard& board() { return board_; }

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

    Program& program_;
    MemoryBoard board_;
    std::array<platform::Label*, MemoryBoard::kFields> fields_{}; // Bezeichnung1..18
    std::array<platform::Label*, 6> stateLabels_{};               // Bezeichnung20..25
};
