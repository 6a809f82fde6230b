#pragma once

#include "zoom.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace platform {

// A fixed-size top-level window of the given client size in twips, with the given title.
void setupFixedWindow(QWidget* window, const QString& name, const QString& title, int clientWidthTwips,
                      int clientHeightTwips, const QColor& back);

// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget* window);
// Centred across, with 1/topShare of the free height above it (2 centres it).
void placeOnScreen(QWidget* window, int topShare);

// Brings the window to the zoom: its size and controls, and its full-screen state. A window that changes
// size is placed anew.
void applyZoom(QWidget* window, const Zoom& zoom);
// The zoom step the window is drawn at, which is below the one asked for where the screen has no room.
int zoomOf(const QWidget* window);

// One of the program's windows. Coming on screen is its activation; focus coming back from one of
// its message boxes is not.
class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {}

protected:
    virtual void activate() {}
    void showEvent(QShowEvent* event) override;
    // Full screen, the window's design fills as much of it as it can.
    void resizeEvent(QResizeEvent* event) override;
};

// A window that takes the main window's place while it is on screen. However it is left, it
// says so with left(), so that the main window comes back.
class SideWindow : public Window {
    Q_OBJECT
public:
    using Window::Window;

signals:
    void left();

protected:
    // A close through the title bar; by default the window is simply left.
    virtual void closedByTitleBar() { emit left(); }

    void closeEvent(QCloseEvent* event) override;
};

// Exactly one of the program's windows is on screen: the one shown replaces the one hidden.
// The new window is shown first, so there is never a moment with none visible.
void switchWindow(QWidget* from, QWidget* to);

// Starts or stops a timer; one that already runs keeps its rhythm.
void keepRunning(QTimer& timer, bool on);

// Lets a window see key presses before its focused control does.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(int key)>;
    // The handler returns true when it took the key.
    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

} // namespace platform
