#include "memoryboard.h"

#include "platform/random.h"

#include <algorithm>

MemoryBoard::MemoryBoard(platform::Random& random) : random_(random) {}

void MemoryBoard::click(int field)
{
    if (field < 1 || field > kFields) return;
    clicked_ = field;
    turnField();
}

bool MemoryBoard::won() const
{
    return dealt_ && std::all_of(found_.begin(), found_.end(), [](bool f) { return f; });
}

void MemoryBoard::turnField()
{
    // The first click after the window comes up deals, then opens its field.
    if (!dealt_) {
        dealBoard();
        dealt_ = true;
        first_ = 0;
        second_ = 0;
    }
    const int c = clicked_;
    if (found_[index(c)]) return; // a found field: even an open unmatched pair stays open
    if (first_ > 0 && second_ > 0) coverPair();

    const int a = first_;
    fields_[index(c)].faceUp = true;
    if (a == 0) {
        first_ = c;
        return;
    }
    second_ = c;
    if (c == a) {
        second_ = 0;
        return;
    }
    if (digits_[index(a)] == digits_[index(c)]) {
        found_[index(a)] = true;
        found_[index(c)] = true;
        markPairFound();
    }
}

void MemoryBoard::coverPair()
{
    fields_[index(first_)].faceUp = false;
    fields_[index(second_)].faceUp = false;
    first_ = 0;
    second_ = 0;
}

void MemoryBoard::markPairFound()
{
    fields_[index(first_)].shade = FieldShade::Found;
    fields_[index(second_)].shade = FieldShade::Found;
    first_ = 0;
    second_ = 0;
}

void MemoryBoard::dealBoard()
{
    std::array<int, kFields> digits{};
    // Digit d goes into two free fields drawn at random, 1 1 2 2 ... 9 9.
    for (int i = 0; i < kFields; ++i) {
        int drawn = 0;
        // Every pass leaves at least one free field, so the retries end.
        do {
            drawn = random_.between(1, kFields);
        } while (digits[index(drawn)] != 0);
        digits[index(drawn)] = i / 2 + 1;
    }
    digits_ = digits;
    found_.fill(false);
    everDealt_ = true;
}

void MemoryBoard::endGame()
{
    for (FieldLook& look : fields_) look = FieldLook{false, FieldShade::Ended};
    dealt_ = false;
}
