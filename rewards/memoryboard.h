#pragma once

#include <array>

namespace platform {
class Random;
}

// A field's back: as the window is designed, navy once a game has ended, white when its pair is found.
enum class FieldShade { Designed, Ended, Found };

// How one field looks: face up it shows its digit.
struct FieldLook {
    bool faceUp = false;
    FieldShade shade = FieldShade::Designed;
};

// The number memory game's board.
class MemoryBoard {
public:
    static constexpr int kFields = 18;

    // Deals draw from the shared generator, which is never seeded here.
    explicit MemoryBoard(platform::Random& random);

    // A click on field 1..18.
    void click(int field);
    // Leaving the game: every field face down in navy, nothing dealt.
    void endGame();

    bool dealt() const { return dealt_; }
    // Every pair of the game in progress is found.
    bool won() const;
    // Whether any deal has been made since the window was built.
    bool everDealt() const { return everDealt_; }
    int digit(int field) const { return digits_[index(field)]; } // 1..9, 0 before the first deal
    bool found(int field) const { return found_[index(field)]; }
    int firstField() const { return first_; } // 0 for none
    int secondField() const { return second_; }
    int clickedField() const { return clicked_; }
    const FieldLook& field(int k) const { return fields_[index(k)]; }

private:
    void turnField();
    void dealBoard();
    void coverPair();
    void markPairFound();

    static std::size_t index(int k) { return static_cast<std::size_t>(k - 1); }

    platform::Random& random_;
    bool dealt_ = false;
    bool everDealt_ = false;
    std::array<int, kFields> digits_{};
    std::array<bool, kFields> found_{};
    int first_ = 0;
    int second_ = 0;
    int clicked_ = 0;
    std::array<FieldLook, kFields> fields_;
};
