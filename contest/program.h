#pragma once

#include "modul1.h"
#include "platform/services.h"

#include <memory>

class ContestWindow;
class MemoryWindow;
class CatchWindow;

// The program's state: the shared variables, the platform services and the one
// instance of each window, each built on first use.
class Program {
public:
    explicit Program(platform::Services services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Modul1 vars;
    platform::Services services;

    ContestWindow& form1();
    MemoryWindow& memo();
    CatchWindow& fang();
    bool hasMemo() const { return memo_ != nullptr; }
    bool hasFang() const { return fang_ != nullptr; }

    // Ends the program at once: every window goes, no further step runs.
    void end();

private:
    std::unique_ptr<ContestWindow> form1_;
    std::unique_ptr<MemoryWindow> memo_;
    std::unique_ptr<CatchWindow> fang_;
};
