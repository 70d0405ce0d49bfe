#include "base/json_reader.h"

#include <gtest/gtest.h>

namespace base {
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
        // A control character, or the end of the text, deep inside a long run.
        "\"long plain run of bytes\x01 with a control inside\"",
        "\"long plain run of bytes\x7f\x1f and more after it\"",
        "\"long plain run of bytes that never ends",
        "\"\\u12\"",
        "\"\\ud800\\u12\"",
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
    // A browser reads what the limits leave unread: that is said, not taken
    // for text that is no JSON.
    EXPECT_EQ(ReadJson(deep).status, JsonStatus::BeyondLimits);
    EXPECT_EQ(ReadJson("{\"a\": " + deep + "}").status, JsonStatus::BeyondLimits);
    EXPECT_EQ(ReadJson(tooLong).status, JsonStatus::BeyondLimits);
    EXPECT_EQ(ReadJson("[1,]").status, JsonStatus::NotJson);
}

// As the browsers read it: the last of two equal names is the one applied
// (the others stay readable), and a lone half of a surrogate pair is U+FFFD
// rather than a reason to drop the whole text.
TEST(JsonReader, ReadsAsTheBrowsersDo) {
    const std::optional<JsonValue> value =
        ParseJson("{\"URL\": \"http://first\", \"URL\": \"http://last\"}");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->StringMember("URL"), "http://last");
    ASSERT_EQ(value->MembersNamed("URL").size(), 2U);
    EXPECT_EQ(value->MembersNamed("URL").front()->text, "http://first");

    const std::string replacement = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> strings[] = {
        {"\"\\ud800\"", replacement},
        {"\"\\udc00x\"", replacement + "x"},
        {"\"\\ud800\\u0041\"", replacement + "A"},
        {"\"\\ud800\\ud83d\\ude00\"", replacement + "\xF0\x9F\x98\x80"},
        // A long run of plain bytes ends at the escape or the quote, wherever
        // it stands, and keeps bytes of the upper half.
        {"\"0123456789abcd\\\"ef\\\\ghijklmnop\xC3\xA9qrstuvw\"",
         "0123456789abcd\"ef\\ghijklmnop\xC3\xA9qrstuvw"},
    };
    for (const auto& [text, decoded] : strings) {
        const std::optional<JsonValue> read = ParseJson(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->text, decoded) << text;
    }
}

}  // namespace
}  // namespace base
