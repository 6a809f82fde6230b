#include "contest.h"

#include "platform/numbertext.h"

using platform::numericValue;
using platform::plainNumber;

namespace {

constexpr int kSliderMiddle = 50;
const QString kStartStatus = QStringLiteral("Klicke zum Start auf einen Würfel.");

// Where on the number line a slider value stands, in twips.
constexpr int lineX(int sliderValue) { return 90 * sliderValue + 600; }

} // namespace

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
