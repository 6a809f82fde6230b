#include "scale.h"

#include "units.h"

#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const char* const kFactor = "pelkoScale";
const char* const kOffset = "pelkoOffset";
const char* const kTwips = "pelkoTwips";
const char* const kFont = "pelkoFont";
const char* const kDesignSize = "pelkoDesignSize";

int rounded(double value) { return static_cast<int>(std::lround(value)); }

// The parts of a control that the style draws at a fixed size: arrows and handles of scroll bars, the box of a
// check box. Grown with the window, they stay within a finger's reach.
class ScaledStyle : public QProxyStyle {
public:
    explicit ScaledStyle(double factor)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), factor_(factor)
    {
        setParent(qApp);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight: return rounded(size * factor_);
        default: return size;
        }
    }

private:
    double factor_;
};

// At 100 % a control keeps the application's own style, untouched.
void styleToScale(QWidget* control, double factor)
{
    if (!qobject_cast<QScrollBar*>(control) && !qobject_cast<QCheckBox*>(control)) return;
    static QHash<int, QPointer<QStyle>> styles;
    const int percent = rounded(factor * 100);
    if (percent == 100) {
        if (control->testAttribute(Qt::WA_SetStyle)) control->setStyle(nullptr);
        return;
    }
    QPointer<QStyle>& style = styles[percent];
    if (!style) style = new ScaledStyle(factor);
    control->setStyle(style);
}

void bringToScale(QWidget* control)
{
    const Scale scale = scaleOf(control);
    if (const QVariant twips = control->property(kTwips); twips.isValid())
        control->setGeometry(scale.rect(twips.toRect()));
    if (const QVariant font = control->property(kFont); font.isValid())
        control->setFont(scale.font(font.value<QFont>()));
    if (auto* own = dynamic_cast<Scaled*>(control)) own->rescale();
}

} // namespace

// At 100 % this is px(): a length rounds to the nearest pixel, half a pixel away from zero.
int Scale::length(int twips) const { return rounded(twips * factor / kTwipsPerPixel); }

QPoint Scale::point(QPoint twips) const { return offset + QPoint(length(twips.x()), length(twips.y())); }

QRect Scale::rect(QRect twips) const
{
    if (factor == 1.0) return {point(twips.topLeft()), QSize(length(twips.width()), length(twips.height()))};
    // Enlarged, the edges are rounded rather than the sizes, so that controls that meet in the design meet on
    // screen, never overlapping by a pixel that would take a finger's touch from the one below.
    const QPoint topLeft = point(twips.topLeft());
    return QRect(topLeft, point(twips.topLeft() + QPoint(twips.width(), twips.height())) - QPoint(1, 1));
}

QFont Scale::font(QFont designFont) const
{
    if (factor == 1.0) return designFont;
    if (designFont.pixelSize() > 0)
        designFont.setPixelSize(std::max(1, rounded(designFont.pixelSize() * factor)));
    else
        designFont.setPointSizeF(designFont.pointSizeF() * factor);
    return designFont;
}

int Scale::twipsOf(int pixels) const { return rounded(pixels * kTwipsPerPixel / factor); }

Scale scaleOf(const QWidget* control)
{
    const QWidget* window = control->window();
    Scale scale;
    if (const QVariant factor = window->property(kFactor); factor.isValid()) scale.factor = factor.toDouble();
    if (control == window || control->parentWidget() == window) scale.offset = window->property(kOffset).toPoint();
    return scale;
}

void setScale(QWidget* window, const Scale& scale)
{
    window->setProperty(kFactor, scale.factor);
    window->setProperty(kOffset, scale.offset);
    bringToScale(window);
    const QSize design = window->property(kDesignSize).toSize();
    const QRect area(scale.offset, QSize(scale.length(design.width()), scale.length(design.height())));
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // A message box over the window keeps its own size.
        if (control->isWindow()) continue;
        bringToScale(control);
        styleToScale(control, scale.factor);
        // What reaches beyond the design's client area is cut off there, as the window's edge cuts it at 100 %,
        // and never shows in a full-screen margin.
        const QRect place = control->geometry();
        if (control->parentWidget() == window && !area.contains(place))
            control->setMask(area.intersected(place).translated(-place.topLeft()));
        else if (!control->mask().isEmpty())
            control->clearMask();
    }
}

void placeAt(QWidget* control, QRect twips)
{
    control->setProperty(kTwips, twips);
    control->setGeometry(scaleOf(control).rect(twips));
}

QRect designRect(const QWidget* control) { return control->property(kTwips).toRect(); }

void setDesignSize(QWidget* window, QSize twips) { window->setProperty(kDesignSize, twips); }

QSize designSize(const QWidget* window) { return window->property(kDesignSize).toSize(); }

void setDesignFont(QWidget* control, const QFont& font)
{
    control->setProperty(kFont, QVariant::fromValue(font));
    control->setFont(scaleOf(control).font(font));
}

} // namespace platform
