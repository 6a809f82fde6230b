#pragma once

#include "picture.h"
#include "scale.h"

#include <QLabel>
#include <QList>
#include <QWidget>

#include <functional>

class QAbstractSlider;
class QListView;
class QListWidget;

// The window designs' kinds of control, as thin Qt widgets placed in twips.
namespace platform {

// A caption with back and fore colour; clicking it emits clicked().
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString& name, QWidget* parent, QRect twipsGeometry);

    // Carriage return and line feed in a caption break the line.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setBackColor(const QColor& color);
    QColor backColor() const;
    void setForeColor(const QColor& color);
    QColor foreColor() const;
    void setTransparentBack();
    void setSingleBorder();
    // A caption that changes is named by its role and what it shows, for screen readers:
    // "Antwort bestätigen: 57"; the tooltip names the role.
    void setSpokenRole(const QString& role);
    // Something acts on clicks, so screen readers are told it is a button.
    bool answersClicks() const;
    // A caption that does not fit on its line ends in "…" instead of being cut mid-letter, cut afresh whenever the
    // label's size or font changes; screen readers hear it whole.
    void setElided(bool on);

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showCaption();
    void nameByCaption();

    QString caption_;
    QString spokenRole_;
    bool elided_ = false;
};

// A box that shows a picture on its back colour, and can have text printed on it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent, QRect twipsGeometry);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    // A box whose picture changes is named by its role and its picture's title,
    // as tooltip and for screen readers: "Bild des ersten Spielers: Katze".
    void setSpokenRole(const QString& role);
    bool answersClicks() const;
    void setBackColor(const QColor& color);
    QColor backColor() const { return back_; }

    // Printed text stays until clearText(); positions in twips inside the box.
    struct PrintedText {
        QPoint twipsPos;
        QString text;
    };
    void clearText();
    void printAt(QPoint twipsPos, const QString& text);
    const QList<PrintedText>& printedText() const { return printed_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nameByPicture();

    Picture picture_;
    QString spokenRole_;
    QColor back_;
    QList<PrintedText> printed_;
};

// A picture box that serves as a button: an icon on its back colour, under a pointing hand.
// `tip` says in German what it does, as tooltip and for screen readers.
PictureBox* pictureButton(const QString& name, QWidget* parent, QRect twipsGeometry, const Picture& icon,
                          const QColor& back, const QString& tip);

// A list box of fixed-width lines in Courier New 12 pt bold, in the given colours.
QListWidget* listBox(const QString& name, QWidget* parent, QRect twipsGeometry, const QColor& back, const QColor& text);

// A list made to hold all its entries: its rows share its whole height, also after its size or font changed,
// so that a click anywhere in it picks a row.
void fillWithRows(QListView* list);

// Each stroke of the left button or a finger on the control, from its press to its release in screen pixels, goes
// to `stroke` first; a stroke it takes is no click. A finger drags as the mouse does: Qt makes mouse events of it.
void takeStrokes(QWidget* control, std::function<bool(QPoint from, QPoint to)> stroke);

// One notch of the mouse wheel moves the slider by one step, so the wheel reaches every value;
// Qt's default of three lines per notch would skip two of every three.
void stepOnePerNotch(QAbstractSlider* slider);

// Gives a control a German name for screen readers and the same text as tooltip.
void nameForUsers(QWidget* control, const QString& tip);

// A rectangle or rounded rectangle drawn on the window; clicks pass through it.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle };
    Shape(const QString& name, QWidget* parent, QRect twipsGeometry, Kind kind = Kind::Rectangle);

    void setBorder(const QColor& color, int width);
    void setBorderVisible(bool on);
    void setFill(const QColor& color);
    QColor fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
    bool borderVisible_ = true;
    QColor fill_;
};

// A straight line between two points given in twips; clicks pass through it.
class Line : public QWidget, public Scaled {
    Q_OBJECT
public:
    Line(const QString& name, QWidget* parent, QPoint twipsFrom, QPoint twipsTo, const QColor& color, int width);
    void rescale() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int strokeWidth() const; // of the stroke, in pixels at the window's scale

    QPoint from_;
    QPoint to_;
    QColor color_;
    int width_;
};

} // namespace platform
