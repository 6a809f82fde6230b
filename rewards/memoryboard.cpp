#include "memoryboard.h"

#include "platform/colors.h"
#include "platform/numbertext.h"
#include "platform/random.h"

using platform::blankLedNumber;

namespace {

// Face down as the window is designed; after the first game's end it is navy.
const QColor kDesignFaceDown(0, 0, 192);
const QString kPairs = QStringLiteral("112233445566778899");

} // namespace

MemoryBoard::MemoryBoard(platform::Random& random, int& catcherCol) : random_(random), catcherCol_(catcherCol)
{
    fields_.fill(FieldLook{QString(), kDesignFaceDown});
}

int MemoryBoard::value(const QString& caption) { return static_cast<int>(platform::numericValue(caption)); }

bool MemoryBoard::click(int field)
{
    if (field < 1 || field > kFields) return false;
    clicked_ = platform::plainNumber(field);
    return TurnField();
}

bool MemoryBoard::TurnField()
{
    // The first click after the window comes up deals, then opens its field.
    if (dealt_ == QLatin1String("0")) {
        DealBoard();
        dealt_ = QStringLiteral("1");
        first_ = QStringLiteral("0");
        second_ = QStringLiteral("0");
    }
    const int c = value(clicked_);
    if (mask_[c - 1] == u'0') return false; // a found field: even an open unmatched pair stays open
    if (value(first_) > 0 && value(second_) > 0) CoverPair();

    const int a = value(first_);
    fields_[index(c)].caption = QStringLiteral(" ") + layout_[c - 1];
    if (a == 0) {
        first_ = blankLedNumber(c);
        return false;
    }
    second_ = blankLedNumber(c);
    if (c == a) {
        second_ = QStringLiteral("0");
        return false;
    }
    if (layout_[a - 1] == layout_[c - 1]) {
        mask_[a - 1] = u'0';
        mask_[c - 1] = u'0';
        MarkPairFound();
    }
    return mask_ == QString(kFields, u'0');
}

void MemoryBoard::CoverPair()
{
    fields_[index(value(first_))].caption.clear();
    fields_[index(value(second_))].caption.clear();
    first_ = QStringLiteral("0");
    second_ = QStringLiteral("0");
}

void MemoryBoard::MarkPairFound()
{
    fields_[index(value(first_))].back = platform::QBColor(15);
    fields_[index(value(second_))].back = platform::QBColor(15);
    first_ = QStringLiteral("0");
    second_ = QStringLiteral("0");
}

void MemoryBoard::DealBoard()
{
    QString layout(kFields, u'0');
    for (int i = 1; i <= kFields; ++i) {
        // Every pass leaves at least one free field, so the retries end.
        do {
            catcherCol_ = random_.wholeNumber(kFields, 1);
        } while (layout[catcherCol_ - 1] != u'0');
        layout[catcherCol_ - 1] = kPairs[i - 1];
    }
    layout_ = layout;
    mask_ = QString(kFields, u'1');
}

void MemoryBoard::EndGame()
{
    for (FieldLook& look : fields_) look = FieldLook{QString(), platform::QBColor(1)};
    dealt_ = QStringLiteral("0");
}
