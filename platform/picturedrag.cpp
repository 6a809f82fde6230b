#include "picturedrag.h"

#include "controls.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace platform {

namespace {

const char* const kDraggableProperty = "pelkoDraggable";

QPixmap dragImage(const PictureBox& box)
{
    const qreal ratio = box.devicePixelRatioF();
    QPixmap pixmap(box.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(0.7);
    box.picture().paint(painter, QRectF(box.rect()));
    painter.setOpacity(1.0);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(QRectF(box.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

class DragSource : public QObject {
public:
    explicit DragSource(PictureBox* box) : QObject(box), box_(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The second press of a double-click arrives as a DblClick: a child who clicks a picture and
        // at once presses it again to drag must still get the drag.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton;
            pressPos_ = mouse->position().toPoint();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            pressed_ = false;
        } else if (event->type() == QEvent::MouseMove && pressed_) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if ((mouse->buttons() & Qt::LeftButton) &&
                (mouse->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                pressed_ = false;
                startDrag();
                return true;
            }
        }
        return false; // the box's own click handling still sees the press and release
    }

private:
    void startDrag()
    {
        if (box_->picture().isNull()) return;
        auto* drag = new QDrag(box_);
        drag->setMimeData(new PictureDragData(*box_));
        drag->setPixmap(dragImage(*box_));
        drag->setHotSpot(pressPos_);
        drag->exec(Qt::CopyAction);
    }

    PictureBox* box_;
    bool pressed_ = false;
    QPoint pressPos_;
};

class DropTarget : public QObject {
public:
    DropTarget(QWidget* target, std::function<void(const PictureBox&)> onDrop)
        : QObject(target), onDrop_(std::move(onDrop))
    {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
        auto* drop = static_cast<QDropEvent*>(event);
        const PictureBox* source = draggedBox(*drop);
        if (!source) return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) onDrop_(*source);
        return true;
    }

private:
    static const PictureBox* draggedBox(const QDropEvent& event)
    {
        const auto* data = qobject_cast<const PictureDragData*>(event.mimeData());
        const PictureBox* box = data ? data->box() : nullptr;
        return box && box->property(kDraggableProperty).toBool() ? box : nullptr;
    }

    std::function<void(const PictureBox&)> onDrop_;
};

} // namespace

PictureDragData::PictureDragData(const PictureBox& box) : box_(&box) {}

void makeDraggable(PictureBox* box)
{
    box->setProperty(kDraggableProperty, true);
    box->setCursor(Qt::OpenHandCursor);
    new DragSource(box);
}

void acceptPictureDrops(QWidget* target, std::function<void(const PictureBox& source)> onDrop)
{
    new DropTarget(target, std::move(onDrop));
}

} // namespace platform
