#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

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

// The catcher's four steps, as the arrow keys give them.
enum class CatchMove { None, Up, Down, Left, Right };

// A swipe across the field, from where it was pressed to where it was let go: one step along its main direction
// once it covers half a cell that way; a shorter one is a tap. An exact diagonal goes sideways, the field's long way.
CatchMove swipeMove(QPoint from, QPoint to, int cell);

// The catching game's rules, apart from any widget: the catcher, the digits still to catch and the clock.
class CatchGame {
public:
    explicit CatchGame(platform::Random& random);

    // The window came on screen: a fresh game that waits for the start click.
    void activate();
    // The click on the field; while running it only scatters the digits anew.
    void start();
    // One second of the clock; the digits jump whenever the seconds are a multiple of period.
    void tick(int period);
    void endGame();

    // Moves count only while the game runs.
    void moveUp();
    void moveDown();
    void moveLeft();
    void moveRight();

    CatchPhase phase() const { return phase_; }
    int seconds() const { return seconds_; }
    int catcherCol() const { return catcherCol_; }
    int catcherRow() const { return catcherRow_; }
    // Where the next digit to catch lies; only meaningful while one is left.
    int nextDigitCol() const { return digitCol_[1]; }
    int nextDigitRow() const { return digitRow_[1]; }
    QString caughtCaption() const;
    QString nextCaption() const { return catchSequence_.left(1); }
    QString restCaption() const { return catchSequence_.mid(1); }
    bool startTextShown() const { return startText_; }
    const QList<PrintedDigit>& field() const { return field_; }
    // The clock stops as soon as the game is won, so no jump follows the last catch.
    bool clockOn() const { return phase_ == CatchPhase::Running; }
    // The catcher stays on its last cell while the result is told.
    bool catcherShown() const { return phase_ == CatchPhase::Running || phase_ == CatchPhase::Won; }

private:
    void clearField();
    void placeDigits();
    void redrawDigits();
    void updateCatcher();
    void move(int dCol, int dRow);
    bool cellTaken(int i) const;
    void print(int i);

    platform::Random& random_;
    CatchPhase phase_ = CatchPhase::Closed;
    int seconds_ = 0;
    int catcherCol_ = 0;
    int catcherRow_ = 0;
    // Indices 1..10 are used, so the numbering reads as the digits' order in the sequence.
    std::array<int, 11> digitCol_{};
    std::array<int, 11> digitRow_{};
    QString catchSequence_;
    bool startText_ = false;
    QList<PrintedDigit> field_;
};
