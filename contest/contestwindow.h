#pragma once

#include "contest.h"

#include "platform/picture.h"
#include "platform/services.h"
#include "platform/windows.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QListWidget;
class QScrollBar;

namespace platform {
class Label;
class PictureBox;
class Shape;
} // namespace platform

// The main window: the number line, the task row, the slider and the menu bar.
class ContestWindow : public platform::Window {
    Q_OBJECT
public:
    // memoVisible tells whether the memory game is on screen, which holds the next task back.
    ContestWindow(platform::Services& services, std::function<bool()> memoVisible);

    Contest& contest() { return contest_; }
    // Copies the contest's state onto the controls.
    void render();

    QScrollBar* slider() const { return slider_; }

    // The players' names and pictures; side 0 is the left player, side 1 the right.
    QString playerName(int side) const;
    void setPlayer(int side, const QString& name, const platform::Picture& picture);
    QTimer& rollTimer() { return rollTimer_; }

    void rollTick();

signals:
    // Every third correct answer: the memory game is to replace this window.
    void memoryRewardDue();
    // A game was won: the catching game is to replace this window.
    void gameWon();
    // The menu asks for the player, worksheet or info window; only while no roll runs.
    void playersWanted();
    void worksheetsWanted();
    void infoWanted();
    // The quit question was answered Yes, or the window was closed.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTaskRow();
    void buildPlayingArea();
    void buildMenuBar();
    void buildTemplates();

    void load();
    void activate() override;
    bool keyDown(int key);
    void startGame();
    void confirmAnswer();
    void nextTask();
    void askToQuit();
    void showHelp();
    void openOnWish(void (ContestWindow::*wish)());
    void focusSlider();
    platform::MsgResult message(const platform::Message& message);

    platform::Services& services_;
    std::function<bool()> memoVisible_;
    Contest contest_;

    platform::Label* firstNumber_ = nullptr;  // Bezeichnung7
    platform::Label* answer_ = nullptr;       // Bezeichnung8
    platform::PictureBox* signBox_ = nullptr; // Bild14
    std::array<platform::PictureBox*, kDice> dieBoxes_{};
    std::array<platform::Shape*, kDice> dieFrames_{};
    platform::Label* leftName_ = nullptr;
    platform::Label* rightName_ = nullptr;
    std::array<platform::PictureBox*, 2> avatars_{}; // Bild1, Bild2
    platform::Label* leftScore_ = nullptr;
    platform::Label* rightScore_ = nullptr;
    platform::Label* rangeLow_ = nullptr;
    platform::Label* rangeHigh_ = nullptr;
    platform::PictureBox* arrow_ = nullptr;  // Bild3
    platform::Label* arrowNumber_ = nullptr; // Bezeichnung3
    QScrollBar* slider_ = nullptr;           // HBildlauf1
    platform::Label* status_ = nullptr;      // Bezeichnung6
    QListWidget* rangeList_ = nullptr;       // Liste1
    QListWidget* diceList_ = nullptr;        // Liste2
    std::array<platform::PictureBox*, 9> faceTemplates_{};
    platform::PictureBox* plusTemplate_ = nullptr;
    platform::PictureBox* minusTemplate_ = nullptr;
    int diceListFills_ = 0;
    std::vector<ScaleTick> scale_;
    QTimer rollTimer_; // Zeit1
};
