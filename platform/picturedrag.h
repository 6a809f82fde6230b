#pragma once

#include <QWidget>

#include <functional>

namespace platform {

class PictureBox;

// Automatic drag mode: pressing the left button on the box and moving the mouse drags
// a copy of its picture, shown as the picture in a dotted outline. The box keeps its own.
void makeDraggable(PictureBox* box);

// Drops of a draggable picture box on the target call onDrop with the dragged box;
// any other drag goes on to the target as usual.
void acceptPictureDrops(QWidget* target, std::function<void(const PictureBox& source)> onDrop);

} // namespace platform
