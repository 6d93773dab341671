#include "cli/json.h"

#include <cstdio>

namespace cli {

namespace {

std::string Escaped(unsigned unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", unit);
    return buffer;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0. Surrogate code points are not well formed.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const auto continuation = [&](std::size_t i) { return at + i < text.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const bool overlong = lead == 0xE0 && continuation(1) && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && continuation(1) && byte(1) >= 0xA0;
        return continuation(1) && continuation(2) && !overlong && !surrogate ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const bool overlong = lead == 0xF0 && continuation(1) && byte(1) < 0x90;
        const bool tooHigh = lead == 0xF4 && continuation(1) && byte(1) >= 0x90;
        return continuation(1) && continuation(2) && continuation(3) && !overlong && !tooHigh ? 4 : 0;
    }
    return 0;
}

// A lone UTF-16 surrogate as the lossless (WTF-8) form writes it: ED A0..BF xx. Windows names may hold
// one; JSON can say it exactly as "\udXXX".
bool IsEncodedSurrogate(std::string_view text, std::size_t at) {
    return at + 2 < text.size() && static_cast<unsigned char>(text[at]) == 0xED &&
           (static_cast<unsigned char>(text[at + 1]) & 0xE0) == 0xA0 &&
           (static_cast<unsigned char>(text[at + 2]) & 0xC0) == 0x80;
}

} // namespace

// Control characters, quotes and backslashes are escaped; other well-formed UTF-8 passes as it is; a lone
// surrogate becomes its "\udXXX" escape, and any other malformed byte U+FFFD, so the document stays valid.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++at;
        } else if (c < 0x20) {
            out += c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\r' ? "\\r" : Escaped(c);
            ++at;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++at;
        } else if (const std::size_t length = SequenceLength(text, at)) {
            out.append(text.substr(at, length));
            at += length;
        } else if (IsEncodedSurrogate(text, at)) {
            const unsigned unit = ((c & 0x0Fu) << 12) |
                                  ((static_cast<unsigned char>(text[at + 1]) & 0x3Fu) << 6) |
                                  (static_cast<unsigned char>(text[at + 2]) & 0x3Fu);
            out += Escaped(unit);
            at += 3;
        } else {
            out += "\\ufffd";
            ++at;
        }
    }
    return out + "\"";
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back()) {
            text_ += ',';
        }
        firstInLevel_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    firstInLevel_.pop_back();
    text_ += '}';
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    firstInLevel_.pop_back();
    text_ += ']';
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    text_ += JsonString(key) + ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    BeforeValue();
    text_ += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::Number(std::uint64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

} // namespace cli
