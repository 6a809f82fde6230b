#pragma once

#include "modul1.h"

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

private:
    void placeArrow(int sliderValue);

    Modul1& vars_;
    ContestView view_;
};

// The reward note shown by the help button until the first task.
QString rewardNote();
