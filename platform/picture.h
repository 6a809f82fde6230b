#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

namespace platform {

// A vector picture shared by reference: assigning a picture to a box shares it,
// and two boxes show "the same picture" exactly when they share one.
class Picture {
public:
    using PaintFn = std::function<void(QPainter&, const QRectF&)>;

    Picture() = default;
    // naturalSize in logical pixels; an empty size fills the whole box.
    // title names the motif in German, for screen readers.
    static Picture fromPainter(PaintFn paint, QSizeF naturalSize = {}, const QString& title = {});
    static Picture fromSvg(const QString& resourcePath, QSizeF naturalSize = {}, const QString& title = {});

    bool isNull() const { return !art_; }
    QSizeF naturalSize() const { return art_ ? art_->naturalSize : QSizeF(); }
    QString title() const { return art_ ? art_->title : QString(); }
    void paint(QPainter& painter, const QRectF& box) const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.art_ == b.art_; }

private:
    struct Art {
        PaintFn paint;
        QSizeF naturalSize;
        QString title;
    };
    std::shared_ptr<const Art> art_;
};

} // namespace platform
