#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Writes one JSON document, compact, with commas and nesting kept track of. Text goes in as the program's
// UTF-8; a name that is not valid UTF-8 still gives valid JSON (see the definition of String).
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(std::uint64_t value);
    JsonWriter& Bool(bool value);

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    std::vector<bool> firstInLevel_;
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

} // namespace cli
