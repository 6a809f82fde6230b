#include "accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>

namespace platform {

namespace {

const char* const kPresented = "pelkoPresented";

bool answersClicks(const QObject* object)
{
    if (const auto* box = qobject_cast<const PictureBox*>(object)) return box->answersClicks();
    if (const auto* label = qobject_cast<const Label*>(object)) return label->answersClicks();
    return false;
}

// Drawn only to be seen: nothing for a screen reader to say or do. Frames and lines let every click
// through, as do the pieces of a caption that one of them speaks for whole.
bool isDecoration(const QWidget* widget)
{
    if (!widget->accessibleName().isEmpty()) return false;
    if (widget->testAttribute(Qt::WA_TransparentForMouseEvents)) return true;
    return qobject_cast<const PictureBox*>(widget) && !answersClicks(widget);
}

class WindowAccess : public QAccessibleWidget {
public:
    explicit WindowAccess(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(spoken().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = spoken();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(spoken().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> spoken() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !isDecoration(child)) children.append(child);
        }
        return children;
    }
};

// Qt asks for an interface while a control is still being built, before anything listens to its clicks,
// and keeps the answer: so the role is told anew each time it is asked.
class ControlAccess : public QAccessibleWidget {
public:
    explicit ControlAccess(QWidget* control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override
    {
        if (answersClicks(object())) return QAccessible::Button;
        if (qobject_cast<const Label*>(object())) return QAccessible::StaticText;
        return isDecoration(widget()) ? QAccessible::Client : QAccessible::Graphic;
    }
    QString text(QAccessible::Text kind) const override
    {
        const QString said = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name || !said.isEmpty()) return said;
        const auto* label = qobject_cast<const Label*>(object());
        return label ? label->text() : said;
    }
    // Pressed through the screen reader as by the mouse.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (answersClicks(object())) names << pressAction();
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !answersClicks(object())) return QAccessibleWidget::doAction(action);
        if (auto* box = qobject_cast<PictureBox*>(object())) emit box->clicked();
        if (auto* label = qobject_cast<Label*>(object())) emit label->clicked();
    }
};

QAccessibleInterface* presentation(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked once per class up the hierarchy: answer only for the object's own class.
    if (!widget || className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (qobject_cast<PictureBox*>(widget) || qobject_cast<Label*>(widget)) return new ControlAccess(widget);
    if (widget->isWindow() && widget->property(kPresented).toBool()) return new WindowAccess(widget);
    return nullptr;
}

} // namespace

void presentToScreenReaders(QWidget* window)
{
    QAccessible::installFactory(presentation); // once: Qt keeps a factory only once
    window->setProperty(kPresented, true);
}

} // namespace platform
