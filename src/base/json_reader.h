#pragma once

// A small, strict reader of JSON text (RFC 8259) from outside the program:
// browser policy files and policy values, read as the browsers read them: a
// repeated member name is kept whole (the last one is the one that counts),
// and an escaped half of a surrogate pair reads as U+FFFD. Anything that is
// not exactly JSON gives nothing; a text that nests deeper or is longer than
// the limits says so, since a browser may still apply it. Nothing in the
// text can make the reader crash, recurse without end or allocate without
// bound.
//
// Debian's JSON libraries (nlohmann-json, RapidJSON) refuse a lone
// surrogate outright, and nlohmann-json keeps only one of two equal names:
// read with them, such a policy would hide from the scan.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    // A number as written; a string decoded to UTF-8.
    std::string text;
    std::vector<JsonValue> items;
    // In the order written; a repeated name keeps every occurrence.
    std::vector<JsonMember> members;

    // The last member of that name (exact case), the one a browser applies,
    // or nullptr; nullptr for anything but an object.
    [[nodiscard]] const JsonValue* Member(std::string_view name) const;
    // Every member of that name, in the order written.
    [[nodiscard]] std::vector<const JsonValue*> MembersNamed(std::string_view name) const;
    // The member's text when it is a string, or "".
    [[nodiscard]] std::string StringMember(std::string_view name) const;
    [[nodiscard]] bool IsString() const noexcept { return kind == Kind::String; }
    [[nodiscard]] bool IsObject() const noexcept { return kind == Kind::Object; }
    [[nodiscard]] bool IsArray() const noexcept { return kind == Kind::Array; }
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Deepest nesting of arrays and objects that is read.
inline constexpr int kJsonMaxDepth = 32;
// Longest text that is read (a policy file is a few kilobytes).
inline constexpr std::size_t kJsonMaxSize = std::size_t{1} << 20;
// Longest browser settings file that is read: a busy profile's Preferences
// passes 1 MiB and none comes near this. A hostile one of tiny values
// takes dozens of bytes of memory per byte read, so the limit stays low.
inline constexpr std::size_t kJsonMaxSettingsSize = std::size_t{8} << 20;

enum class JsonStatus {
    Read,
    NotJson,
    // Longer or deeper than the limits: unread, whatever it holds.
    BeyondLimits,
};

struct JsonReadResult {
    JsonStatus status = JsonStatus::NotJson;
    std::optional<JsonValue> value;  // set exactly when status is Read
};

// The value the whole text holds (white space around it allowed, a UTF-8
// byte order mark in front of it too), or why there is none.
[[nodiscard]] JsonReadResult ReadJson(std::string_view text, std::size_t maxSize = kJsonMaxSize);

// The same, with nothing for any text that was not read.
[[nodiscard]] std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace base
