// Planted: two headers that include each other.
#pragma once
#include "grid/loop_b.h"
