#include "design.h"

#include "controls.h"
#include "units.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace platform {

namespace {

using Kind = ControlSpec::Kind;

QRect pixels(QRect twips) { return twipsRect(twips.x(), twips.y(), twips.width(), twips.height()); }

QFont fontOf(const ControlSpec& spec, const QWidget* parent)
{
    if (spec.font.family.isEmpty()) return parent->font();
    QFont font = designFont(spec.font.family, spec.font.points, spec.font.bold);
    font.setItalic(spec.font.italic);
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

Label* label(const ControlSpec& spec, QWidget* parent)
{
    auto* label = new Label(QString::fromLatin1(spec.name), parent, spec.twips);
    if (!spec.font.family.isEmpty()) label->setFont(fontOf(spec, parent));
    if (spec.fore.isValid()) label->setForeColor(spec.fore);
    if (spec.back.isValid()) label->setBackColor(spec.back);
    if (spec.look & look::kSunken) label->setSingleBorder();
    if (spec.look & look::kOneLine) label->setWordWrap(false);
    label->setAlignment(spec.align);
    if (!spec.caption.isEmpty()) label->setCaption(spec.caption);
    if (!spec.spoken.isEmpty()) label->setSpokenRole(spec.spoken);
    return label;
}

PictureBox* picture(const ControlSpec& spec, QWidget* parent)
{
    if (spec.kind == Kind::Button)
        return pictureButton(QString::fromLatin1(spec.name), parent, spec.twips, spec.picture, spec.back, spec.spoken);
    auto* box = new PictureBox(QString::fromLatin1(spec.name), parent, spec.twips);
    if (!spec.font.family.isEmpty()) box->setFont(fontOf(spec, parent));
    if (spec.back.isValid()) box->setBackColor(spec.back);
    // The colour of what is printed on it.
    setColours(box, QPalette::Window, QColor(), QPalette::WindowText, spec.fore);
    if (!spec.spoken.isEmpty()) box->setSpokenRole(spec.spoken);
    if (!spec.picture.isNull()) box->setPicture(spec.picture);
    return box;
}

QWidget* frame(const ControlSpec& spec, QWidget* parent)
{
    auto* shape = new Shape(QString::fromLatin1(spec.name), parent, spec.twips,
                            spec.kind == Kind::RoundedFrame ? Shape::Kind::RoundedRectangle : Shape::Kind::Rectangle);
    if (spec.back.isValid()) shape->setFill(spec.back);
    if (spec.fore.isValid())
        shape->setBorder(spec.fore, spec.lineWidth);
    else
        shape->setBorderVisible(false);
    return shape;
}

QWidget* list(const ControlSpec& spec, QWidget* parent)
{
    QListWidget* list = listBox(QString::fromLatin1(spec.name), parent, spec.twips, spec.back, spec.fore);
    if (!spec.spoken.isEmpty()) nameForUsers(list, spec.spoken);
    return list;
}

QWidget* slider(const ControlSpec& spec, QWidget* parent)
{
    auto* slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(spec.name));
    slider->setGeometry(pixels(spec.twips));
    stepOnePerNotch(slider);
    nameForUsers(slider, spec.spoken);
    return slider;
}

QWidget* checkBox(const ControlSpec& spec, QWidget* parent)
{
    auto* box = new QCheckBox(spec.caption, parent);
    box->setObjectName(QString::fromLatin1(spec.name));
    box->setGeometry(pixels(spec.twips));
    box->setFont(fontOf(spec, parent));
    setColours(box, QPalette::Window, spec.back, QPalette::WindowText, spec.fore);
    if (spec.back.isValid()) {
        box->setBackgroundRole(QPalette::Window); // a button fills with the light button colour otherwise
        box->setAutoFillBackground(true);
    }
    return box;
}

QWidget* textBox(const ControlSpec& spec, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(spec.name));
    box->setGeometry(pixels(spec.twips));
    box->setFont(fontOf(spec, parent));
    setColours(box, QPalette::Base, spec.back, QPalette::Text, spec.fore);
    if (!spec.spoken.isEmpty()) nameForUsers(box, spec.spoken);
    return box;
}

QWidget* build(const ControlSpec& spec, QWidget* parent)
{
    switch (spec.kind) {
    case Kind::Label: return label(spec, parent);
    case Kind::Picture:
    case Kind::Button: return picture(spec, parent);
    case Kind::Frame:
    case Kind::RoundedFrame: return frame(spec, parent);
    case Kind::Line:
        return new Line(QString::fromLatin1(spec.name), parent, spec.line.p1(), spec.line.p2(), spec.fore,
                        spec.lineWidth);
    case Kind::List: return list(spec, parent);
    case Kind::Slider: return slider(spec, parent);
    case Kind::CheckBox: return checkBox(spec, parent);
    case Kind::TextBox: return textBox(spec, parent);
    }
    return nullptr;
}

} // namespace

Controls buildControls(QWidget* window, const Design& design)
{
    Controls controls;
    for (const ControlSpec& spec : design) {
        QWidget* parent = spec.inside == ControlSpec::kDecoration ? window : controls.at<QWidget>(spec.inside);
        QWidget* control = build(spec, parent);
        if (spec.look & look::kHand) control->setCursor(Qt::PointingHandCursor);
        if (spec.look & look::kNamedByPicture) nameForUsers(control, spec.picture.title());
        if (!spec.readAs.isEmpty()) control->setAccessibleName(spec.readAs);
        if (spec.look & look::kClickThrough) control->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (spec.look & look::kHidden) control->hide();
        if (spec.role != ControlSpec::kDecoration) controls.add(spec.role, control);
    }
    return controls;
}

} // namespace platform
