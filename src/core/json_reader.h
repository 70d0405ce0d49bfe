#pragma once

// A small, strict reader of JSON text (RFC 8259) from outside the program:
// browser policy files and policy values. Anything that is not exactly JSON,
// nests deeper or is longer than the limits gives nullopt; nothing in the
// text can make the reader crash, recurse without end or allocate without
// bound.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    // A number as written; a string decoded to UTF-8.
    std::string text;
    std::vector<JsonValue> items;
    // In the order written; a repeated name keeps every occurrence.
    std::vector<std::pair<std::string, JsonValue>> members;

    // The first member of that name (exact case), or nullptr; nullptr for
    // anything but an object.
    [[nodiscard]] const JsonValue* Member(std::string_view name) const;
    // The member's text when it is a string, or "".
    [[nodiscard]] std::string StringMember(std::string_view name) const;
    [[nodiscard]] bool IsString() const noexcept { return kind == Kind::String; }
    [[nodiscard]] bool IsObject() const noexcept { return kind == Kind::Object; }
    [[nodiscard]] bool IsArray() const noexcept { return kind == Kind::Array; }
};

// Deepest nesting of arrays and objects that is read.
inline constexpr int kJsonMaxDepth = 32;
// Longest text that is read (a policy file is a few kilobytes).
inline constexpr std::size_t kJsonMaxSize = std::size_t{1} << 20;

// The value the whole text holds (white space around it allowed, a UTF-8
// byte order mark in front of it too), or nullopt.
[[nodiscard]] std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace core
