#include "windows.h"

#include "units.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

namespace platform {

void setupFixedWindow(QWidget* window, const QString& name, const QString& title, int clientWidthTwips,
                      int clientHeightTwips, const QColor& back)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, back);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void centreOnScreen(QWidget* window) { placeOnScreen(window, 2); }

void placeOnScreen(QWidget* window, int topShare)
{
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / topShare);
}

void SideWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) Form_Activate();
}

void SideWindow::closeEvent(QCloseEvent* event)
{
    // The main window must come back before this one goes away.
    if (isVisible()) Form_Unload();
    event->accept();
}

void switchWindow(QWidget* from, QWidget* to)
{
    if (from == to) return;
    to->show();
    to->raise();
    to->activateWindow();
    if (from) from->hide();
}

void keepRunning(QTimer& timer, bool on)
{
    if (!on)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

KeyPreview::KeyPreview(QWidget* window, Handler handler) : QObject(window), handler_(std::move(handler))
{
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
}

void KeyPreview::watch(QWidget* child) { child->installEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handler_(key->key())) return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
