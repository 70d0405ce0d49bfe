#include "startup_items/command_line.h"

#include "base/text.h"

namespace startup_items {

namespace {

// What a program file's name may end in when a command names it unquoted
// and it is not there to be found.
constexpr std::string_view kProgramEndings[] = {".exe", ".com", ".bat", ".cmd", ".scr",
                                                ".pif", ".dll", ".vbs", ".js",  ".ps1"};

bool HasExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot != std::string_view::npos && path.find('\\', dot) == std::string_view::npos;
}

// The program as found: as written, with ".exe" added, or in a search folder.
std::string Resolved(const std::string& program,
                     const std::function<bool(const std::string&)>& exists,
                     const std::vector<std::string>& searchFolders) {
    std::vector<std::string> candidates;
    const bool bare = program.find('\\') == std::string::npos;
    if (bare) {
        for (const std::string& folder : searchFolders) {
            candidates.push_back(folder + "\\" + program);
        }
    } else {
        candidates.push_back(program);
    }
    for (const std::string& candidate : candidates) {
        if (exists(candidate)) {
            return candidate;
        }
        if (!HasExtension(candidate) && exists(candidate + ".exe")) {
            return candidate + ".exe";
        }
    }
    return program;
}

}  // namespace

std::string ExpandVariables(std::string_view text, platform::Environment& environment) {
    std::string expanded;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('%', at);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = text.find('%', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        expanded.append(text.substr(at, open - at));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const std::optional<std::string> value =
            name.empty() ? std::nullopt : environment.Variable(name);
        if (value) {
            expanded.append(*value);
            at = close + 1;
        } else {
            // The closing sign may open the next variable.
            expanded.append(text.substr(open, close - open));
            at = close;
        }
    }
    expanded.append(text.substr(at));
    return expanded;
}

Command SplitCommand(std::string_view command,
                     const std::function<bool(const std::string&)>& exists,
                     const std::vector<std::string>& searchFolders) {
    const std::string text = base::Trim(command);
    Command split;
    if (text.empty()) {
        return split;
    }
    if (text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        const std::size_t end = close == std::string::npos ? text.size() : close;
        split.program = Resolved(text.substr(1, end - 1), exists, searchFolders);
        split.arguments = close == std::string::npos ? "" : base::Trim(text.substr(close + 1));
        return split;
    }
    // Unquoted: the shortest run of words that names a file, as the system's
    // process start tries them.
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = text.find(' ', end + 1);
        const std::string candidate = text.substr(0, end);
        const std::string found = Resolved(candidate, exists, searchFolders);
        if (found != candidate || exists(candidate)) {
            split.program = found;
            split.arguments = end == std::string::npos ? "" : base::Trim(text.substr(end));
            return split;
        }
    }
    // Nothing is there: up to the first program ending, or else the first word.
    const std::string lower = base::LowerCase(text);
    std::size_t cut = std::string::npos;
    for (const std::string_view ending : kProgramEndings) {
        std::size_t found = lower.find(ending);
        while (found != std::string::npos) {
            const std::size_t after = found + ending.size();
            if (after == lower.size() || lower[after] == ' ') {
                cut = std::min(cut, after);
                break;
            }
            found = lower.find(ending, found + 1);
        }
    }
    if (cut == std::string::npos) {
        cut = text.find(' ');
    }
    split.program = Resolved(text.substr(0, cut), exists, searchFolders);
    split.arguments = cut == std::string::npos ? "" : base::Trim(text.substr(cut));
    return split;
}

std::string LowerFileName(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return base::LowerCase(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace startup_items
