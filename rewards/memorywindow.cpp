#include "memorywindow.h"

MemoryWindow::MemoryWindow(Program& program) : program_(program) {}
