#pragma once

#include "contest/modul1.h"
#include "platform/services.h"

#include <QObject>

#include <memory>

class ContestWindow;
class MemoryWindow;
class CatchWindow;

// The composition root: the shared variables, the platform services and the one
// instance of each window, each built on first use and wired to the others here.
// Windows never meet but through this class.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(platform::Services services);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Modul1 vars;
    platform::Services services;

    ContestWindow& form1();
    MemoryWindow& memo();
    CatchWindow& fang();

    // Ends the program at once: every window goes, no further step runs.
    void end();

private:
    bool memoVisible() const;

    std::unique_ptr<ContestWindow> form1_;
    std::unique_ptr<MemoryWindow> memo_;
    std::unique_ptr<CatchWindow> fang_;
};
