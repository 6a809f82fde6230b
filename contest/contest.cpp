#include "contest.h"

#include "platform/colors.h"
#include "platform/numbertext.h"

#include <algorithm>

using platform::blankLedNumber;
using platform::numericValue;
using platform::plainNumber;

namespace {

constexpr int kSliderMiddle = 50;
const QString kStartStatus = QStringLiteral("Klicke zum Start auf einen Würfel.");

// Where on the number line a slider value stands, in twips.
constexpr int lineX(int sliderValue) { return 90 * sliderValue + 600; }

constexpr int kRollTicks = 10;
const QColor kFormBack(224, 224, 224);

// A name in a right-to-left script is set apart, so the German words around it keep their order.
QString embeddedName(const QString& name)
{
    const bool rightToLeft = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    return rightToLeft ? QChar(0x2068) + name + QChar(0x2069) : name;
}

QString turnAnnouncement(const QString& name) { return embeddedName(name) + QStringLiteral(" ist dran!"); }

} // namespace

QString controlsHelp()
{
    return QStringLiteral("Stelle erst das Ergebnis mit dem Regler ein\r"
                          "und klicke dann auf die blauweiße Pfeilzahl.\r"
                          "Es geht auch mit den Pfeiltasten und Enter.");
}

QString rewardNote() { return QStringLiteral("Immer nach 30 Aufgaben und nach\rjedem Sieg gibt es eine Belohnung!\r"); }

Contest::Contest(Modul1& vars) : vars_(vars) {}

void Contest::formLoad()
{
    drawScale();
    fillRangeList();
    vars_.turn = 1;
    vars_.taskResult = 50;
    vars_.rangeBase = 0;
    vars_.helpText = rewardNote();
    vars_.diceCount = 1;
    showDice();
    resetGame();
}

void Contest::drawScale()
{
    constexpr int kBlue = 9;
    constexpr int kRed = 12;
    view_.scale.clear();
    for (int v = 0; v <= 100; ++v) {
        vars_.catcherCol = lineX(v);
        const int x = vars_.catcherCol;
        view_.scale.push_back({x, 3100, 3350, kBlue});
        if (v % 10 == 0)
            view_.scale.push_back({x, 3000, 3350, kRed});
        else if (v % 5 == 0)
            view_.scale.push_back({x, 3000, 3100, kBlue});
    }
}

void Contest::fillRangeList()
{
    for (int i = 0; i < 10; ++i) {
        const int low = 100 * i;
        view_.rangeEntries.append(QStringLiteral("%1 - %2 ").arg(low, 4).arg(low + 100, 4));
    }
    view_.rangeSelected = -1;
}

void Contest::showDice()
{
    // Die 1 is always shown; the second joins on the right, the third on the left.
    for (int die = 0; die < kDice; ++die) view_.dieShown[die] = vars_.diceCount >= die + 1;
}

void Contest::hideLists()
{
    view_.rangeListShown = false;
    view_.diceListShown = false;
}

void Contest::resetGame()
{
    vars_.gameStarted = 0;
    vars_.taskResult = vars_.rangeBase + 50;
    sliderChange(kSliderMiddle);
    view_.arrowNumber = plainNumber(vars_.taskResult);
    view_.rangeLow = plainNumber(vars_.rangeBase);
    view_.rangeHigh = plainNumber(vars_.rangeBase + 100);
    view_.status = kStartStatus;
    view_.firstNumber.clear();
    view_.answer.clear();
    view_.dieFace.fill(0);
    vars_.catcherCol = lineX(kSliderMiddle);
    view_.arrowPictureLeft = vars_.catcherCol - 240;
    view_.arrowNumberLeft = vars_.catcherCol - 500;
    vars_.taskCount = 0;
}

void Contest::startDieClick()
{
    sliderChange(static_cast<int>(numericValue(view_.arrowNumber)) - vars_.rangeBase);
    if (vars_.gameStarted != 0) return; // a running game is never restarted by a die
    vars_.gameStarted = 1;
    vars_.turn = 1;
    vars_.rollFrame = 0;
    view_.rollTimerOn = true;
}

void Contest::sliderChange(int value)
{
    view_.sliderValue = value;
    if (vars_.gameStarted == 0) return; // before a game the arrow stays where it is
    placeArrow(value);
}

void Contest::placeArrow(int sliderValue)
{
    vars_.catcherCol = sliderValue;
    view_.arrowNumber = plainNumber(vars_.rangeBase + sliderValue);
    vars_.catcherCol = lineX(sliderValue);
    view_.arrowPictureLeft = vars_.catcherCol - 240;
    view_.arrowNumberLeft = vars_.catcherCol - 500;
}

Confirmation Contest::confirm()
{
    if (vars_.gameStarted == 0) return Confirmation::Ignored;
    vars_.catcherCol = static_cast<int>(numericValue(view_.arrowNumber));
    if (vars_.catcherCol != vars_.taskResult) return Confirmation::Wrong;

    view_.answer = view_.arrowNumber;
    // The turn itself passes when the roll ends; the status line already names who comes next.
    view_.status = turnAnnouncement(vars_.turn == 1 ? view_.leftName : view_.rightName);
    vars_.gameStarted = 1;
    vars_.rollFrame = 0;
    view_.rollTimerOn = true;
    ++vars_.taskCount;
    view_.title = QStringLiteral("Pelko-Morvelt (Runde") + blankLedNumber(vars_.taskCount + 1) + QStringLiteral(")");
    return vars_.taskCount % 3 == 0 ? Confirmation::CorrectDue : Confirmation::Correct;
}

QString Contest::taskText() const
{
    const QString sign = view_.sign == Sign::Plus    ? QStringLiteral(" +")
                         : view_.sign == Sign::Minus ? QStringLiteral(" -")
                                                     : QString();
    return QStringLiteral("Die Aufgabe lautet:  ") + view_.firstNumber + sign + blankLedNumber(vars_.operand) +
           QStringLiteral(" = _____");
}

void Contest::stopRoll() { view_.rollTimerOn = false; }

bool Contest::rollTick(platform::Random& random, const platform::Clock& clock)
{
    hideLists();
    ++vars_.rollFrame;
    if (vars_.rollFrame != kRollTicks) {
        showDraw(draw(random, clock));
        return false;
    }
    view_.rollTimerOn = false;
    view_.signBack = kFormBack;
    return true;
}

Draw Contest::draw(platform::Random& random, const platform::Clock& clock)
{
    platform::Randomize(random, clock);
    Draw drawn{random.wholeNumber(2, 1) == 1 ? Sign::Plus : Sign::Minus, {}};
    for (int& face : drawn.faces) face = random.wholeNumber(9, 1);
    vars_.operand = 0;
    for (int die = 0; die < vars_.diceCount && die < kDice; ++die) vars_.operand += drawn.faces[die];
    return drawn;
}

void Contest::showDraw(const Draw& drawn)
{
    view_.sign = drawn.sign;
    for (int die = 0; die < vars_.diceCount && die < kDice; ++die) {
        const int face = drawn.faces[die];
        view_.dieBack[die] = platform::QBColor(16 - face);
        view_.signBack = platform::QBColor(15 - face);
        view_.dieFace[die] = face;
    }
}

RollEnd Contest::nextTask(bool memoVisible)
{
    if (memoVisible) return RollEnd::Skipped;
    vars_.taskResult = static_cast<int>(numericValue(view_.arrowNumber));
    view_.firstNumber = view_.arrowNumber;
    view_.answer.clear();
    vars_.helpText = controlsHelp();

    // The top is tested whatever the sign, so a minus task from the top end ends the game too.
    if (view_.sign == Sign::Plus) vars_.taskResult += vars_.operand;
    if (vars_.taskResult >= vars_.rangeBase + 100) {
        endGame();
        return RollEnd::GameOver;
    }
    if (view_.sign == Sign::Minus) vars_.taskResult -= vars_.operand;
    if (vars_.taskResult <= vars_.rangeBase) {
        endGame();
        return RollEnd::GameOver;
    }

    if (vars_.turn == 1) {
        vars_.turn = 2;
        view_.status = turnAnnouncement(view_.leftName);
    } else {
        vars_.turn = 1;
        view_.status = turnAnnouncement(view_.rightName);
    }
    return RollEnd::Stands;
}

void Contest::endGame()
{
    // The task that cannot be asked would have been the other player's: the last one to solve wins.
    // While the first player answers, turn is 2.
    const bool firstPlayerWon = vars_.turn == 2;
    QString& score = firstPlayerWon ? view_.leftScore : view_.rightScore;
    score = plainNumber(static_cast<long long>(numericValue(score)) + 1);
    winner_ = embeddedName(firstPlayerWon ? view_.leftName : view_.rightName);
}

void Contest::setPlayerName(int side, const QString& name) { (side == 0 ? view_.leftName : view_.rightName) = name; }

void Contest::diceListButton()
{
    view_.rangeListShown = false;
    if (view_.diceListShown) {
        view_.diceListShown = false;
        return;
    }
    view_.diceEntries = {QStringLiteral(" 1 Würfel"), QStringLiteral(" 2 Würfel"), QStringLiteral(" 3 Würfel")};
    ++view_.diceListFills;
    view_.diceListShown = true;
}

void Contest::rangeListButton()
{
    view_.diceListShown = false;
    view_.rangeListShown = !view_.rangeListShown;
}

void Contest::rangeChosen(int index)
{
    view_.rangeListShown = false;
    view_.rangeSelected = index;
    vars_.gameStarted = 0;
    vars_.rangeBase = 100 * index;
    vars_.taskResult = vars_.rangeBase + 50;
    stopRoll(); // a roll left running would build a task for a game that no longer runs
    resetGame();
}

void Contest::diceChosen(int index)
{
    vars_.diceCount = index + 1;
    showDice();
    view_.diceListShown = false;
    stopRoll(); // a roll left running would build a task for a game that no longer runs
    resetGame();
}
