#pragma once
#include "install/selection.h"
#include "platform/platform.h"
#include "ui/Unit1.h"

#include <memory>

namespace app {

// Creates the main window and runs its creation handler, which finds the maker's folders and lists the
// operating systems, then shows the window. A message the creation handler gives is on screen before the
// window is.
std::unique_ptr<ui::TForm1> StartApplication(install::AppState& state, platform::Platform& platform);

// The whole run of the program: start-up, then the event loop until the main window closes.
int RunApplication(install::AppState& state, platform::Platform& platform);

} // namespace app
