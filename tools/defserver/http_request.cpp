#include "http_request.h"

#include "base/text.h"

namespace defserver {

namespace {

// The position of the parameter's "name=" at the start of the query or
// after an "&".
std::size_t FindParameter(std::string_view query, std::string_view name) {
    const std::string wanted = std::string(name) + "=";
    std::size_t start = 0;
    while (start <= query.size()) {
        if (base::StartsWithIgnoreCase(query.substr(start), wanted)) {
            return start;
        }
        const std::size_t next = query.find('&', start);
        if (next == std::string_view::npos) {
            break;
        }
        start = next + 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<HttpRequest> ParseRequestLine(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string_view::npos) {
        return std::nullopt;
    }
    HttpRequest request;
    request.method = std::string(line.substr(0, space));
    std::string_view rest = base::TrimView(line.substr(space + 1));
    const std::size_t last = rest.rfind(' ');
    if (last != std::string_view::npos &&
        base::StartsWithIgnoreCase(rest.substr(last + 1), "HTTP/")) {
        rest = base::TrimView(rest.substr(0, last));
    }
    request.target = std::string(rest);
    std::string_view target = rest;
    if (base::StartsWithIgnoreCase(target, "http://")) {
        const std::size_t pathStart = target.find('/', 7);
        target = pathStart == std::string_view::npos ? "/" : target.substr(pathStart);
    }
    if (target.empty() || target.front() != '/') {
        return std::nullopt;
    }
    const std::size_t question = target.find('?');
    request.path = PercentDecode(target.substr(0, question));
    if (question != std::string_view::npos) {
        request.query = std::string(target.substr(question + 1));
    }
    return request;
}

std::optional<std::string> HeaderValue(std::string_view head, std::string_view name) {
    std::size_t start = head.find('\n');
    while (start != std::string_view::npos && start + 1 < head.size()) {
        ++start;
        const std::size_t end = head.find('\n', start);
        const std::string_view line = head.substr(start, end - start);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos &&
            base::EqualsIgnoreCase(base::TrimView(line.substr(0, colon)), name)) {
            std::string_view value = line.substr(colon + 1);
            while (!value.empty() &&
                   (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) {
                value.remove_suffix(1);
            }
            while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
                value.remove_prefix(1);
            }
            return std::string(value);
        }
        start = end;
    }
    return std::nullopt;
}

std::string PercentDecode(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && base::HexDigitValue(text[i + 1]) >= 0 &&
            base::HexDigitValue(text[i + 2]) >= 0) {
            decoded.push_back(static_cast<char>(base::HexDigitValue(text[i + 1]) * 16 +
                                                base::HexDigitValue(text[i + 2])));
            i += 2;
        } else {
            decoded.push_back(text[i]);
        }
    }
    return decoded;
}

std::optional<std::string_view> RawQueryValue(std::string_view query, std::string_view name) {
    const std::size_t start = FindParameter(query, name);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view value = query.substr(start + name.size() + 1);
    return value.substr(0, value.find('&'));
}

std::optional<std::string> QueryValue(std::string_view query, std::string_view name) {
    const std::optional<std::string_view> raw = RawQueryValue(query, name);
    if (!raw) {
        return std::nullopt;
    }
    return PercentDecode(*raw);
}

std::optional<std::string> TrailingQueryValue(std::string_view query, std::string_view name) {
    const std::size_t start = FindParameter(query, name);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    return PercentDecode(query.substr(start + name.size() + 1));
}

}  // namespace defserver
