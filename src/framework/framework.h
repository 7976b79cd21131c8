#pragma once

// Everything the window classes and handlers use of the framework.
#include "framework/class_info.h"
#include "framework/controls.h"
#include "framework/event.h"
#include "framework/event_loop.h"
#include "framework/files.h"
#include "framework/menu.h"
#include "framework/runtime.h"
#include "framework/types.h"
#include "framework/window.h"
