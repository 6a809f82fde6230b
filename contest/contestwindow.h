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

    const Contest& contest() const { return contest_; }
    const QTimer& rollTimer() const { return rollTimer_; }

    // The players' names and pictures.
    QString playerName(Side side) const { return contest_.state().names[side]; }
    void setPlayer(Side side, const QString& name, const platform::Picture& picture);

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
    void load();
    void activate() override;
    bool keyDown(int key);
    void startGame();
    void confirmAnswer();
    // Reading aloud: whose turn it is and the task.
    void sayTask();
    void askToQuit();
    void showHelp();
    void toggleDiceList();
    void toggleRangeList();
    void chooseDice(int row);
    void chooseRange(int row);
    void openOnWish(void (ContestWindow::*wish)());
    void hideLists();
    void focusSlider();
    platform::MsgResult message(const platform::Message& message);

    // Acts on the rules, shows what they say and reacts to what came of it.
    template <typename Action> void step(Action action);
    void react(Outcome outcome);
    // Copies the contest's state onto the controls.
    void render();

    platform::Services& services_;
    std::function<bool()> memoVisible_;
    Contest contest_;

    platform::Label* firstNumber_ = nullptr;  // Bezeichnung7
    platform::Label* answer_ = nullptr;       // Bezeichnung8
    platform::PictureBox* signBox_ = nullptr; // Bild14
    std::array<platform::PictureBox*, kDice> dieBoxes_{};
    std::array<platform::Shape*, kDice> dieFrames_{};
    PerSide<platform::Label*> names_{};        // Bezeichnung1, Bezeichnung2
    PerSide<platform::PictureBox*> avatars_{}; // Bild1, Bild2
    PerSide<platform::Label*> scores_{};       // Bezeichnung10, Bezeichnung11
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
    std::vector<ScaleTick> scale_;
    QTimer rollTimer_{this}; // Zeit1
    QTimer sliderRest_;
};
