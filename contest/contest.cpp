#include "contest.h"

#include "platform/colors.h"
#include "platform/numbertext.h"

using platform::blankLedNumber;
using platform::plainNumber;

namespace {

constexpr int kSliderMiddle = 50;
constexpr int kRollTicks = 10;
const QColor kFormBack = platform::kLightGrey;

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

void Contest::load()
{
    s_ = ContestState{};
    s_.helpText = rewardNote();
    resetGame();
}

void Contest::resetGame()
{
    s_.gameStarted = false;
    s_.taskResult = s_.rangeBase + 50;
    s_.sliderValue = kSliderMiddle;
    s_.arrowValue = s_.taskResult;
    s_.announcedSide.reset();
    s_.firstNumber.reset();
    s_.shownAnswer.reset();
    // The dice keep the colours of the last roll; only their faces go.
    s_.dieFace.fill(0);
    s_.taskCount = 0;
}

int Contest::arrowX() const { return lineX(s_.arrowValue - s_.rangeBase); }

void Contest::startGame()
{
    moveSlider(s_.arrowValue - s_.rangeBase);
    if (s_.gameStarted) return; // a running game is never restarted by a die
    s_.gameStarted = true;
    s_.turn = 1;
    s_.rollFrame = 0;
    s_.rollTimerOn = true;
}

void Contest::moveSlider(int value)
{
    s_.sliderValue = value;
    if (!s_.gameStarted) return; // before a game the arrow stays where it is
    s_.arrowValue = s_.rangeBase + value;
}

Confirmation Contest::confirmAnswer()
{
    if (!s_.gameStarted) return Confirmation::Ignored;
    const int answer = s_.arrowValue;
    if (answer != s_.taskResult) return Confirmation::Wrong;

    s_.shownAnswer = answer;
    // The turn itself passes when the roll ends; the status line already names who comes next.
    s_.announcedSide = s_.turn == 1 ? 0 : 1;
    s_.rollFrame = 0;
    s_.rollTimerOn = true;
    ++s_.taskCount;
    s_.round = s_.taskCount + 1;
    return s_.taskCount % 3 == 0 ? Confirmation::CorrectDue : Confirmation::Correct;
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

bool Contest::rollTick(platform::Random& random, const platform::Clock& clock)
{
    hideLists();
    ++s_.rollFrame;
    if (s_.rollFrame != kRollTicks) {
        showDraw(draw(random, clock));
        return false;
    }
    s_.rollTimerOn = false;
    s_.signBack = kFormBack;
    return true;
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
        s_.dieBack[die] = platform::paletteColor(16 - face);
        s_.signBack = platform::paletteColor(15 - face);
        s_.dieFace[die] = face;
    }
}

RollEnd Contest::nextTask(bool memoVisible)
{
    if (memoVisible) return RollEnd::Skipped;
    s_.taskResult = s_.arrowValue;
    s_.firstNumber = s_.arrowValue;
    s_.shownAnswer.reset();
    s_.helpText = controlsHelp();

    // The top is tested whatever the sign, so a minus task from the top end ends the game too.
    if (s_.sign == Sign::Plus) s_.taskResult += s_.operand;
    if (s_.taskResult >= s_.rangeBase + 100) {
        endGame();
        return RollEnd::GameOver;
    }
    if (s_.sign == Sign::Minus) s_.taskResult -= s_.operand;
    if (s_.taskResult <= s_.rangeBase) {
        endGame();
        return RollEnd::GameOver;
    }

    s_.announcedSide = s_.turn == 1 ? 0 : 1;
    s_.turn = s_.turn == 1 ? 2 : 1;
    return RollEnd::Stands;
}

void Contest::endGame()
{
    // The task that cannot be asked would have been the other player's: the last one to solve wins.
    // While the first player answers, turn is 2.
    s_.winnerSide = s_.turn == 2 ? 0 : 1;
    ++s_.scores[static_cast<std::size_t>(s_.winnerSide)];
}

void Contest::setPlayerName(int side, const QString& name)
{
    if (side == 0 || side == 1) s_.names[static_cast<std::size_t>(side)] = name;
}

void Contest::toggleDiceList()
{
    s_.rangeListShown = false;
    if (s_.diceListShown) {
        s_.diceListShown = false;
        return;
    }
    ++s_.diceListFills;
    s_.diceListShown = true;
}

void Contest::toggleRangeList()
{
    s_.diceListShown = false;
    s_.rangeListShown = !s_.rangeListShown;
}

void Contest::hideLists()
{
    s_.rangeListShown = false;
    s_.diceListShown = false;
}

void Contest::stopForSetting()
{
    // A roll left running would build a task for a game that no longer runs; the sign box
    // goes back to the start state's grey instead of keeping the stopped tick's colour.
    stopRoll();
    s_.signBack = kFormBack;
    resetGame();
}

void Contest::chooseRange(int index)
{
    if (index < 0 || index >= kRanges) return;
    s_.rangeListShown = false;
    s_.rangeSelected = index;
    s_.rangeBase = 100 * index;
    stopForSetting();
}

void Contest::chooseDice(int index)
{
    if (index < 0 || index >= kDice) return;
    s_.diceCount = index + 1;
    s_.diceListShown = false;
    stopForSetting();
}
