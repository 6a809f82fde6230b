#pragma once

#include "scale.h"

#include <QSize>

#include <array>

class QWidget;

// How large the windows are drawn for the run: at one of the zoom steps, or filling the screen.
namespace platform {

inline constexpr std::array<int, 8> kZoomSteps{100, 125, 150, 175, 200, 250, 300, 400};

struct Zoom {
    int percent = 100;
    bool fullScreen = false;
};

bool isZoomStep(int percent);
// The neighbouring step; the same step at either end.
int zoomStepUp(int percent);
int zoomStepDown(int percent);
// The largest step up to `percent` at which a window of `design` twips fits into `room` pixels; 100 % always.
int fittingZoom(int percent, QSize design, QSize room);
// The largest scale at which `design` twips fit into `screen` pixels, centred.
Scale fullScreenScale(QSize design, QSize screen);

} // namespace platform
