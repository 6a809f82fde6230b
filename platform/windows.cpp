#include "windows.h"

#include "accessibility.h"
#include "scale.h"
#include "units.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <climits>
#include <cmath>

namespace platform {

void setupFixedWindow(QWidget* window, const QString& name, const QString& title, int clientWidthTwips,
                      int clientHeightTwips, const QColor& back)
{
    // First: a new title already makes Qt ask how the window presents itself, and it keeps the answer.
    presentToScreenReaders(window);
    window->setObjectName(name);
    window->setWindowTitle(title);
    setDesignSize(window, QSize(clientWidthTwips, clientHeightTwips));
    window->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, back);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void centreOnScreen(QWidget* window) { placeOnScreen(window, 2); }

namespace {

const char* const kPlacing = "pelkoPlacing";
const char* const kTopShare = "pelkoTopShare";

QMargins frameOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The window manager tells a window's frame only once the window is on screen. Until then the frame
// of any other window on screen stands in: they all wear the same.
QMargins expectedFrame(const QWidget* window)
{
    const QMargins own = frameOf(window);
    if (!own.isNull()) return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QMargins frame = other != window && other->isVisible() ? frameOf(other) : QMargins();
        if (!frame.isNull()) return frame;
    }
    return {};
}

void place(QWidget* window, int topShare, const QMargins& frame)
{
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->size().grownBy(frame);
    const QPoint client(area.x() + (area.width() - size.width()) / 2 + frame.left(),
                        area.y() + (area.height() - size.height()) / topShare + frame.top());
    // The client area is placed, never the frame's corner: Qt turns a frame position into a client one
    // only once it knows the frame, and a window shown for the first time or again does not know it yet.
    // A window already there is left alone, so that looking again costs the window system nothing.
    if (window->geometry().topLeft() != client) window->setGeometry(QRect(client, window->size()));
}

// Until a window's own frame is known, the window manager may put its client area where the frame
// should go, and the first window of a run has no frame to go by: it is placed again once it knows.
// The frame may come without any event to the window, and the window manager may still move a window
// it is mapping: so for its first seconds it is looked at a few times a second and put back in place.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget* window, int topShare) : QObject(window), window_(window), topShare_(topShare)
    {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, &PlaceWhenFramed::look);
        timer_.start();
    }

private:
    void look()
    {
        // A window without a window manager never gets a frame: after a while it stops looking.
        const bool framed = !frameOf(window_).isNull();
        if (framed && window_->isVisible()) place(window_, topShare_, frameOf(window_));
        if (++looks_ < 60) return;
        timer_.stop();
        window_->setProperty(kPlacing, false);
        deleteLater();
    }

    QWidget* window_;
    int topShare_;
    QTimer timer_;
    int looks_ = 0;
};

} // namespace

void placeOnScreen(QWidget* window, int topShare)
{
    window->setProperty(kTopShare, topShare); // to place it alike when its size changes
    const QMargins frame = expectedFrame(window);
    place(window, topShare, frame);
    if (frameOf(window).isNull() && !window->property(kPlacing).toBool()) {
        window->setProperty(kPlacing, true);
        new PlaceWhenFramed(window, topShare);
    }
}

void applyZoom(QWidget* window, const Zoom& zoom)
{
    const QSize design = designSize(window);
    if (zoom.fullScreen) {
        // The size is the window manager's to give: the scale follows it in resizeEvent().
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
        return;
    }
    const bool wasFullScreen = window->windowState() & Qt::WindowFullScreen;
    if (wasFullScreen) window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
    const QScreen* screen = window->screen();
    const QSize room =
        screen ? screen->availableGeometry().size().shrunkBy(expectedFrame(window)) : QSize(INT_MAX, INT_MAX);
    const Scale scale{fittingZoom(zoom.percent, design, room) / 100.0, {}};
    const QSize size(scale.length(design.width()), scale.length(design.height()));
    const bool resized = size != window->size();
    setScale(window, scale);
    window->setFixedSize(size);
    if (resized || wasFullScreen) {
        const QVariant topShare = window->property(kTopShare);
        placeOnScreen(window, topShare.isValid() ? topShare.toInt() : 2);
    }
}

int zoomOf(const QWidget* window) { return static_cast<int>(std::lround(scaleOf(window).factor * 100)); }

void Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isFullScreen()) setScale(this, fullScreenScale(designSize(this), size()));
}

void Window::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void SideWindow::closeEvent(QCloseEvent* event)
{
    // The main window must come back before this one goes away.
    if (isVisible()) closedByTitleBar();
    event->accept();
}

void switchWindow(QWidget* from, QWidget* to)
{
    if (from == to) return;
    to->show();
    to->raise();
    to->activateWindow();
    if (!from) return;
    from->hide();
    // A hidden window keeps a full copy of its pixels, a megabyte for the main window. Shrunk here, it is
    // grown and painted afresh when the window comes back.
    if (QBackingStore* pixels = from->backingStore()) pixels->resize(QSize(1, 1));
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

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handler_(key->key())) return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
