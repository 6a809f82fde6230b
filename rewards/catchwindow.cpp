#include "catchwindow.h"

CatchWindow::CatchWindow(Program& program) : program_(program) {}
