#pragma once

#include "modul1.h"

#include "platform/clock.h"
#include "platform/random.h"

#include <QColor>
#include <QStringList>

#include <array>
#include <vector>

// One tick of the number line's scale, in twips, coloured by palette index.
struct ScaleTick {
    int x;
    int yFrom;
    int yTo;
    int colorIndex;
};

enum class Sign { None, Plus, Minus };

// Dice are numbered as the game counts them: die 1 sits in the middle,
// die 2 on the right and die 3 on the left.
inline constexpr int kDice = 3;

// What a confirmation of the arrow number came to.
enum class Confirmation {
    Ignored,    // no game runs
    Wrong,      // the error message repeats the task
    Correct,    // the roll runs
    CorrectDue, // the roll runs, and a memory game is due
};

// How a roll ended.
enum class RollEnd {
    Skipped,  // the memory game is on screen
    Stands,   // the next task waits for its answer
    GameOver, // the result would reach an end of the range: a winner
};

// The four numbers each roll tick draws.
struct Draw {
    Sign sign;
    std::array<int, kDice> faces;
};

// Everything the main window shows; the window copies it onto its controls.
struct ContestView {
    QString title = QStringLiteral("Pelko-Morvelt (Runde 1)");
    QString arrowNumber = QStringLiteral("50");
    int arrowNumberLeft = 4680;
    int arrowPictureLeft = 4920;
    int sliderValue = 50;
    QString status = QStringLiteral("Klicke zum Start auf einen Würfel.");
    QString firstNumber;
    QString answer;
    QString rangeLow = QStringLiteral("0");
    QString rangeHigh = QStringLiteral("100");
    QString leftName = QStringLiteral("Freund");
    QString rightName = QStringLiteral("Computer");
    QString leftScore = QStringLiteral("0");
    QString rightScore = QStringLiteral("0");
    std::array<bool, kDice> dieShown{true, true, true};
    std::array<int, kDice> dieFace{}; // 0: the box is empty
    std::array<QColor, kDice> dieBack{QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)};
    Sign sign = Sign::Plus;
    QColor signBack = QColor(224, 224, 224);
    bool rangeListShown = false;
    bool diceListShown = false;
    QStringList rangeEntries;
    int rangeSelected = -1;
    QStringList diceEntries;
    int diceListFills = 0; // rises each time the list is filled afresh, which clears its selection
    bool rollTimerOn = false;
    std::vector<ScaleTick> scale;
};

// The contest's rules, apart from any widget: each step changes the shared
// variables and what the window is to show.
class Contest {
public:
    explicit Contest(Modul1& vars);

    const ContestView& view() const { return view_; }

    // Start-up after the window is placed: scale, range list, one die, start state.
    void formLoad();
    void drawScale();
    void fillRangeList();
    void showDice();
    void hideLists();
    void resetGame();

    // A click on any visible die.
    void startDieClick();
    // The slider's value changed, by key, click, drag or code.
    void sliderChange(int value);

    // A click on the arrow number, or Enter.
    Confirmation confirm();
    // The one-line form of the current task, as the error message repeats it.
    QString taskText() const;
    // The roll is cut short, as the memory reward does.
    void stopRoll();

    // One tick of the roll; true when it was the tenth, which ends the roll.
    bool rollTick(platform::Random& random, const platform::Clock& clock);
    // Draws sign and dice from a freshly seeded generator, and sums the dice in play.
    Draw draw(platform::Random& random, const platform::Clock& clock);
    // The end of a roll: the next task from the arrow number, the range test, the turn.
    RollEnd nextTask(bool memoVisible);
    // The name of the player who won the game that nextTask just ended; that player's score has risen.
    QString winner() const { return winner_; }

    // The player window's names, exactly as typed; the next announcement uses them.
    void setPlayerName(int side, const QString& name);

    // The menu's lists: each button opens its list or closes it again.
    void diceListButton();
    void rangeListButton();
    void rangeChosen(int index);
    void diceChosen(int index);

private:
    void placeArrow(int sliderValue);
    void showDraw(const Draw& draw);
    void endGame();

    Modul1& vars_;
    ContestView view_;
    QString winner_;
};

// The operating instructions shown by the help button from the first task on.
QString controlsHelp();

// The reward note shown by the help button until the first task.
QString rewardNote();
