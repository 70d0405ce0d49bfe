#pragma once

// What the server reads of an HTTP request: its request line and query.
// Lenient where clients are sloppy: the program appends its date to the
// query unescaped, so a target may hold raw spaces.

#include <optional>
#include <string>
#include <string_view>

namespace defserver {

struct HttpRequest {
    std::string method;
    // As received, for the log.
    std::string target;
    // Decoded, without the query.
    std::string path;
    // The text after "?", as received.
    std::string query;
    std::string remoteAddress;
    // The validators of the answer a cache holds.
    std::optional<std::string> ifNoneMatch;
};

// nullopt when the line names no method or no target that starts with "/"
// (a target with scheme and host is cut to its path).
[[nodiscard]] std::optional<HttpRequest> ParseRequestLine(std::string_view line);

// The value of the first header `name` (compared without case) in a
// request head, without the blanks around it; nullopt when there is none.
[[nodiscard]] std::optional<std::string> HeaderValue(std::string_view head, std::string_view name);

// "%XX" decoded; a "%" without two hex digits stays as it is, and so does
// "+", which the program sends plain in coded names.
[[nodiscard]] std::string PercentDecode(std::string_view text);

// The first parameter `name` (compared without case) as received; nullopt
// when the query has none. A cache in front that keys on a parameter finds
// the same one.
[[nodiscard]] std::optional<std::string_view> RawQueryValue(std::string_view query,
                                                            std::string_view name);

// The first parameter `name` (compared without case), decoded; nullopt when
// the query has none.
[[nodiscard]] std::optional<std::string> QueryValue(std::string_view query, std::string_view name);

// Everything from "name=" to the end of the query, decoded, "&" and "="
// included: for a value that the program appends last and unescaped.
[[nodiscard]] std::optional<std::string> TrailingQueryValue(std::string_view query,
                                                            std::string_view name);

}  // namespace defserver
