#include "startup_items/task_xml.h"

#include <algorithm>
#include <climits>
#include <string>

#include "base/text.h"

namespace startup_items {

namespace {

// The text of the first element `name` in `xml` from `from` on, before
// `end`; its position past the closing tag in `next`.
std::string_view ElementText(std::string_view xml, std::string_view name, std::size_t from,
                             std::size_t end, std::size_t& next) {
    const std::string open = "<" + std::string(name);
    std::size_t at = xml.find(open, from);
    while (at != std::string_view::npos && at < end) {
        const std::size_t after = at + open.size();
        if (after < xml.size() && (xml[after] == '>' || xml[after] == ' ')) {
            const std::size_t start = xml.find('>', after);
            const std::size_t close = xml.find("</" + std::string(name) + ">", start);
            if (start == std::string_view::npos || close == std::string_view::npos || close > end) {
                break;
            }
            next = close + name.size() + 3;
            return xml.substr(start + 1, close - start - 1);
        }
        at = xml.find(open, after);
    }
    next = std::string_view::npos;
    return {};
}

std::string Decoded(std::string_view text) {
    std::string decoded(base::TrimView(text));
    for (const auto& [entity, character] :
         {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""},
          std::pair{"&apos;", "'"}, std::pair{"&amp;", "&"}}) {
        decoded = base::ReplaceAll(decoded, entity, character);
    }
    return decoded;
}

}  // namespace

std::vector<platform::TaskProgram> ExecActionsInTaskXml(std::string_view xml) {
    std::vector<platform::TaskProgram> programs;
    std::size_t at = 0;
    while (at != std::string_view::npos) {
        std::size_t next = 0;
        const std::string_view exec = ElementText(xml, "Exec", at, xml.size(), next);
        if (next == std::string_view::npos) {
            break;
        }
        std::size_t unused = 0;
        const std::string command = Decoded(ElementText(exec, "Command", 0, exec.size(), unused));
        if (!command.empty()) {
            programs.push_back(
                {command, Decoded(ElementText(exec, "Arguments", 0, exec.size(), unused))});
        }
        at = next;
    }
    return programs;
}

std::uint32_t ShortestIntervalInTaskXml(std::string_view xml) {
    std::uint32_t shortest = 0;
    std::size_t at = 0;
    while (at != std::string_view::npos) {
        std::size_t next = 0;
        const std::string_view interval = ElementText(xml, "Interval", at, xml.size(), next);
        if (next == std::string_view::npos) {
            break;
        }
        const std::uint32_t minutes = DurationMinutes(base::TrimView(interval));
        if (minutes != 0 && (shortest == 0 || minutes < shortest)) {
            shortest = minutes;
        }
        at = next;
    }
    return shortest;
}

std::uint32_t DurationMinutes(std::string_view duration) {
    if (duration.size() < 2 || duration.front() != 'P') {
        return 0;
    }
    std::uint64_t seconds = 0;
    std::uint64_t number = 0;
    bool time = false;
    for (std::size_t i = 1; i < duration.size(); ++i) {
        const char c = duration[i];
        if (c >= '0' && c <= '9') {
            number =
                std::min<std::uint64_t>(number * 10 + static_cast<unsigned>(c - '0'), UINT_MAX);
            continue;
        }
        std::uint64_t unit = 0;
        switch (c) {
            case 'T':
                time = true;
                continue;
            case 'D':
                unit = 86400;
                break;
            case 'H':
                unit = 3600;
                break;
            case 'M':
                unit = time ? 60 : 30 * 86400;
                break;
            case 'S':
                unit = 1;
                break;
            case 'W':
                unit = 7 * 86400;
                break;
            case 'Y':
                unit = 365 * 86400;
                break;
            default:
                return 0;
        }
        seconds += number * unit;
        number = 0;
    }
    if (seconds == 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>((seconds + 59) / 60, UINT_MAX));
}

}  // namespace startup_items
