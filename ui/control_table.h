#pragma once
#include "platform/window.h"

#include <vector>

namespace ui {

// The main window itself: placement, size, background and default font.
const platform::FormDesign& MainFormDesign();

// Every control of the main window, one row each, in creation order: a parent always comes before its
// children, and the check boxes follow their group box in their order on screen.
const std::vector<platform::ControlDesign>& MainControls();

} // namespace ui
