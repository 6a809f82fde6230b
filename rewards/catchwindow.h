#pragma once

#include "catchgame.h"

#include "platform/services.h"

#include "platform/windows.h"

#include <functional>

class QScrollBar;
class QTimer;

namespace platform {
class Label;
class PictureBox;
} // namespace platform

// The number catching reward game: the field, the clock with its speed slider
// and the row of caught, next and remaining digits.
class CatchWindow : public platform::SideWindow {
    Q_OBJECT
public:
    explicit CatchWindow(platform::Services& services);

    const CatchGame& game() const { return game_; }
    // One second of the clock.
    void clockTick();

private:
    // Copies the game's state onto the controls.
    void render();
    void load();
    void activate() override;
    bool keyDown(int key);
    // An arrow key or a swipe across the field.
    void moveCatcher(CatchMove way);
    bool swipe(QPoint from, QPoint to);
    void startOrScatter();
    void speedChange(int value);
    void exitClick();
    void helpClick();
    // Runs one step of the game, shows what it did, and tells the result once it is won.
    void step(const std::function<void()>& action);
    void showResult();
    void endGame();
    void closedByTitleBar() override { endGame(); }
    void printField();

    platform::Services& services_;
    CatchGame game_;

    platform::Label* seconds_ = nullptr;    // Bezeichnung6
    QScrollBar* slider_ = nullptr;          // HBildlauf1
    platform::Label* period_ = nullptr;     // Bezeichnung9
    platform::PictureBox* field_ = nullptr; // Bild5
    platform::Label* catcher_ = nullptr;    // Bezeichnung8
    platform::Label* caught_ = nullptr;     // Bezeichnung4
    platform::Label* next_ = nullptr;       // Bezeichnung3
    platform::Label* rest_ = nullptr;       // Bezeichnung5
    QTimer* clock_ = nullptr;               // Zeit1
};
