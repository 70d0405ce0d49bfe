#include "core/json_reader.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(JsonReader, ReadsPolicyFilesAsWritten) {
    const std::optional<JsonValue> value = ParseJson(
        "\xEF\xBB\xBF {\"policies\": {\"Homepage\": {\"URL\": "
        "\"http://a\\/b\\u00e9\\ud83d\\ude00\"},"
        " \"List\": [1, -2.5e3, true, false, null, \"x\"]}}\r\n");
    ASSERT_TRUE(value);
    const JsonValue* policies = value->Member("policies");
    ASSERT_NE(policies, nullptr);
    EXPECT_EQ(policies->Member("Homepage")->StringMember("URL"),
              "http://a/b\xC3\xA9\xF0\x9F\x98\x80");
    const JsonValue* list = policies->Member("List");
    ASSERT_TRUE(list && list->IsArray());
    ASSERT_EQ(list->items.size(), 6U);
    EXPECT_EQ(list->items[1].text, "-2.5e3");
    EXPECT_TRUE(list->items[2].boolean);
    EXPECT_EQ(list->items[4].kind, JsonValue::Kind::Null);
}

// Nothing that is not exactly JSON reads as a value: a policy half-read
// could name the wrong extension or page.
TEST(JsonReader, AnythingButJsonReadsAsNothing) {
    const std::string deep =
        std::string(kJsonMaxDepth + 1, '[') + std::string(kJsonMaxDepth + 1, ']');
    const std::string tooLong = "\"" + std::string(kJsonMaxSize, 'a') + "\"";
    const std::string cases[] = {
        "",
        "   ",
        "{",
        "}",
        "{\"a\": 1,}",
        "[1, 2,]",
        "{\"a\" 1}",
        "{a: 1}",
        "{'a': 1}",
        "{\"a\": 1} {}",
        "[1] x",
        "\"open",
        "\"bad \\x escape\"",
        "\"tab\tinside\"",
        "\"\\u12\"",
        "\"\\ud800\"",
        "\"\\udc00\"",
        "\"\\ud800\\u0041\"",
        "01",
        "-",
        "1.",
        "1e",
        ".5",
        "+1",
        "tru",
        "nulls",
        "NaN",
        std::string("\"a\0b", 4),
        std::string("[1,\0]", 5),
        deep,
        tooLong,
    };
    for (const std::string& text : cases) {
        EXPECT_FALSE(ParseJson(text)) << text.substr(0, 40);
    }
    const std::string deepest = std::string(kJsonMaxDepth, '[') + std::string(kJsonMaxDepth, ']');
    EXPECT_TRUE(ParseJson(deepest));
}

}  // namespace
}  // namespace core
