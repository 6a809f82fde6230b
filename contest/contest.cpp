#include "contest.h"

#include "platform/numbertext.h"

using platform::blankLedNumber;
using platform::plainNumber;

namespace {

constexpr int kRollTicks = 10;

// Where on the number line a slider value stands, in twips.
constexpr int lineX(int sliderValue) { return 90 * sliderValue + 600; }

} // namespace

QString controlsHelp()
{
    return QStringLiteral("Stelle erst das Ergebnis mit dem Regler ein\r"
                          "und klicke dann auf die blauweiße Pfeilzahl.\r"
                          "Es geht auch mit den Pfeiltasten und Enter.");
}

QString rewardNote() { return QStringLiteral("Immer nach 30 Aufgaben und nach\rjedem Sieg gibt es eine Belohnung!\r"); }

std::vector<ScaleTick> scaleTicks()
{
    constexpr int kBlueIndex = 9;
    constexpr int kRedIndex = 12;
    std::vector<ScaleTick> ticks;
    for (int v = 0; v <= 100; ++v) {
        const int x = lineX(v);
        ticks.push_back({x, 3100, 3350, kBlueIndex});
        if (v % 10 == 0)
            ticks.push_back({x, 3000, 3350, kRedIndex});
        else if (v % 5 == 0)
            ticks.push_back({x, 3000, 3100, kBlueIndex});
    }
    return ticks;
}

QStringList rangeEntries()
{
    QStringList entries;
    for (int i = 0; i < kRanges; ++i) {
        const int low = 100 * i;
        entries.append(QStringLiteral("%1 - %2 ").arg(low, 4).arg(low + 100, 4));
    }
    return entries;
}

QStringList diceEntries()
{
    return {QStringLiteral(" 1 Würfel"), QStringLiteral(" 2 Würfel"), QStringLiteral(" 3 Würfel")};
}

Outcome Contest::load()
{
    s_ = ContestState{};
    s_.helpText = rewardNote();
    return resetGame();
}

Outcome Contest::resetGame()
{
    s_.gameStarted = false;
    s_.taskResult = s_.rangeBase + 50;
    s_.arrowValue = s_.taskResult;
    s_.announcedSide.reset();
    s_.firstNumber.reset();
    s_.shownAnswer.reset();
    // The dice keep the colours of the last roll; only their faces go.
    s_.dieFace.fill(0);
    s_.taskCount = 0;
    return Outcome::Reset;
}

int Contest::arrowX() const { return lineX(s_.arrowValue - s_.rangeBase); }

Outcome Contest::startGame()
{
    if (s_.gameStarted) return Outcome::Started; // a running game is never restarted by a die
    s_.gameStarted = true;
    s_.turn = 1;
    s_.rollFrame = 0;
    s_.rollTimerOn = true;
    return Outcome::Started;
}

void Contest::moveSlider(int value)
{
    if (!s_.gameStarted) return; // before a game the arrow stays where it is
    s_.arrowValue = s_.rangeBase + value;
}

Outcome Contest::confirmAnswer()
{
    if (!s_.gameStarted) return Outcome::Nothing;
    const int answer = s_.arrowValue;
    if (answer != s_.taskResult) return Outcome::Wrong;

    s_.shownAnswer = answer;
    // The turn itself passes when the roll ends; the status line already names who comes next.
    s_.announcedSide = other(s_.answeringSide());
    s_.rollFrame = 0;
    s_.rollTimerOn = true;
    ++s_.taskCount;
    s_.round = s_.taskCount + 1;
    return s_.taskCount % 3 == 0 ? Outcome::RewardDue : Outcome::Correct;
}

QString Contest::taskText() const
{
    const QString sign = s_.sign == Sign::Plus    ? QStringLiteral(" +")
                         : s_.sign == Sign::Minus ? QStringLiteral(" -")
                                                  : QString();
    const QString first = s_.firstNumber ? plainNumber(*s_.firstNumber) : QString();
    return QStringLiteral("Die Aufgabe lautet:  ") + first + sign + blankLedNumber(s_.operand) +
           QStringLiteral(" = _____");
}

void Contest::stopRoll() { s_.rollTimerOn = false; }

Outcome Contest::rollTick(platform::Random& random, const platform::Clock& clock)
{
    ++s_.rollFrame;
    if (s_.rollFrame != kRollTicks) {
        showDraw(draw(random, clock));
        return Outcome::Ticked;
    }
    s_.rollTimerOn = false;
    s_.signColor.reset();
    return Outcome::RollEnded;
}

Draw Contest::draw(platform::Random& random, const platform::Clock& clock)
{
    platform::reseedFromClock(random, clock);
    Draw drawn{random.between(1, 2) == 1 ? Sign::Plus : Sign::Minus, {}};
    for (int& face : drawn.faces) face = random.between(1, 9);
    s_.operand = 0;
    for (int die = 0; die < s_.diceCount && die < kDice; ++die) s_.operand += drawn.faces[die];
    return drawn;
}

void Contest::showDraw(const Draw& drawn)
{
    s_.sign = drawn.sign;
    for (int die = 0; die < s_.diceCount && die < kDice; ++die) {
        const int face = drawn.faces[die];
        s_.dieColor[die] = 16 - face;
        s_.signColor = 15 - face;
        s_.dieFace[die] = face;
    }
}

Outcome Contest::nextTask(bool memoVisible)
{
    if (memoVisible) return Outcome::Skipped;
    s_.taskResult = s_.arrowValue;
    s_.firstNumber = s_.arrowValue;
    s_.shownAnswer.reset();
    s_.helpText = controlsHelp();

    // The top is tested whatever the sign, so a minus task from the top end ends the game too.
    if (s_.sign == Sign::Plus) s_.taskResult += s_.operand;
    if (s_.taskResult >= s_.rangeBase + 100) {
        endGame();
        return Outcome::GameOver;
    }
    if (s_.sign == Sign::Minus) s_.taskResult -= s_.operand;
    if (s_.taskResult <= s_.rangeBase) {
        endGame();
        return Outcome::GameOver;
    }

    s_.turn = s_.turn == 1 ? 2 : 1;
    s_.announcedSide = s_.answeringSide();
    return Outcome::Stands;
}

void Contest::endGame()
{
    // The task that cannot be asked would have been the other player's: the last one to solve wins.
    s_.winnerSide = s_.answeringSide();
    ++s_.scores[s_.answeringSide()];
}

void Contest::setPlayerName(Side side, const QString& name) { s_.names[side] = name; }

Outcome Contest::stopForSetting()
{
    // A roll left running would build a task for a game that no longer runs; the sign box
    // goes back to the start state's grey instead of keeping the stopped tick's colour.
    stopRoll();
    s_.signColor.reset();
    return resetGame();
}

Outcome Contest::chooseRange(int index)
{
    if (index < 0 || index >= kRanges) return Outcome::Nothing;
    s_.rangeBase = 100 * index;
    return stopForSetting();
}

Outcome Contest::chooseDice(int index)
{
    if (index < 0 || index >= kDice) return Outcome::Nothing;
    s_.diceCount = index + 1;
    return stopForSetting();
}
