#pragma once

#include "platform/services.h"
#include "worksheets/sheet.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QApplication;
class ContestWindow;
class MemoryWindow;
class CatchWindow;
class InfoWindow;
class WorksheetWindow;
class PlayerWindow;

// The composition root: the platform services and the one instance of each window, each built on first use and wired to
// the others here. Windows never meet but through this class.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(platform::Services services);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Services services;
    // The worksheet's dice and range last the whole run, whether its window is hidden or discarded.
    SheetSettings sheetSettings;

    ContestWindow& form1();
    MemoryWindow& memo();
    CatchWindow& fang();
    // The info, worksheet and player windows are discarded when closed through their title bar;
    // each use after that builds them afresh.
    InfoWindow& info();
    WorksheetWindow& form3();
    PlayerWindow& form2();
    bool hasForm2() const { return !form2_.isNull(); }
    bool hasInfo() const { return !info_.isNull(); }

    // Ends the program at once: every window goes, no further step runs.
    void end();

private:
    // Once the program ended, no window comes back, whatever a box still open answers.
    void show(QWidget* from, QWidget* to);
    bool memoVisible() const;
    void openPlayerSetup();
    void takePlayers();

    bool ended_ = false;
    std::unique_ptr<ContestWindow> form1_;
    std::unique_ptr<MemoryWindow> memo_;
    std::unique_ptr<CatchWindow> fang_;
    QPointer<InfoWindow> info_;
    QPointer<WorksheetWindow> form3_;
    QPointer<PlayerWindow> form2_;
};

// The application's name, its German, and that it ends only by its own word.
void prepareApplication(QApplication& app);
