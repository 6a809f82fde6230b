#pragma once

#include "sheet.h"

#include "platform/services.h"

#include "platform/windows.h"

#include <functional>

class QListWidget;

namespace platform {
class Label;
}

// The worksheet window: draws chains of tasks with their solutions and hands them
// to the printer or the clipboard.
class WorksheetWindow : public platform::SideWindow {
    Q_OBJECT
public:
    // `printingLocked` is asked at every showing and before every print.
    WorksheetWindow(platform::Services& services, SheetSettings& settings, std::function<bool()> printingLocked,
                    QWidget* parent = nullptr);

private:
    // What the child does: the showing and the buttons of the bar.
    enum class Action { Show, NewSheet, NextDice, NextRange, PrintTasks, PrintSolutions, CopyTasks, CopySolutions };

    void activate() override;
    // The one way through the window: changes the settings, draws a sheet or sends one out, and shows the result.
    void step(Action action);
    void showSheet(Sheet sheet);
    void printLines(QStringList lines, const QString& question, const QString& done);
    void copyLines(QStringList lines, const QString& done);
    void message(const QString& text, const QString& title, platform::MsgIcon icon = platform::MsgIcon::None);

    platform::Services& services_;
    SheetSettings& settings_;
    std::function<bool()> printingLocked_;
    Sheet sheet_;

    platform::Label* printerState_ = nullptr; // Bezeichnung12
    platform::Label* range_ = nullptr;        // Bezeichnung5
    platform::Label* dice_ = nullptr;         // Bezeichnung6
    platform::Label* count_ = nullptr;        // Bezeichnung2
    QListWidget* tasks_ = nullptr;            // Liste1
    QListWidget* solutions_ = nullptr;        // Liste2
};
