// Planted: the windowing layer reaching up into the grid.
#pragma once
#include "grid/clean.h"
