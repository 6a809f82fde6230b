#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

namespace platform {

// A vector picture shared by reference. Two pictures are the same when they share one drawing, or when
// both come from the same file at the same size and title, however often that file was loaded.
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

    friend bool operator==(const Picture& a, const Picture& b)
    {
        if (a.art_ == b.art_) return true;
        if (!a.art_ || !b.art_ || a.art_->source.isEmpty()) return false;
        return a.art_->source == b.art_->source && a.art_->naturalSize == b.art_->naturalSize &&
               a.art_->title == b.art_->title;
    }

private:
    struct Art {
        PaintFn paint;
        QSizeF naturalSize;
        QString title;
        QString source; // the file it is drawn from; empty for a drawing made in code
    };
    std::shared_ptr<const Art> art_;
};

} // namespace platform
