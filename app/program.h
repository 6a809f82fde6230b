#pragma once

#include "platform/services.h"
#include "platform/zoom.h"
#include "worksheets/sheet.h"

#include <QObject>
#include <QPointer>

class QApplication;
class ContestWindow;
class MemoryWindow;
class CatchWindow;
class InfoWindow;
class WorksheetWindow;
class PlayerWindow;

// One window of the program: built on first use, and deleted with the program unless it went before,
// as a window discarded by a title-bar close does.
template <typename Window> class WindowSlot {
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot() { delete window_.data(); }

    Window* get() const { return window_.data(); }
    // The window, built by `build` (which returns a new one) when there is none.
    template <typename Build> Window& use(Build build)
    {
        if (!window_) window_ = build();
        return *window_;
    }

private:
    QPointer<Window> window_;
};

// The composition root: the platform services and the one instance of each window, each built on first use and wired to
// the others here. Windows never meet but through this class.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(platform::Services services);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ContestWindow& contestWindow();
    MemoryWindow& memoryWindow();
    CatchWindow& catchWindow();
    // The info, worksheet and player windows are discarded when closed through their title bar;
    // each use after that builds them afresh.
    InfoWindow& infoWindow();
    WorksheetWindow& worksheetWindow();
    PlayerWindow& playerWindow();
    bool hasPlayerWindow() const;
    bool hasInfoWindow() const;
    // The worksheet's dice and range last the whole run, whether its window is hidden or discarded.
    const SheetSettings& sheetSettings() const { return sheetSettings_; }

    // Shows the main window, the first of the run, at the zoom or full screen.
    void start(const platform::Zoom& zoom);
    const platform::Zoom& zoom() const { return zoom_; }

    // Reading aloud for the rest of the run; it says so when it comes on.
    void setReadingAloud(bool on);

    // Ends the program at once: every window goes, no further step runs.
    void end();

protected:
    // The keys that work in every window, message boxes included: reading aloud on and off, and again;
    // zoom and full screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Once the program ended, no window comes back, whatever a box still open answers.
    void show(QWidget* from, QWidget* to);
    QWidget* windowOnScreen() const;
    // The zoom keys step the window on screen, and every window after it; nothing grows past the screen.
    void zoomTo(int percent);
    void switchFullScreen();
    bool memoVisible() const;
    void openPlayerSetup();
    void takePlayers();

    // Every box is read aloud as it opens, while reading aloud is on.
    platform::SpeakingDialogs speakingDialogs_;
    platform::Services services_;
    SheetSettings sheetSettings_;
    bool ended_ = false;
    platform::Zoom zoom_;
    // Declared first, so it goes last.
    WindowSlot<ContestWindow> contest_;
    WindowSlot<MemoryWindow> memory_;
    WindowSlot<CatchWindow> catching_;
    WindowSlot<InfoWindow> info_;
    WindowSlot<WorksheetWindow> worksheets_;
    WindowSlot<PlayerWindow> players_;
};

// Reading aloud is switched on and off with one key, and the last text said again with another.
inline constexpr int kReadAloudKey = Qt::Key_F8;
inline constexpr int kRepeatKey = Qt::Key_F5;
inline constexpr int kFullScreenKey = Qt::Key_F11;

// The application's name, its German, and that it ends only by its own word.
void prepareApplication(QApplication& app);
