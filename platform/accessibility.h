#pragma once

class QWidget;

namespace platform {

// Presents a window of this program to screen readers as a window, and its controls by what they do:
// a picture or caption that answers a click is a button with a press action, a picture with a name is a
// graphic, and frames, lines, unnamed pictures (templates, the moving arrow) and unnamed controls that let
// every click through are left out of its children.
void presentToScreenReaders(QWidget* window);

} // namespace platform
