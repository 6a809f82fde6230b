#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace platform {

Picture Picture::fromPainter(PaintFn paint, QSizeF naturalSize, const QString& title)
{
    Picture picture;
    picture.art_ = std::make_shared<const Art>(Art{std::move(paint), naturalSize, title});
    return picture;
}

Picture Picture::fromSvg(const QString& resourcePath, QSizeF naturalSize, const QString& title)
{
    // Parsed at the first paint: most pictures are made long before they come on screen, and many never do.
    auto renderer = std::make_shared<std::unique_ptr<QSvgRenderer>>();
    Picture picture;
    PaintFn paint = [renderer, resourcePath](QPainter& painter, const QRectF& target) {
        if (!*renderer) *renderer = std::make_unique<QSvgRenderer>(resourcePath);
        (*renderer)->render(&painter, target);
    };
    picture.art_ = std::make_shared<const Art>(Art{std::move(paint), naturalSize, title, resourcePath});
    return picture;
}

void Picture::paint(QPainter& painter, const QRectF& box) const
{
    if (!art_) return;
    const QSizeF size = art_->naturalSize.isEmpty() ? box.size() : art_->naturalSize;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    art_->paint(painter, QRectF(box.topLeft(), size));
    painter.restore();
}

} // namespace platform
