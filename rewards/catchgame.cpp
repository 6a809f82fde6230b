#include "catchgame.h"

#include "platform/random.h"

#include <algorithm>

QStringList startTextLines()
{
    return {QString(), QString(),
            QString(), QStringLiteral("          Zum Starten hier klicken . . ."),
            QString(), QStringLiteral("          (Anleitung über Hilfe-Knopf)")};
}

CatchGame::CatchGame(Modul1& vars, platform::Random& random) : vars_(vars), random_(random) {}

void CatchGame::activate()
{
    ClearField();
    vars_.catcherCol = 9;
    vars_.catcherRow = 6;
    vars_.catchSequence = QStringLiteral("0123456789");
    next_ = vars_.catchSequence.left(1);
    caught_.clear();
    rest_ = vars_.catchSequence.mid(1);
    seconds_ = 0;
    startText_ = true;
    phase_ = CatchPhase::Waiting;
}

void CatchGame::start()
{
    if (phase_ != CatchPhase::Waiting && phase_ != CatchPhase::Running) return;
    phase_ = CatchPhase::Running;
    ClearField();
    PlaceDigits();
    UpdateCatcher();
}

void CatchGame::tick(int period)
{
    if (phase_ != CatchPhase::Running) return;
    ++seconds_;
    if (period > 0 && seconds_ % period == 0) {
        ClearField();
        PlaceDigits();
        UpdateCatcher();
    }
}

void CatchGame::EndGame() { phase_ = CatchPhase::Closed; }

void CatchGame::MoveUp() { move(0, -1); }
void CatchGame::MoveDown() { move(0, 1); }
void CatchGame::MoveLeft() { move(-1, 0); }
void CatchGame::MoveRight() { move(1, 0); }

void CatchGame::move(int dCol, int dRow)
{
    if (phase_ != CatchPhase::Running) return;
    vars_.catcherCol = std::clamp(vars_.catcherCol + dCol, 0, kLastCatcherCol);
    vars_.catcherRow = std::clamp(vars_.catcherRow + dRow, 0, kFieldRows - 1);
    UpdateCatcher();
}

void CatchGame::ClearField()
{
    field_.clear();
    startText_ = false;
}

bool CatchGame::cellTaken(int i) const
{
    const int col = vars_.digitCol[i];
    const int row = vars_.digitRow[i];
    if (col == vars_.catcherCol && row == vars_.catcherRow) return true;
    for (int j = 1; j < i; ++j) {
        if (col == vars_.digitCol[j] && row == vars_.digitRow[j]) return true;
    }
    return false;
}

void CatchGame::PlaceDigits()
{
    for (int i = 1; i <= vars_.catchSequence.size(); ++i) {
        // A taken cell means both coordinates are drawn again, column first.
        do {
            vars_.digitCol[i] = random_.wholeNumber(kDigitCols, 0);
            vars_.digitRow[i] = random_.wholeNumber(kFieldRows, 0);
        } while (cellTaken(i));
        print(i);
    }
}

void CatchGame::RedrawDigits()
{
    for (int i = 1; i <= vars_.catchSequence.size(); ++i) print(i);
}

void CatchGame::print(int i)
{
    field_.append({vars_.digitCol[i], vars_.digitRow[i], vars_.catchSequence.mid(i - 1, 1)});
}

void CatchGame::UpdateCatcher()
{
    // Only the next digit can be caught; the cells of the others are passed over.
    // Once all are caught, the first entry is a leftover and must not count.
    if (!vars_.catchSequence.isEmpty() && vars_.digitRow[1] == vars_.catcherRow &&
        vars_.digitCol[1] == vars_.catcherCol) {
        ClearField();
        for (int i = 1; i < vars_.catchSequence.size(); ++i) {
            vars_.digitCol[i] = vars_.digitCol[i + 1];
            vars_.digitRow[i] = vars_.digitRow[i + 1];
        }
        caught_ += next_;
        rest_ = rest_.mid(1);
        vars_.catchSequence = vars_.catchSequence.mid(1);
        RedrawDigits();
    }
    next_ = vars_.catchSequence.left(1);
    if (vars_.catchSequence.isEmpty()) phase_ = CatchPhase::Won;
}
