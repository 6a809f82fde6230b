#include "program.h"

#include "contestwindow.h"
#include "rewards/catchwindow.h"
#include "rewards/memorywindow.h"

Program::Program(platform::Services services) : services(std::move(services)) {}

Program::~Program() = default;

ContestWindow& Program::form1()
{
    if (!form1_) form1_ = std::make_unique<ContestWindow>(*this);
    return *form1_;
}

MemoryWindow& Program::memo()
{
    if (!memo_) memo_ = std::make_unique<MemoryWindow>(*this);
    return *memo_;
}

CatchWindow& Program::fang()
{
    if (!fang_) fang_ = std::make_unique<CatchWindow>(*this);
    return *fang_;
}

void Program::end()
{
    for (QWidget* window : {static_cast<QWidget*>(fang_.get()), static_cast<QWidget*>(memo_.get()),
                            static_cast<QWidget*>(form1_.get())}) {
        if (window) window->hide();
    }
    if (services.end) services.end();
}
