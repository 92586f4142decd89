// All standard controls.
#pragma once

#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/control.h"
#include "platform/win/edit.h"
#include "platform/win/list_box.h"
#include "platform/win/list_view.h"
#include "platform/win/static_control.h"
#include "platform/win/tab_control.h"
