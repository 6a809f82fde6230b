#pragma once

#include "platform/clock.h"
#include "platform/random.h"

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

// The left player plays first, the right one second.
enum class Side { Left, Right };
inline constexpr Side other(Side side) { return side == Side::Left ? Side::Right : Side::Left; }

// One value for each player.
template <typename T> struct PerSide {
    std::array<T, 2> values;
    T& operator[](Side side) { return values[static_cast<std::size_t>(side)]; }
    const T& operator[](Side side) const { return values[static_cast<std::size_t>(side)]; }
};

// Dice are numbered as the game counts them: die 1 sits in the middle,
// die 2 on the right and die 3 on the left.
inline constexpr int kDice = 3;
inline constexpr int kRanges = 10;
inline constexpr int kWhite = 15; // palette index

// What an action of the rules came to, for the window to react on.
enum class Outcome {
    Nothing,
    Started,   // a game runs: the slider stands on the arrow
    Wrong,     // the error message repeats the task
    Correct,   // the roll runs
    RewardDue, // the roll runs, and a memory game is due
    Ticked,    // a roll tick drew the dice
    RollEnded, // the tenth tick: the next task is due
    Skipped,   // the memory game is on screen: no next task
    Stands,    // the next task waits for its answer
    GameOver,  // the result would reach an end of the range: a winner
    Reset,     // the start state, after a setting or a won game
};

// The four numbers each roll tick draws.
struct Draw {
    Sign sign;
    std::array<int, kDice> faces;
};

// The contest's whole state, owned by its rules.
struct ContestState {
    int rangeBase = 0;
    int diceCount = 1;
    bool gameStarted = false;
    // While a task waits, 2 means the first player answers and 1 the second: ask answeringSide().
    int turn = 1;
    int taskCount = 0;
    int operand = 0;
    int taskResult = 50;
    int rollFrame = 0;
    QString helpText;

    // The number the arrow points at; it follows the slider only while a game runs.
    int arrowValue = 50;
    std::optional<int> firstNumber;
    std::optional<int> shownAnswer;
    // The round the title names: the task now coming.
    int round = 1;
    // Whose turn the status line announces; none before a game.
    std::optional<Side> announcedSide;
    PerSide<QString> names{QStringLiteral("Freund"), QStringLiteral("Computer")};
    PerSide<int> scores{};
    std::optional<Side> winnerSide;

    std::array<int, kDice> dieFace{}; // 0: the box is empty
    // Palette indices; the dice start white, and a sign box with no colour shows the window's grey.
    std::array<int, kDice> dieColor{kWhite, kWhite, kWhite};
    Sign sign = Sign::Plus;
    std::optional<int> signColor;
    bool rollTimerOn = false;

    Side answeringSide() const { return turn == 2 ? Side::Left : Side::Right; }
};

// The contest's rules, apart from any widget.
class Contest {
public:
    const ContestState& state() const { return s_; }

    // Start-up: one die, range 0 - 100, the start state.
    Outcome load();
    Outcome resetGame();
    bool dieShown(int die) const { return s_.diceCount >= die + 1; }
    // Where the arrow stands on the number line, in twips.
    int arrowX() const;

    // A click on any visible die.
    Outcome startGame();
    // The slider's value changed, by key, click, drag or code.
    void moveSlider(int value);

    // A click on the arrow number, or Enter.
    Outcome confirmAnswer();
    // The one-line form of the current task, as the error message repeats it.
    QString taskText() const;
    // The roll is cut short, as the memory reward does.
    void stopRoll();

    // One tick of the roll; the tenth ends it.
    Outcome rollTick(platform::Random& random, const platform::Clock& clock);
    // The end of a roll: the next task from the arrow, the range test, the turn.
    Outcome nextTask(bool memoVisible);

    // The player window's names, exactly as typed.
    void setPlayerName(Side side, const QString& name);

    // The menu's lists: a choice stops the game.
    Outcome chooseRange(int index);
    Outcome chooseDice(int index);

private:
    // Draws sign and dice from a freshly seeded generator, and sums the dice in play.
    Draw draw(platform::Random& random, const platform::Clock& clock);
    void showDraw(const Draw& draw);
    void endGame();
    Outcome stopForSetting();

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
