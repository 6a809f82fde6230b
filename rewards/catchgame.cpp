#include "catchgame.h"

#include "platform/random.h"

#include <algorithm>
#include <cstdlib>

QStringList startTextLines()
{
    return {QString(), QString(),
            QString(), QStringLiteral("          Zum Starten hier klicken . . ."),
            QString(), QStringLiteral("          (Anleitung über Hilfe-Knopf)")};
}

CatchMove swipeMove(QPoint from, QPoint to, int cell)
{
    const QPoint way = to - from;
    const bool across = std::abs(way.x()) >= std::abs(way.y());
    const int along = across ? way.x() : way.y();
    if (2 * std::abs(along) < cell) return CatchMove::None;
    if (across) return along > 0 ? CatchMove::Right : CatchMove::Left;
    return along > 0 ? CatchMove::Down : CatchMove::Up;
}

namespace {

const QString kAllDigits = QStringLiteral("0123456789");

} // namespace

CatchGame::CatchGame(platform::Random& random) : random_(random) {}

QString CatchGame::caughtCaption() const
{
    return phase_ == CatchPhase::Closed ? QString() : kAllDigits.left(kAllDigits.size() - catchSequence_.size());
}

void CatchGame::activate()
{
    clearField();
    catcherCol_ = 9;
    catcherRow_ = 6;
    catchSequence_ = kAllDigits;
    seconds_ = 0;
    startText_ = true;
    phase_ = CatchPhase::Waiting;
}

void CatchGame::start()
{
    if (phase_ != CatchPhase::Waiting && phase_ != CatchPhase::Running) return;
    phase_ = CatchPhase::Running;
    clearField();
    placeDigits();
    updateCatcher();
}

void CatchGame::tick(int period)
{
    if (phase_ != CatchPhase::Running) return;
    ++seconds_;
    if (period > 0 && seconds_ % period == 0) {
        clearField();
        placeDigits();
        updateCatcher();
    }
}

void CatchGame::endGame() { phase_ = CatchPhase::Closed; }

void CatchGame::moveUp() { move(0, -1); }
void CatchGame::moveDown() { move(0, 1); }
void CatchGame::moveLeft() { move(-1, 0); }
void CatchGame::moveRight() { move(1, 0); }

void CatchGame::move(int dCol, int dRow)
{
    if (phase_ != CatchPhase::Running) return;
    catcherCol_ = std::clamp(catcherCol_ + dCol, 0, kLastCatcherCol);
    catcherRow_ = std::clamp(catcherRow_ + dRow, 0, kFieldRows - 1);
    updateCatcher();
}

void CatchGame::clearField()
{
    field_.clear();
    startText_ = false;
}

bool CatchGame::cellTaken(int i) const
{
    const int col = digitCol_[i];
    const int row = digitRow_[i];
    if (col == catcherCol_ && row == catcherRow_) return true;
    for (int j = 1; j < i; ++j) {
        if (col == digitCol_[j] && row == digitRow_[j]) return true;
    }
    return false;
}

void CatchGame::placeDigits()
{
    for (int i = 1; i <= catchSequence_.size(); ++i) {
        // A taken cell means both coordinates are drawn again, column first.
        do {
            digitCol_[i] = random_.between(0, kDigitCols - 1);
            digitRow_[i] = random_.between(0, kFieldRows - 1);
        } while (cellTaken(i));
        print(i);
    }
}

void CatchGame::redrawDigits()
{
    for (int i = 1; i <= catchSequence_.size(); ++i) print(i);
}

void CatchGame::print(int i) { field_.append({digitCol_[i], digitRow_[i], catchSequence_.mid(i - 1, 1)}); }

void CatchGame::updateCatcher()
{
    // Only the next digit can be caught; the cells of the others are passed over.
    // Once all are caught, the first entry is a leftover and must not count.
    if (!catchSequence_.isEmpty() && digitRow_[1] == catcherRow_ && digitCol_[1] == catcherCol_) {
        clearField();
        for (int i = 1; i < catchSequence_.size(); ++i) {
            digitCol_[i] = digitCol_[i + 1];
            digitRow_[i] = digitRow_[i + 1];
        }
        catchSequence_ = catchSequence_.mid(1);
        redrawDigits();
    }
    if (catchSequence_.isEmpty()) phase_ = CatchPhase::Won;
}
