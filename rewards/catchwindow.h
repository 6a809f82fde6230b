#pragma once

#include <QWidget>

class Program;

// The number catching reward game; its field comes in a later change.
class CatchWindow : public QWidget {
    Q_OBJECT
public:
    explicit CatchWindow(Program& program);

private:
    Program& program_;
};
