#include "look.h"

#include "platform/controls.h"
#include "platform/units.h"

#include <QScrollBar>

using platform::twips;

QString rgb(const QColor& c)
{
    return c.isValid() ? QString::asprintf("%d,%d,%d", c.red(), c.green(), c.blue()) : "clear";
}

QString look(QWidget* c)
{
    const QRect g = c->isWindow() ? c->rect() : c->geometry();
    const QFont f = c->font();
    QString seen = QString::asprintf("%s %d,%d %dx%d", qPrintable(c->objectName()), twips(g.x()), twips(g.y()),
                                     twips(g.width()), twips(g.height()));
    const QString font =
        QString::asprintf(" %s %g%s", qPrintable(f.families().value(0)), f.pixelSize() * 0.75, f.bold() ? " bold" : "");
    const auto align = QStringList{"", " left", " right", "", " centred"};
    if (c->isWindow()) {
        seen += " '" + c->windowTitle() + "' back " + rgb(c->palette().color(QPalette::Window)) + font;
    } else if (auto* l = qobject_cast<platform::Label*>(c)) {
        seen += " '" + l->caption() + "' " + rgb(l->foreColor()) + " on " +
                rgb(l->autoFillBackground() ? l->backColor() : QColor()) + font +
                align.value(l->alignment() & Qt::AlignHorizontal_Mask) + (l->frameShape() ? " framed" : "");
    } else if (auto* shape = qobject_cast<platform::Shape*>(c)) {
        seen += " fill " + rgb(shape->fillColor());
    } else if (auto* slider = qobject_cast<QScrollBar*>(c)) {
        seen += QString::asprintf(" %d..%d at %d", slider->minimum(), slider->maximum(), slider->value());
    } else if (auto* box = qobject_cast<platform::PictureBox*>(c)) {
        seen += " back " + rgb(box->backColor());
        if (!box->printedText().isEmpty()) seen += " text " + rgb(box->palette().color(QPalette::WindowText)) + font;
        for (const auto& [at, text] : box->printedText()) // the start text, by lines from the field's top left
            seen += QString::asprintf(" line %d from %d '", at.y() / twips(box->fontMetrics().lineSpacing()), at.x()) +
                    text + "'";
    }
    return seen + (c->isVisibleTo(c->window()) ? "" : " hidden");
}
