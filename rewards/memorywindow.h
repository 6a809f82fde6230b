#pragma once

#include <QWidget>

class Program;

// The number memory reward game; its board comes in a later change.
class MemoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit MemoryWindow(Program& program);

private:
    Program& program_;
};
