#pragma once
#include <string>
#include <vector>

namespace removal {

// One removable feature: its check box (whose caption the window words) and the module file-name patterns
// it removes, in order.
struct RemovalOption {
    std::string checkBox;
    std::vector<std::string> patterns;
};

// Every feature, in the order the removal run processes them. The first row, Vendor_xml, has no patterns:
// it governs the vendor file.
const std::vector<RemovalOption>& ModuleCatalogue();

} // namespace removal
