#pragma once
#include "grid/loop_a.h"
