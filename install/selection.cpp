#include "install/selection.h"

#include <cstddef>

namespace install {

std::optional<std::string> ChosenOperatingSystem(const std::vector<std::string>& listed, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= listed.size()) {
        return std::nullopt;
    }
    return listed[static_cast<std::size_t>(index)];
}

} // namespace install
