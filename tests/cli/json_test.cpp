#include "cli/json.h"

#include <gtest/gtest.h>

namespace {

TEST(Json, StringsStayValidJsonWhateverTheName) {
    struct Case {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"4.5.0.44", "\"4.5.0.44\""},
        {"C:\\Program Files\\\"x\"", "\"C:\\\\Program Files\\\\\\\"x\\\"\""},
        {"a\nb\tc\x01", "\"a\\nb\\tc\\u0001\""},
        {"Größe 名前 😀", "\"Größe 名前 😀\""},
        // A lone surrogate, as the lossless name boundary writes it, keeps its exact value.
        {"x\xED\xA0\x80y", "\"x\\ud800y\""},
        {"\xED\xBF\xBF", "\"\\udfff\""},
        // Bytes that are no text at all: stray, truncated, overlong.
        {"a\xFF"
         "b",
         "\"a\\ufffdb\""},
        {"\xC3", "\"\\ufffd\""},
        {"\xC0\xAF", "\"\\ufffd\\ufffd\""},
        {"\xE2\x82", "\"\\ufffd\\ufffd\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cli::JsonString(c.text), c.json) << c.json;
    }
}

TEST(Json, WriterPlacesCommasAndNesting) {
    cli::JsonWriter json;
    json.BeginObject()
        .Key("a")
        .Number(1)
        .Key("b")
        .BeginArray()
        .String("x")
        .Bool(true)
        .BeginObject()
        .EndObject();
    json.BeginArray().EndArray().EndArray().Key("c").Bool(false).EndObject();
    EXPECT_EQ(json.Text(), R"({"a":1,"b":["x",true,{},[]],"c":false})");
}

} // namespace
