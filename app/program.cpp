#include "program.h"

#include "contest/contestwindow.h"
#include "info/infowindow.h"
#include "platform/language.h"
#include "platform/windows.h"
#include "players/playerwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"
#include "worksheets/worksheetwindow.h"

#include <QApplication>

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Pelko-Morvelt"));
    // So the desktop finds the menu entry, and its icon, for the running windows.
    QApplication::setDesktopFileName(QStringLiteral("de.pelkomorvelt.PelkoMorvelt"));
    platform::speakGerman(app);
    // Windows take turns on screen; the program ends only by its own word.
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::Program(platform::Services services) : services(std::move(services)) {}

Program::~Program()
{
    // These three delete themselves when closed; the rest go with their owners.
    delete form2_.data();
    delete form3_.data();
    delete info_.data();
}

ContestWindow& Program::form1()
{
    if (form1_) return *form1_;
    form1_ = std::make_unique<ContestWindow>(services, [this] { return memoVisible(); });
    ContestWindow* window = form1_.get();
    connect(window, &ContestWindow::memoryRewardDue, this, [this] { show(&form1(), &memo()); });
    connect(window, &ContestWindow::gameWon, this, [this] { show(&form1(), &fang()); });
    connect(window, &ContestWindow::endRequested, this, &Program::end);
    connect(window, &ContestWindow::playersWanted, this, &Program::openPlayerSetup);
    connect(window, &ContestWindow::worksheetsWanted, this, [this] { show(&form1(), &form3()); });
    connect(window, &ContestWindow::infoWanted, this, [this] { show(&form1(), &info()); });
    return *window;
}

MemoryWindow& Program::memo()
{
    if (memo_) return *memo_;
    memo_ = std::make_unique<MemoryWindow>(services);
    connect(memo_.get(), &MemoryWindow::left, this, [this] { show(memo_.get(), &form1()); });
    return *memo_;
}

CatchWindow& Program::fang()
{
    if (fang_) return *fang_;
    fang_ = std::make_unique<CatchWindow>(services);
    connect(fang_.get(), &CatchWindow::left, this, [this] { show(fang_.get(), &form1()); });
    return *fang_;
}

InfoWindow& Program::info()
{
    if (info_) return *info_;
    info_ = new InfoWindow();
    connect(info_, &InfoWindow::left, this, [this] { show(info_, &form1()); });
    return *info_;
}

WorksheetWindow& Program::form3()
{
    if (form3_) return *form3_;
    // Reading the lock builds the info window, unseen, when it does not exist yet.
    form3_ = new WorksheetWindow(services, sheetSettings, [this] { return info().printingLocked(); });
    connect(form3_, &WorksheetWindow::left, this, [this] { show(form3_, &form1()); });
    return *form3_;
}

PlayerWindow& Program::form2()
{
    if (form2_) return *form2_;
    form2_ = new PlayerWindow();
    connect(form2_, &PlayerWindow::accepted, this, &Program::takePlayers);
    connect(form2_, &PlayerWindow::left, this, [this] { show(form2_, &form1()); });
    return *form2_;
}

void Program::openPlayerSetup()
{
    // The names come fresh from the main window each time; the pictures stay the player window's own.
    form2().OpenPlayerSetup(form1().playerName(0), form1().playerName(1));
    show(&form1(), &form2());
}

void Program::takePlayers()
{
    for (int side = 0; side < PlayerWindow::kPlayers; ++side)
        form1().setPlayer(side, form2().name(side), form2().picture(side));
}

void Program::show(QWidget* from, QWidget* to)
{
    if (!ended_) platform::switchWindow(from, to);
}

bool Program::memoVisible() const { return memo_ && memo_->isVisible(); }

void Program::end()
{
    ended_ = true;
    for (QWidget* window : {static_cast<QWidget*>(fang_.get()), static_cast<QWidget*>(memo_.get()),
                            static_cast<QWidget*>(info_.data()), static_cast<QWidget*>(form3_.data()),
                            static_cast<QWidget*>(form2_.data()), static_cast<QWidget*>(form1_.get())}) {
        if (window) window->hide();
    }
    if (services.end) services.end();
}
