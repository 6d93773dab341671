#pragma once
#include "platform/window.h"

namespace test_support {

// A control for window-library tests: captioned with its name, at a fixed place, tall enough to hold
// children when it is a container.
inline platform::ControlDesign TestControl(const char* name, platform::ControlKind kind, int tabOrder = -1,
                                           const char* parent = "") {
    platform::ControlDesign design;
    design.name = name;
    design.kind = kind;
    design.left = 8;
    design.top = 8;
    design.width = 200;
    const bool container =
        kind == platform::ControlKind::RadioGroup || kind == platform::ControlKind::GroupBox;
    design.height = container ? 120 : 20;
    design.caption = name;
    design.tabOrder = tabOrder;
    design.parent = parent;
    return design;
}

} // namespace test_support
