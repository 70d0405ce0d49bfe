#include "startup_items/startup_rules.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "startup_items/command_line.h"
#include "startup_items/startup_places.h"

namespace startup_items {

namespace {

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool HasWebAddress(std::string_view lowerText) {
    return Contains(lowerText, "http://") || Contains(lowerText, "https://") ||
           Contains(lowerText, "ftp://") || Contains(lowerText, "www.");
}

bool StartsProgram(const StartupEntry& entry) {
    return !entry.program.empty();
}

// The words of a command's arguments, in lower case.
std::vector<std::string> LowerWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : base::LowerCase(text)) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

// A PowerShell parameter as written ("-enc", "/w") and whether it is an
// abbreviation of the full name: PowerShell takes any prefix.
bool IsParameter(std::string_view word, std::string_view fullName) {
    if (word.size() < 2 || (word.front() != '-' && word.front() != '/')) {
        return false;
    }
    word.remove_prefix(word.front() == '-' && word.size() > 2 && word[1] == '-' ? 2 : 1);
    return !word.empty() && word.size() <= fullName.size() &&
           fullName.substr(0, word.size()) == word;
}

bool PowerShellFetchesOrHides(std::string_view arguments) {
    const std::vector<std::string> words = LowerWords(arguments);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // "-e", "-enc" … "-encodedcommand"; "-ex…" is the execution policy.
        if (IsParameter(word, "encodedcommand") || IsParameter(word, "ec")) {
            return true;
        }
        if (IsParameter(word, "windowstyle") && i + 1 < words.size() &&
            (words[i + 1] == "hidden" || words[i + 1] == "1")) {
            return true;
        }
    }
    const std::string lower = base::LowerCase(arguments);
    for (const std::string_view download :
         {"downloadstring", "downloadfile", "downloaddata", "net.webclient", "invoke-webrequest",
          "invoke-restmethod", "start-bitstransfer", "iwr ", "irm "}) {
        if (Contains(lower, download)) {
            return true;
        }
    }
    return HasWebAddress(lower);
}

bool IsProgram(const StartupEntry& entry, std::initializer_list<std::string_view> names) {
    const std::string file = LowerFileName(entry.program);
    for (const std::string_view name : names) {
        if (file == name) {
            return true;
        }
    }
    return false;
}

// A script host, or a system tool made to run something fetched or hidden.
bool RunsFetchedOrHidden(const StartupEntry& entry, const RuleContext& context) {
    if (!StartsProgram(entry) || !entry.enabled) {
        return false;
    }
    const std::string arguments = base::LowerCase(entry.arguments);
    if (IsProgram(entry, {"wscript.exe", "cscript.exe", "mshta.exe"})) {
        return true;
    }
    if (IsProgram(entry, {"powershell.exe", "pwsh.exe"})) {
        return PowerShellFetchesOrHides(entry.arguments);
    }
    if (IsProgram(entry, {"rundll32.exe"})) {
        std::string library = base::Trim(entry.arguments.substr(0, entry.arguments.find(',')));
        if (library.size() >= 2 && library.front() == '"') {
            library = library.substr(1, library.find('"', 1) - 1);
        }
        return Contains(arguments, "javascript:") || Contains(arguments, "vbscript:") ||
               InWritableFolder(library, context.folders);
    }
    if (IsProgram(entry, {"regsvr32.exe"})) {
        return HasWebAddress(arguments);
    }
    if (IsProgram(entry, {"cmd.exe"})) {
        return HasWebAddress(arguments);
    }
    return false;
}

bool StartsUnsignedFromWritable(const StartupEntry& entry, const RuleContext& context) {
    return StartsProgram(entry) && entry.enabled &&
           entry.signature.status != platform::SignatureStatus::Valid &&
           InWritableFolder(entry.program, context.folders);
}

bool ShellNotExplorer(const StartupEntry& entry, const RuleContext& context) {
    if (entry.category != Category::WinlogonShell) {
        return false;
    }
    const std::string shell = base::Trim(entry.data);
    return !base::EqualsIgnoreCase(shell, "explorer.exe") &&
           !base::EqualsIgnoreCase(shell, context.folders.windows + "\\explorer.exe");
}

bool UserinitChanged(const StartupEntry& entry, const RuleContext& context) {
    if (entry.category != Category::WinlogonUserinit) {
        return false;
    }
    const std::string userinit = base::Trim(entry.data);
    return !base::EqualsIgnoreCase(userinit, context.folders.system + "\\userinit.exe,") &&
           !base::EqualsIgnoreCase(userinit, "userinit.exe,");
}

bool AppInitLoaded(const StartupEntry& entry, const RuleContext&) {
    return entry.category == Category::AppInit && entry.enabled && !base::Trim(entry.data).empty();
}

bool DebuggerSet(const StartupEntry& entry, const RuleContext&) {
    return entry.category == Category::Debugger || entry.category == Category::MonitorProcess;
}

bool HostsRedirects(const StartupEntry& entry, const RuleContext&) {
    return entry.category == Category::Hosts;
}

bool IsLoopbackHost(std::string_view host) {
    const std::string lower = base::LowerCase(host);
    return lower == "localhost" || lower.rfind("127.", 0) == 0 || lower == "::1" ||
           lower == "[::1]" || lower == "0.0.0.0";
}

// "host:port", "scheme=host:port;…" or "http://host:port".
bool ProxyToLoopback(const StartupEntry& entry, const RuleContext& context) {
    if (entry.category != Category::Proxy || !entry.enabled || context.managed) {
        return false;
    }
    std::string_view rest = entry.data;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(';'), rest.size());
        std::string_view server = base::TrimView(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (const std::size_t equals = server.find('='); equals != std::string_view::npos) {
            server.remove_prefix(equals + 1);
        }
        if (const std::size_t scheme = server.find("://"); scheme != std::string_view::npos) {
            server.remove_prefix(scheme + 3);
        }
        std::string_view host = server;
        if (!server.empty() && server.front() == '[') {
            host = server.substr(0, server.find(']') + 1);
        } else if (server.find(':') == server.rfind(':')) {
            host = server.substr(0, server.find(':'));
        }
        if (IsLoopbackHost(host)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsAddressOrExtensionArgument(std::string_view word) {
    const std::string lower = base::LowerCase(base::TrimView(word));
    const std::string_view text = lower;
    return !text.empty() && (text.rfind("--load-extension", 0) == 0 ||
                             text.rfind("--disable-extensions-except", 0) == 0 ||
                             Contains(text, "://") || text.rfind("www.", 0) == 0 ||
                             (text.front() != '-' && text.front() != '/' && Contains(text, ".") &&
                              !Contains(text, "\\")));
}

std::string CleanBrowserArguments(std::string_view arguments) {
    std::string cleaned;
    std::size_t at = 0;
    while (at < arguments.size()) {
        const std::size_t start = arguments.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(arguments.find_first_of(" \t", start), arguments.size());
        const std::string_view word = arguments.substr(start, end - start);
        if (!IsAddressOrExtensionArgument(word)) {
            cleaned += (cleaned.empty() ? "" : " ") + std::string(word);
        }
        at = end;
    }
    return cleaned;
}

namespace {

// An address or another extension handed to a browser by a shortcut.
bool BrowserGetsAddressOrExtension(const StartupEntry& entry, const RuleContext&) {
    if (entry.category != Category::BrowserShortcut || BrowserOfProgram(entry.program).empty()) {
        return false;
    }
    for (const std::string& word : LowerWords(entry.arguments)) {
        if (IsAddressOrExtensionArgument(word)) {
            return true;
        }
    }
    return false;
}

// A shortcut that bears a browser's name but starts something else.
bool NamedAfterBrowserStartsOther(const StartupEntry& entry, const RuleContext&) {
    if (entry.category != Category::BrowserShortcut || entry.program.empty()) {
        return false;
    }
    const std::string_view named = BrowserOfName(entry.name);
    return !named.empty() && BrowserOfProgram(entry.program) != named;
}

// How often counts as "every few minutes" for a program from a writable folder.
constexpr std::uint32_t kFrequentMinutes = 60;

bool HiddenTaskRunsSuspicious(const StartupEntry& entry, const RuleContext& context) {
    return entry.category == Category::Task && entry.hidden &&
           (RunsFetchedOrHidden(entry, context) || StartsUnsignedFromWritable(entry, context));
}

bool TaskRepeatsFromWritable(const StartupEntry& entry, const RuleContext& context) {
    return entry.category == Category::Task && entry.enabled && StartsProgram(entry) &&
           entry.repeatMinutes != 0 && entry.repeatMinutes <= kFrequentMinutes &&
           InWritableFolder(entry.program, context.folders);
}

bool AutoConfigSet(const StartupEntry& entry, const RuleContext& context) {
    return entry.category == Category::ProxyScript && !context.managed;
}

struct Rule {
    std::string_view reasonKey;
    FindingType type;
    // A validly signed program in the program folders is no finding by this
    // rule: the place is used as it is meant to be.
    bool signedProgramsExempt;
    bool (*applies)(const StartupEntry&, const RuleContext&);
};

constexpr std::array kRules{
    Rule{"MSG_SI_SHELL", FindingType::HijackPoint, true, ShellNotExplorer},
    Rule{"MSG_SI_USERINIT", FindingType::HijackPoint, false, UserinitChanged},
    Rule{"MSG_SI_APPINIT", FindingType::HijackPoint, true, AppInitLoaded},
    Rule{"MSG_SI_DEBUGGER", FindingType::HijackPoint, true, DebuggerSet},
    Rule{"MSG_SI_HOSTS", FindingType::HijackPoint, false, HostsRedirects},
    Rule{"MSG_SI_PROXY", FindingType::HijackPoint, false, ProxyToLoopback},
    Rule{"MSG_SI_PROXYSCRIPT", FindingType::HijackPoint, false, AutoConfigSet},
    Rule{"MSG_SI_BROWSERARGS", FindingType::HijackPoint, false, BrowserGetsAddressOrExtension},
    Rule{"MSG_SI_FAKEBROWSER", FindingType::HijackPoint, false, NamedAfterBrowserStartsOther},
    Rule{"MSG_SI_TASKHIDDEN", FindingType::StartupItem, false, HiddenTaskRunsSuspicious},
    Rule{"MSG_SI_TASKREPEAT", FindingType::StartupItem, false, TaskRepeatsFromWritable},
    Rule{"MSG_SI_SCRIPT", FindingType::StartupItem, false, RunsFetchedOrHidden},
    Rule{"MSG_SI_WRITABLE", FindingType::StartupItem, true, StartsUnsignedFromWritable},
};

bool SignedInProgramFolders(const StartupEntry& entry, const RuleFolders& folders) {
    if (!StartsProgram(entry) || entry.signature.status != platform::SignatureStatus::Valid) {
        return false;
    }
    for (const std::string& folder : folders.programFolders) {
        if (IsBelow(entry.program, folder)) {
            return true;
        }
    }
    return false;
}

// A drive's Recycle Bin, under any of the names Windows gave it.
bool InRecycleBin(std::string_view path) {
    if (path.size() < 4 || path[1] != ':' || path[2] != '\\') {
        return false;
    }
    const std::string_view below = path.substr(3);
    for (const std::string_view bin : {"$recycle.bin\\", "recycler\\", "recycled\\"}) {
        if (base::StartsWithIgnoreCase(below, bin)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsBelow(std::string_view path, std::string_view folder) {
    return !folder.empty() && path.size() > folder.size() + 1 &&
           base::StartsWithIgnoreCase(path, folder) && path[folder.size()] == '\\';
}

bool InWritableFolder(std::string_view path, const RuleFolders& folders) {
    if (InRecycleBin(path)) {
        return true;
    }
    for (const std::string& tree : folders.writableTrees) {
        if (IsBelow(path, tree)) {
            return true;
        }
    }
    // How many folders the path lies below the root.
    const auto depthBelow = [path](std::string_view root) {
        const std::string_view rest = path.substr(root.size() + 1);
        return static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\\'));
    };
    for (const std::string& root : folders.writableRoots) {
        if (IsBelow(path, root) && depthBelow(root) <= 1) {
            return true;
        }
    }
    for (const std::string& folder : folders.writableFolders) {
        if (IsBelow(path, folder) && depthBelow(folder) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<Verdict> Judge(const StartupEntry& entry, const RuleContext& context) {
    const bool exempt = SignedInProgramFolders(entry, context.folders);
    for (const Rule& rule : kRules) {
        if (rule.signedProgramsExempt && exempt) {
            continue;
        }
        if (rule.applies(entry, context)) {
            return Verdict{rule.type, rule.reasonKey};
        }
    }
    return std::nullopt;
}

}  // namespace startup_items
