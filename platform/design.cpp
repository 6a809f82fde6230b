#include "design.h"

#include "controls.h"
#include "scale.h"
#include "units.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace platform {

namespace {

using Kind = ControlSpec::Kind;

QFont fontOf(const ControlSpec& row, const QWidget* parent)
{
    if (row.font.family.isEmpty()) return parent->font();
    QFont font = designFont(row.font.family, row.font.points, row.font.bold);
    font.setItalic(row.font.italic);
    return font;
}

void setColours(QWidget* control, QPalette::ColorRole backRole, const QColor& back, QPalette::ColorRole foreRole,
                const QColor& fore)
{
    QPalette pal = control->palette();
    if (back.isValid()) pal.setColor(backRole, back);
    if (fore.isValid()) pal.setColor(foreRole, fore);
    control->setPalette(pal);
}

Label* label(const ControlSpec& row, QWidget* parent)
{
    auto* label = new Label(QString::fromLatin1(row.name), parent, row.twips);
    if (!row.font.family.isEmpty()) setDesignFont(label, fontOf(row, parent));
    if (row.fore.isValid()) label->setForeColor(row.fore);
    if (row.back.isValid()) label->setBackColor(row.back);
    if (row.look & look::kSunken) label->setSingleBorder();
    if (row.look & look::kOneLine) {
        label->setWordWrap(false);
        label->setElided(true);
    }
    label->setAlignment(row.align);
    if (!row.caption.isEmpty()) label->setCaption(row.caption);
    if (!row.spoken.isEmpty()) label->setSpokenRole(row.spoken);
    return label;
}

PictureBox* picture(const ControlSpec& row, QWidget* parent)
{
    if (row.kind == Kind::Button)
        return pictureButton(QString::fromLatin1(row.name), parent, row.twips, row.picture, row.back, row.spoken);
    auto* box = new PictureBox(QString::fromLatin1(row.name), parent, row.twips);
    if (!row.font.family.isEmpty()) setDesignFont(box, fontOf(row, parent));
    if (row.back.isValid()) box->setBackColor(row.back);
    // The colour of what is printed on it.
    setColours(box, QPalette::Window, QColor(), QPalette::WindowText, row.fore);
    if (!row.spoken.isEmpty()) box->setSpokenRole(row.spoken);
    if (!row.picture.isNull()) box->setPicture(row.picture);
    return box;
}

QWidget* frame(const ControlSpec& row, QWidget* parent)
{
    auto* shape = new Shape(QString::fromLatin1(row.name), parent, row.twips,
                            row.kind == Kind::RoundedFrame ? Shape::Kind::RoundedRectangle : Shape::Kind::Rectangle);
    if (row.back.isValid()) shape->setFill(row.back);
    if (row.fore.isValid())
        shape->setBorder(row.fore, row.lineWidth);
    else
        shape->setBorderVisible(false);
    return shape;
}

QWidget* list(const ControlSpec& row, QWidget* parent)
{
    QListWidget* list = listBox(QString::fromLatin1(row.name), parent, row.twips, row.back, row.fore);
    if (!row.spoken.isEmpty()) nameForUsers(list, row.spoken);
    return list;
}

QWidget* slider(const ControlSpec& row, QWidget* parent)
{
    auto* slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(row.name));
    placeAt(slider, row.twips);
    stepOnePerNotch(slider);
    nameForUsers(slider, row.spoken);
    return slider;
}

QWidget* checkBox(const ControlSpec& row, QWidget* parent)
{
    auto* box = new QCheckBox(row.caption, parent);
    box->setObjectName(QString::fromLatin1(row.name));
    placeAt(box, row.twips);
    setDesignFont(box, fontOf(row, parent));
    setColours(box, QPalette::Window, row.back, QPalette::WindowText, row.fore);
    if (row.back.isValid()) {
        box->setBackgroundRole(QPalette::Window); // a button fills with the light button colour otherwise
        box->setAutoFillBackground(true);
    }
    return box;
}

QWidget* textBox(const ControlSpec& row, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(row.name));
    placeAt(box, row.twips);
    setDesignFont(box, fontOf(row, parent));
    setColours(box, QPalette::Base, row.back, QPalette::Text, row.fore);
    if (!row.spoken.isEmpty()) nameForUsers(box, row.spoken);
    return box;
}

QWidget* build(const ControlSpec& row, QWidget* parent)
{
    switch (row.kind) {
    case Kind::Label: return label(row, parent);
    case Kind::Picture:
    case Kind::Button: return picture(row, parent);
    case Kind::Frame:
    case Kind::RoundedFrame: return frame(row, parent);
    case Kind::Line:
        return new Line(QString::fromLatin1(row.name), parent, row.line.p1(), row.line.p2(), row.fore, row.lineWidth);
    case Kind::List: return list(row, parent);
    case Kind::Slider: return slider(row, parent);
    case Kind::CheckBox: return checkBox(row, parent);
    case Kind::TextBox: return textBox(row, parent);
    }
    return nullptr;
}

} // namespace

Controls buildControls(QWidget* window, const Design& design)
{
    Controls controls;
    for (const ControlSpec& row : design) {
        QWidget* parent = row.inside == ControlSpec::kDecoration ? window : controls.at<QWidget>(row.inside);
        QWidget* control = build(row, parent);
        if (row.look & look::kHand) control->setCursor(Qt::PointingHandCursor);
        if (row.look & look::kNamedByPicture) nameForUsers(control, row.picture.title());
        if (!row.readAs.isEmpty()) control->setAccessibleName(row.readAs);
        if (row.look & look::kClickThrough) control->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (row.look & look::kHidden) control->hide();
        if (row.role != ControlSpec::kDecoration) controls.add(row.role, control);
    }
    return controls;
}

} // namespace platform
