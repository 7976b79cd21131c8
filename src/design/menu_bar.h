#pragma once

#include <memory>

#include "framework/framework.h"

namespace design {

// The accessor of the application's menu bar. The windows attach that menu bar, but its
// class lives in the application module, which the window modules may not name; the
// application module installs the accessor while it makes its classes known.
using MenuBarAccessor = std::shared_ptr<fw::MenuBar> (*)();
void InstallMenuBarAccessor(MenuBarAccessor accessor);

// The menu bar's implicit instance through the installed accessor; nullptr while none is
// installed, so that a window built without the application module gets no menu bar.
std::shared_ptr<fw::MenuBar> MenuBar1();

}  // namespace design
