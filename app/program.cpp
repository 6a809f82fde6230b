#include "program.h"

#include "assets/artwork.h"
#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/heldkeys.h"
#include "platform/language.h"
#include "platform/windows.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "worksheets/worksheetwindow.h"

#include <QApplication>
#include <QKeyEvent>

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Pelko-Morvelt"));
    QApplication::setApplicationVersion(QStringLiteral(PELKO_VERSION));
    // So the desktop finds the menu entry, and its icon, for the running windows.
    QApplication::setDesktopFileName(QStringLiteral("de.pelkomorvelt.PelkoMorvelt"));
    // Every window and message box wears it, where the desktop does not take the menu entry's.
    QApplication::setWindowIcon(artwork::programIcon());
    platform::speakGerman(app);
    // Windows take turns on screen; the program ends only by its own word.
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::Program(platform::Services services)
    : speakingDialogs_(services.dialogs, services.narrator), services_{speakingDialogs_,   services.random,
                                                                       services.clock,     services.printer,
                                                                       services.clipboard, services.narrator,
                                                                       services.end}
{
    qApp->installEventFilter(this);
    // Installed after this program's own filter, it sees each key first: a held F8 switches once.
    new platform::HeldKeys(this);
}

void Program::setReadingAloud(bool on)
{
    services_.narrator.setOn(on);
    services_.narrator.say(QStringLiteral("Vorlesen ist eingeschaltet."));
}

bool Program::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == kReadAloudKey && key->modifiers() == Qt::NoModifier) {
        setReadingAloud(!services_.narrator.on());
        return true;
    }
    if (key->key() == kRepeatKey && key->modifiers() == Qt::NoModifier) {
        services_.narrator.repeat();
        return true;
    }
    if (key->key() == kFullScreenKey && key->modifiers() == Qt::NoModifier) {
        if (!key->isAutoRepeat()) switchFullScreen();
        return true;
    }
    // Plus and minus with or without Shift, on the main keys or the number pad, as keyboards lay them out.
    if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::ControlModifier) {
        const QWidget* window = windowOnScreen();
        const int now = window ? platform::zoomOf(window) : zoom_.percent;
        switch (key->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoomTo(platform::zoomStepUp(now)); return true;
        case Qt::Key_Minus: zoomTo(platform::zoomStepDown(now)); return true;
        case Qt::Key_0: zoomTo(platform::kZoomSteps.front()); return true;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

Program::~Program() = default;

ContestWindow& Program::contestWindow()
{
    return contest_.use([this] {
        auto* window = new ContestWindow(services_, [this] { return memoVisible(); });
        connect(window, &ContestWindow::memoryRewardDue, this, [this] { show(&contestWindow(), &memoryWindow()); });
        connect(window, &ContestWindow::gameWon, this, [this] { show(&contestWindow(), &catchWindow()); });
        connect(window, &ContestWindow::endRequested, this, &Program::end);
        connect(window, &ContestWindow::playersWanted, this, &Program::openPlayerSetup);
        connect(window, &ContestWindow::worksheetsWanted, this, [this] { show(&contestWindow(), &worksheetWindow()); });
        connect(window, &ContestWindow::infoWanted, this, [this] { show(&contestWindow(), &infoWindow()); });
        return window;
    });
}

MemoryWindow& Program::memoryWindow()
{
    return memory_.use([this] {
        auto* window = new MemoryWindow(services_);
        connect(window, &MemoryWindow::left, this, [this, window] { show(window, &contestWindow()); });
        return window;
    });
}

CatchWindow& Program::catchWindow()
{
    return catching_.use([this] {
        auto* window = new CatchWindow(services_);
        connect(window, &CatchWindow::left, this, [this, window] { show(window, &contestWindow()); });
        return window;
    });
}

InfoWindow& Program::infoWindow()
{
    return info_.use([this] {
        auto* window = new InfoWindow();
        connect(window, &InfoWindow::left, this, [this, window] { show(window, &contestWindow()); });
        return window;
    });
}

WorksheetWindow& Program::worksheetWindow()
{
    return worksheets_.use([this] {
        // Reading the lock builds the info window, unseen, when it does not exist yet.
        auto* window = new WorksheetWindow(services_, sheetSettings_, [this] { return infoWindow().printingLocked(); });
        connect(window, &WorksheetWindow::left, this, [this, window] { show(window, &contestWindow()); });
        return window;
    });
}

PlayerWindow& Program::playerWindow()
{
    return players_.use([this] {
        auto* window = new PlayerWindow();
        connect(window, &PlayerWindow::accepted, this, &Program::takePlayers);
        connect(window, &PlayerWindow::left, this, [this, window] { show(window, &contestWindow()); });
        return window;
    });
}

bool Program::hasPlayerWindow() const { return players_.get() != nullptr; }

bool Program::hasInfoWindow() const { return info_.get() != nullptr; }

void Program::openPlayerSetup()
{
    // The names come fresh from the main window each time; the pictures stay the player window's own.
    playerWindow().openPlayerSetup(contestWindow().playerName(Side::Left), contestWindow().playerName(Side::Right));
    show(&contestWindow(), &playerWindow());
    services_.narrator.say(PlayerWindow::instruction());
}

void Program::takePlayers()
{
    for (int index = 0; index < PlayerWindow::kPlayers; ++index) {
        const Side side = index == 0 ? Side::Left : Side::Right; // the player window counts its slots from 0
        contestWindow().setPlayer(side, playerWindow().name(index), playerWindow().picture(index));
    }
}

void Program::start(const platform::Zoom& zoom)
{
    zoom_ = zoom;
    show(nullptr, &contestWindow());
}

void Program::show(QWidget* from, QWidget* to)
{
    if (ended_) return;
    platform::applyZoom(to, zoom_);
    platform::switchWindow(from, to);
}

QWidget* Program::windowOnScreen() const
{
    for (QWidget* window : std::initializer_list<QWidget*>{contest_.get(), memory_.get(), catching_.get(), info_.get(),
                                                           worksheets_.get(), players_.get()}) {
        if (window && window->isVisible()) return window;
    }
    return nullptr;
}

void Program::zoomTo(int percent)
{
    QWidget* window = windowOnScreen();
    // Full screen, the window is as large as it can be.
    if (!window || zoom_.fullScreen) return;
    zoom_.percent = percent;
    platform::applyZoom(window, zoom_);
    zoom_.percent = platform::zoomOf(window);
}

void Program::switchFullScreen()
{
    zoom_.fullScreen = !zoom_.fullScreen;
    if (QWidget* window = windowOnScreen()) platform::applyZoom(window, zoom_);
}

bool Program::memoVisible() const { return memory_.get() && memory_.get()->isVisible(); }

void Program::end()
{
    ended_ = true;
    for (QWidget* window : std::initializer_list<QWidget*>{catching_.get(), memory_.get(), info_.get(),
                                                           worksheets_.get(), players_.get(), contest_.get()}) {
        if (window) window->hide();
    }
    if (services_.end) services_.end();
}
