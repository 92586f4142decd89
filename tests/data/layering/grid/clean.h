#pragma once
#include "platform/win/other.h"
