#pragma once

#include "contest/modul1.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {
class Random;
}

enum class CatchPhase { Waiting, Running, Won, Closed };

// One digit printed on the field, at its cell.
struct PrintedDigit {
    int col;
    int row;
    QString digit;
};

// The field's cells are squares; the catcher can go one column further right
// than any digit is ever placed.
inline constexpr int kCellTwips = 400;
inline constexpr int kLastCatcherCol = 17;
inline constexpr int kDigitCols = 17;
inline constexpr int kFieldRows = 11;

// The lines of the invitation printed on the empty field, from its top.
QStringList startTextLines();

// The catching game's rules, apart from any widget. Positions and the digits
// still to catch live in the shared variables; the rest is kept here as the
// captions the window shows.
class CatchGame {
public:
    CatchGame(Modul1& vars, platform::Random& random);

    // The window came on screen: a fresh game that waits for the start click.
    void activate();
    // The click on the field; while running it only scatters the digits anew.
    void start();
    // One second of the clock; the digits jump whenever the seconds are a multiple of period.
    void tick(int period);
    void EndGame();

    // Moves count only while the game runs.
    void MoveUp();
    void MoveDown();
    void MoveLeft();
    void MoveRight();

    void ClearField();
    void PlaceDigits();
    void RedrawDigits();
    void UpdateCatcher();

    CatchPhase phase() const { return phase_; }
    int seconds() const { return seconds_; }
    const QString& caughtCaption() const { return caught_; }
    const QString& nextCaption() const { return next_; }
    const QString& restCaption() const { return rest_; }
    bool startTextShown() const { return startText_; }
    const QList<PrintedDigit>& field() const { return field_; }
    // The clock stops as soon as the game is won, so no jump follows the last catch.
    bool clockOn() const { return phase_ == CatchPhase::Running; }
    // The catcher stays on its last cell while the result is told.
    bool catcherShown() const { return phase_ == CatchPhase::Running || phase_ == CatchPhase::Won; }

private:
    void move(int dCol, int dRow);
    bool cellTaken(int i) const;
    void print(int i);

    Modul1& vars_;
    platform::Random& random_;
    CatchPhase phase_ = CatchPhase::Closed;
    int seconds_ = 0;
    QString caught_;
    QString next_;
    QString rest_;
    bool startText_ = false;
    QList<PrintedDigit> field_;
};
