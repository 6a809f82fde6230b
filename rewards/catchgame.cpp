#include "catchgame.h"
