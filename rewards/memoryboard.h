#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace platform {
class Random;
}

// How one field looks; the caption and the back colour are all there is to it.
struct FieldLook {
    QString caption;
    QColor back;
};

// The number memory game's board. Its state is kept as the texts the window's
// hidden state labels show, so what a tool reads there is the game itself.
class MemoryBoard {
public:
    static constexpr int kFields = 18;

    // Deals draw from the shared generator (never seeded here) and leave each
    // drawn field number in the shared scratch integer.
    MemoryBoard(platform::Random& random, int& catcherCol);

    // A click on field 1..18. Returns true when it found the last pair.
    bool click(int field);
    void DealBoard();
    // Leaving the game: every field face down in navy, nothing dealt.
    void EndGame();

    const QString& dealtFlag() const { return dealt_; }    // "0" or "1"
    const QString& layout() const { return layout_; }      // digit under each field
    const QString& openMask() const { return mask_; }      // "1" while a field's pair is not found
    const QString& firstField() const { return first_; }   // " 7" form, "0" for none
    const QString& secondField() const { return second_; } // " 7" form, "0" for none
    const QString& clickedField() const { return clicked_; }
    const FieldLook& field(int k) const { return fields_[index(k)]; }

private:
    bool TurnField();
    void CoverPair();
    void MarkPairFound();

    static std::size_t index(int k) { return static_cast<std::size_t>(k - 1); }
    static int value(const QString& caption);

    platform::Random& random_;
    int& catcherCol_;
    QString dealt_ = QStringLiteral("0");
    QString layout_;
    QString mask_;
    QString first_ = QStringLiteral("0");
    QString second_ = QStringLiteral("0");
    QString clicked_ = QStringLiteral("0");
    std::array<FieldLook, kFields> fields_;
};
