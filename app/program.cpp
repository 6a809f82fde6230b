#include "program.h"

#include "contest/contestwindow.h"
#include "platform/windows.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"

using platform::switchWindow;

Program::Program(platform::Services services) : services(std::move(services)) {}

Program::~Program() = default;

ContestWindow& Program::form1()
{
    if (form1_) return *form1_;
    form1_ = std::make_unique<ContestWindow>(vars, services, [this] { return memoVisible(); });
    ContestWindow* window = form1_.get();
    connect(window, &ContestWindow::memoryRewardDue, this, [this] { switchWindow(&form1(), &memo()); });
    connect(window, &ContestWindow::gameWon, this, [this] { switchWindow(&form1(), &fang()); });
    connect(window, &ContestWindow::endRequested, this, &Program::end);
    return *window;
}

MemoryWindow& Program::memo()
{
    if (memo_) return *memo_;
    memo_ = std::make_unique<MemoryWindow>(vars, services);
    connect(memo_.get(), &MemoryWindow::left, this, [this] { switchWindow(memo_.get(), &form1()); });
    return *memo_;
}

CatchWindow& Program::fang()
{
    if (fang_) return *fang_;
    fang_ = std::make_unique<CatchWindow>(vars, services);
    connect(fang_.get(), &CatchWindow::left, this, [this] { switchWindow(fang_.get(), &form1()); });
    return *fang_;
}

bool Program::memoVisible() const { return memo_ && memo_->isVisible(); }

void Program::end()
{
    for (QWidget* window : {static_cast<QWidget*>(fang_.get()), static_cast<QWidget*>(memo_.get()),
                            static_cast<QWidget*>(form1_.get())}) {
        if (window) window->hide();
    }
    if (services.end) services.end();
}
