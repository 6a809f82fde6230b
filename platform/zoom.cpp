#include "zoom.h"

#include "units.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

bool fits(const Scale& scale, QSize design, QSize room)
{
    return scale.length(design.width()) <= room.width() && scale.length(design.height()) <= room.height();
}

} // namespace

bool isZoomStep(int percent) { return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end(); }

int zoomStepUp(int percent)
{
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return above == kZoomSteps.end() ? kZoomSteps.back() : *above;
}

int zoomStepDown(int percent)
{
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return at == kZoomSteps.begin() ? kZoomSteps.front() : *(at - 1);
}

int fittingZoom(int percent, QSize design, QSize room)
{
    int largest = kZoomSteps.front();
    for (int step : kZoomSteps) {
        if (step <= percent && fits(Scale{step / 100.0, {}}, design, room)) largest = step;
    }
    return largest;
}

Scale fullScreenScale(QSize design, QSize screen)
{
    if (design.isEmpty() || screen.isEmpty()) return {};
    Scale scale;
    scale.factor = std::min(double(screen.width()) * kTwipsPerPixel / design.width(),
                            double(screen.height()) * kTwipsPerPixel / design.height());
    // Rounded once, from the exact margins, so that no control stands more than a pixel from its place.
    const auto margin = [&](int room, int twips) {
        return static_cast<int>(std::lround((room - twips * scale.factor / kTwipsPerPixel) / 2));
    };
    scale.offset = QPoint(margin(screen.width(), design.width()), margin(screen.height(), design.height()));
    return scale;
}

} // namespace platform
