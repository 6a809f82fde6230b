#include "controls.h"

#include "dialogs.h"
#include "scale.h"
#include "units.h"

#include <QAbstractSlider>
#include <QMetaMethod>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>

namespace platform {

namespace {

// How a control that shows something changing is named: by its role, and what it shows if anything.
QString spokenName(const QString& role, const QString& shown)
{
    return shown.isEmpty() ? role : role + QStringLiteral(": ") + shown;
}

// A press and release of the left button over the same control is the design's Click.
// The control takes both events, so they never reach the window behind it.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> onClick) : QObject(widget), onClick_(std::move(onClick))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A double-click is one Click and then a DblClick, which nothing handles: its second press
        // must not act again, or a double-click on a button would open and shut a list at once.
        if (event->type() == QEvent::MouseButtonDblClick) {
            pressed_ = false;
            return true;
        }
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (!press && event->type() != QEvent::MouseButtonRelease) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool left = mouse->button() == Qt::LeftButton;
        if (press) {
            pressed_ = left;
        } else if (std::exchange(pressed_, false) && left &&
                   static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            onClick_();
        }
        return true;
    }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// Installed after the click filter, so it sees the release first and can keep a stroke from being a click.
class StrokeFilter : public QObject {
public:
    StrokeFilter(QWidget* widget, std::function<bool(QPoint, QPoint)> stroke)
        : QObject(widget), stroke_(std::move(stroke))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->globalPosition().toPoint();
        // Two quick strokes from one spot make a double-click: its second press starts a stroke all the same.
        if (type != QEvent::MouseButtonRelease) {
            pressed_ = mouse->button() == Qt::LeftButton;
            from_ = at;
            return false;
        }
        return std::exchange(pressed_, false) && mouse->button() == Qt::LeftButton && stroke_(from_, at);
    }

private:
    std::function<bool(QPoint, QPoint)> stroke_;
    bool pressed_ = false;
    QPoint from_;
};

class NotchFilter : public QObject {
public:
    explicit NotchFilter(QAbstractSlider* slider) : QObject(slider) { slider->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel) return false;
        auto* slider = static_cast<QAbstractSlider*>(watched);
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint angle = wheel->angleDelta();
        // As Qt's own sliders read it: the stronger axis counts, and a swipe to the right is negative.
        int delta = std::abs(angle.x()) > std::abs(angle.y()) ? -angle.x() : angle.y();
        if (wheel->inverted()) delta = -delta;
        if (slider->invertedControls()) delta = -delta;
        // Fine-grained wheels and touch pads send parts of a notch.
        pending_ += delta;
        const int steps = pending_ / 120;
        pending_ -= steps * 120;
        slider->setValue(slider->value() + steps * slider->singleStep());
        wheel->accept();
        return true;
    }

private:
    int pending_ = 0;
};

// Row r ends at r + 1 tenths of the height when there are ten: the pixels the division leaves over go one to
// each of some rows, never to a strip under the last.
class RowsFillList : public QStyledItemDelegate {
public:
    explicit RowsFillList(QListView* list) : QStyledItemDelegate(list), list_(list)
    {
        list->setItemDelegate(this);
        list->viewport()->installEventFilter(this);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const int rows = index.model()->rowCount();
        const int height = list_->viewport()->height();
        const int row = index.row();
        // No width of its own: each row is as wide as the list.
        return {0, height * (row + 1) / rows - height * row / rows};
    }

protected:
    // The rows are laid out again as soon as the list's height changes, as zooming does.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) list_->doItemsLayout();
        return false;
    }

private:
    QListView* list_;
};

} // namespace

void fillWithRows(QListView* list) { new RowsFillList(list); }

void stepOnePerNotch(QAbstractSlider* slider) { new NotchFilter(slider); }

void takeStrokes(QWidget* control, std::function<bool(QPoint from, QPoint to)> stroke)
{
    new StrokeFilter(control, std::move(stroke));
}

Label::Label(const QString& name, QWidget* parent, QRect twipsGeometry) : QLabel(parent)
{
    setObjectName(name);
    placeAt(this, twipsGeometry);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Designed on light backgrounds: a dark desktop theme must not turn the text white.
    setForeColor(Qt::black);
    new ClickFilter(this, [this] { emit clicked(); });
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
    nameByCaption();
}

void Label::setElided(bool on)
{
    elided_ = on;
    showCaption();
}

void Label::showCaption()
{
    const QString whole = displayText(caption_);
    if (!elided_) {
        setText(whole);
        return;
    }
    setText(fontMetrics().elidedText(whole, Qt::ElideRight, contentsRect().width()));
    // Screen readers are given the whole caption where the label shows less.
    if (spokenRole_.isEmpty()) setAccessibleName(text() == whole ? QString() : whole);
}

void Label::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (elided_) showCaption();
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (elided_ && event->type() == QEvent::FontChange) showCaption();
}

void Label::setSpokenRole(const QString& role)
{
    spokenRole_ = role;
    setToolTip(role);
    nameByCaption();
}

void Label::nameByCaption()
{
    if (spokenRole_.isEmpty()) return;
    setAccessibleName(spokenName(spokenRole_, caption_.trimmed()));
}

bool Label::answersClicks() const { return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked)); }

void Label::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

QColor Label::backColor() const { return palette().color(QPalette::Window); }

void Label::setForeColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

QColor Label::foreColor() const { return palette().color(QPalette::WindowText); }

void Label::setTransparentBack() { setAutoFillBackground(false); }

void Label::setSingleBorder()
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

PictureBox::PictureBox(const QString& name, QWidget* parent, QRect twipsGeometry) : QWidget(parent)
{
    setObjectName(name);
    placeAt(this, twipsGeometry);
    new ClickFilter(this, [this] { emit clicked(); });
}

// The setters repaint only on a change: a window copies its whole state onto its controls at every step.
void PictureBox::setPicture(const Picture& picture)
{
    if (picture == picture_) return;
    picture_ = picture;
    nameByPicture();
    update();
}

void PictureBox::setSpokenRole(const QString& role)
{
    spokenRole_ = role;
    nameByPicture();
}

bool PictureBox::answersClicks() const { return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked)); }

void PictureBox::nameByPicture()
{
    if (spokenRole_.isEmpty()) return;
    nameForUsers(this, spokenName(spokenRole_, picture_.title()));
}

void PictureBox::setBackColor(const QColor& color)
{
    if (color == back_) return;
    back_ = color;
    update();
}

void PictureBox::clearText()
{
    printed_.clear();
    update();
}

void PictureBox::printAt(QPoint twipsPos, const QString& text)
{
    printed_.append({twipsPos, text});
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (back_.isValid()) painter.fillRect(rect(), back_);
    const Scale scale{scaleOf(this).factor, {}};
    if (!picture_.isNull()) {
        // Drawn at its design size and enlarged as a drawing, never as pixels.
        painter.save();
        painter.scale(scale.factor, scale.factor);
        picture_.paint(painter, QRectF(QPointF(), QSizeF(size()) / scale.factor));
        painter.restore();
    }
    if (!printed_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        const int ascent = fontMetrics().ascent();
        for (const PrintedText& item : printed_)
            painter.drawText(scale.point(item.twipsPos) + QPoint(0, ascent), item.text);
    }
}

PictureBox* pictureButton(const QString& name, QWidget* parent, QRect twipsGeometry, const Picture& icon,
                          const QColor& back, const QString& tip)
{
    auto* button = new PictureBox(name, parent, twipsGeometry);
    button->setBackColor(back);
    button->setPicture(icon);
    button->setCursor(Qt::PointingHandCursor);
    nameForUsers(button, tip);
    return button;
}

QListWidget* listBox(const QString& name, QWidget* parent, QRect twipsGeometry, const QColor& back, const QColor& text)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    placeAt(list, twipsGeometry);
    setDesignFont(list, designFont(kCourierNew, 12));
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Text, text);
    list->setPalette(pal);
    return list;
}

void nameForUsers(QWidget* control, const QString& tip)
{
    control->setToolTip(tip);
    control->setAccessibleName(tip);
}

Shape::Shape(const QString& name, QWidget* parent, QRect twipsGeometry, Kind kind) : QWidget(parent), kind_(kind)
{
    setObjectName(name);
    placeAt(this, twipsGeometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorder(const QColor& color, int width)
{
    border_ = color;
    borderWidth_ = width;
    update();
}

void Shape::setBorderVisible(bool on)
{
    borderVisible_ = on;
    update();
}

void Shape::setFill(const QColor& color)
{
    if (color == fill_) return;
    fill_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = borderWidth_ * scaleOf(this).factor;
    const double inset = borderVisible_ ? width / 2.0 : 0.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(borderVisible_ ? QPen(border_, width) : QPen(Qt::NoPen));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (kind_ == Kind::RoundedRectangle) {
        const double radius = std::min(box.width(), box.height()) / 8.0;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

Line::Line(const QString& name, QWidget* parent, QPoint twipsFrom, QPoint twipsTo, const QColor& color, int width)
    : QWidget(parent), from_(twipsFrom), to_(twipsTo), color_(color), width_(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    rescale();
}

int Line::strokeWidth() const { return std::max(1, static_cast<int>(std::lround(width_ * scaleOf(this).factor))); }

void Line::rescale()
{
    const Scale scale = scaleOf(this);
    const int width = strokeWidth();
    const QRect span = QRect(scale.point(from_), scale.point(to_)).normalized();
    setGeometry(span.adjusted(-width / 2, -width / 2, width - width / 2, width - width / 2));
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(color_, strokeWidth(), Qt::SolidLine, Qt::SquareCap));
    const Scale scale = scaleOf(this);
    painter.drawLine(scale.point(from_) - pos(), scale.point(to_) - pos());
}

} // namespace platform
