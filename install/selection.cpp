#include "install/selection.h"

#include "platform/name_match.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace install {

std::optional<std::string> ChosenOperatingSystem(const std::vector<std::string>& listed, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= listed.size()) {
        return std::nullopt;
    }
    return listed[static_cast<std::size_t>(index)];
}

bool IsOperatingSystemName(const std::string& name) {
    return platform::IsPlainName(name) && std::none_of(name.begin(), name.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x20 ||
                      std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
           });
}

std::optional<std::string> FindListedName(const std::vector<std::string>& listed,
                                          const std::string& requested) {
    for (const std::string& name : listed) {
        if (platform::SameName(name, requested)) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace install
