// The whole windowing layer.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/clipboard.h"
#include "platform/win/constants.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/dialog_template.h"
#include "platform/win/drag_drop.h"
#include "platform/win/file_dialog.h"
#include "platform/win/menu.h"
#include "platform/win/message_box.h"
#include "platform/win/registry.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "platform/win/timers.h"
#include "platform/win/types.h"
#include "platform/win/window.h"
