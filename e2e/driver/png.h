#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Encodes 8-bit RGB rows (top row first, 3 bytes a pixel) as a PNG file image. The data are stored
// uncompressed: screenshots are small and the script recompresses the one the README shows.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace e2e
