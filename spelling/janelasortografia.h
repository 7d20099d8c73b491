// The spell-check commands' hooks on the program's windows: the waiting
// window, the notice and the replacement window (each skipped while it does
// not exist).
#pragma once

#include "brortog.h"

JanelasOrtografia janelasOrtografia();
