#pragma once

#include "platform/clock.h"
#include "platform/random.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
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
inline constexpr int kRanges = 10;

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

// The contest's whole state, owned by its rules. Sides are 0 for the left
// (first) player and 1 for the right (second) one.
struct ContestState {
    int rangeBase = 0;
    int diceCount = 1;
    bool gameStarted = false;
    // While a task waits, 2 means the first player answers and 1 the second.
    int turn = 1;
    int taskCount = 0;
    int operand = 0;
    int taskResult = 50;
    int rollFrame = 0;
    QString helpText;

    int sliderValue = 50;
    // The number the arrow points at; it follows the slider only while a game runs.
    int arrowValue = 50;
    std::optional<int> firstNumber;
    std::optional<int> shownAnswer;
    // The round the title names: the task now coming.
    int round = 1;
    // Whose turn the status line announces; none before a game.
    std::optional<int> announcedSide;
    std::array<QString, 2> names{QStringLiteral("Freund"), QStringLiteral("Computer")};
    std::array<int, 2> scores{};
    int winnerSide = -1;

    std::array<int, kDice> dieFace{}; // 0: the box is empty
    std::array<QColor, kDice> dieBack{QColor(Qt::white), QColor(Qt::white), QColor(Qt::white)};
    Sign sign = Sign::Plus;
    QColor signBack = QColor(224, 224, 224);
    bool rollTimerOn = false;

    bool rangeListShown = false;
    bool diceListShown = false;
    int rangeSelected = -1;
    int diceListFills = 0; // rises each time the list is filled afresh, which clears its selection
};

// The contest's rules, apart from any widget.
class Contest {
public:
    const ContestState& state() const { return s_; }

    // Start-up: one die, range 0 - 100, the start state.
    void load();
    void resetGame();
    bool dieShown(int die) const { return s_.diceCount >= die + 1; }
    // Where the arrow stands on the number line, in twips.
    int arrowX() const;

    // A click on any visible die.
    void startGame();
    // The slider's value changed, by key, click, drag or code.
    void moveSlider(int value);

    // A click on the arrow number, or Enter.
    Confirmation confirmAnswer();
    // The one-line form of the current task, as the error message repeats it.
    QString taskText() const;
    // The roll is cut short, as the memory reward does.
    void stopRoll();

    // One tick of the roll; true when it was the tenth, which ends the roll.
    bool rollTick(platform::Random& random, const platform::Clock& clock);
    // The end of a roll: the next task from the arrow, the range test, the turn.
    RollEnd nextTask(bool memoVisible);

    // The player window's names, exactly as typed.
    void setPlayerName(int side, const QString& name);

    // The menu's lists: each button opens its list or closes it again.
    void toggleDiceList();
    void toggleRangeList();
    void hideLists();
    void chooseRange(int index);
    void chooseDice(int index);

private:
    // Draws sign and dice from a freshly seeded generator, and sums the dice in play.
    Draw draw(platform::Random& random, const platform::Clock& clock);
    void showDraw(const Draw& draw);
    void endGame();
    void stopForSetting();

    ContestState s_;
};

// The number line's 101 ticks.
std::vector<ScaleTick> scaleTicks();
// The entries of the two lists.
QStringList rangeEntries();
QStringList diceEntries();

// The operating instructions shown by the help button from the first task on.
QString controlsHelp();
// The reward note shown by the help button until the first task.
QString rewardNote();
