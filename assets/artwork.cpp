#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <array>

// The resources live in a static library, whose registration the linker would drop unasked.
static void registerAssets() { Q_INIT_RESOURCE(assets); }

namespace artwork {

namespace {

// Which of the 3 x 3 pip places (row-major, 0..8) a face shows.
bool hasPip(int face, int place)
{
    // Places: 0 1 2 / 3 4 5 / 6 7 8.
    static constexpr std::array<unsigned, 10> kPatterns = {
        0b000000000, // no face
        0b000010000, // 1: centre
        0b100000001, // 2: top-left, bottom-right
        0b100010001, // 3
        0b101000101, // 4: the corners
        0b101010101, // 5
        0b101101101, // 6: left and right columns
        0b101111101, // 7
        0b111101111, // 8: all but the centre
        0b111111111, // 9
    };
    if (face < 1 || face > 9 || place < 0 || place > 8) return false;
    return (kPatterns[static_cast<std::size_t>(face)] >> (8 - place)) & 1u;
}

// Draws a die face into a square box; the pips' grid is 7 units a side.
void paintDieFace(QPainter& painter, const QRectF& box, int face)
{
    const double unit = std::min(box.width(), box.height()) / 7.0;
    const QRectF square(box.topLeft(), QSizeF(7 * unit, 7 * unit));
    const double outline = std::max(1.0, unit / 6.0);
    painter.setPen(QPen(Qt::black, outline));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(square.adjusted(outline / 2, outline / 2, -outline / 2, -outline / 2), unit, unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int place = 0; place < 9; ++place) {
        if (!hasPip(face, place)) continue;
        const double left = square.left() + (1 + 2 * (place % 3)) * unit;
        const double top = square.top() + (1 + 2 * (place / 3)) * unit;
        painter.drawEllipse(QRectF(left, top, unit, unit));
    }
}

} // namespace

platform::Picture dieFace(int face)
{
    return platform::Picture::fromPainter(
        [face](QPainter& painter, const QRectF& box) { paintDieFace(painter, box, face); }, {}, QString::number(face));
}

platform::Picture svgIcon(const QString& resourcePath, const QString& title)
{
    static const bool registered = (registerAssets(), true);
    Q_UNUSED(registered);
    return platform::Picture::fromSvg(resourcePath, QSizeF(32, 32), title);
}

QIcon programIcon()
{
    static const bool registered = (registerAssets(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/program.svg"));
}

platform::Picture icon(const char* name, const QString& title)
{
    return svgIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)), title);
}

} // namespace artwork
