#pragma once

#include <QMimeData>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace platform {

class PictureBox;

// What a drag of a picture box carries: the box itself, so a drop takes its picture.
// Data from outside the program never is of this kind, so nothing else poses as a picture.
class PictureDragData : public QMimeData {
    Q_OBJECT
public:
    explicit PictureDragData(const PictureBox& box);
    const PictureBox* box() const { return box_.data(); }

private:
    QPointer<const PictureBox> box_;
};

// Automatic drag mode: pressing the left button on the box and moving the mouse drags
// a copy of its picture, shown as the picture in a dotted outline. The box keeps its own.
void makeDraggable(PictureBox* box);

// Drops of a draggable picture box on the target call onDrop with the dragged box;
// any other drag goes on to the target as usual.
void acceptPictureDrops(QWidget* target, std::function<void(const PictureBox& source)> onDrop);

} // namespace platform
