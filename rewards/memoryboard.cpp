#include "memoryboard.h"
