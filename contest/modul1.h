#pragma once

#include <QString>

#include <array>

// The variables that the windows share, with their values before start-up.
struct Modul1 {
    int rangeBase = 0;
    int diceCount = 0;
    int gameStarted = 0;
    int turn = 0;
    int taskCount = 0;
    int operand = 0;
    int taskResult = 0;
    int rollFrame = 0;
    QString helpText;
    // A scratch integer that several windows use for values of their own.
    int catcherCol = 0;
    int catcherRow = 0;
    // Indices 1..10 are used; index 0 stays unused so the numbering reads as in the game rules.
    std::array<int, 11> digitCol{};
    std::array<int, 11> digitRow{};
    QString catchSequence;
};
