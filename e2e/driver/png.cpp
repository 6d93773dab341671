#include "e2e/driver/png.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace e2e {
namespace {

std::uint32_t Crc32(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(const std::string& raw) {
    std::string out = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? '\x01' : '\x00');
        out.push_back(static_cast<char>(length & 0xFF));
        out.push_back(static_cast<char>(length >> 8));
        out.push_back(static_cast<char>(~length & 0xFF));
        out.push_back(static_cast<char>((~length >> 8) & 0xFF));
        out.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    PutBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3)
        throw std::invalid_argument("EncodePng: pixel data do not match the size");
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter choice, no interlace
    std::string raw;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int row = 0; row < height; ++row) {
        raw.push_back('\0'); // filter "none"
        raw.append(reinterpret_cast<const char*>(rgb.data()) + row * stride, stride);
    }
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", "");
    return png;
}

} // namespace e2e
