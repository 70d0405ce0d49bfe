#include "core/path_macros.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "base/text.h"

namespace core {

namespace {

namespace csidl = platform::csidl;

enum class MacroKind {
    Folder,           // the special folder, macro matched in any letter case
    VirtualFolder,    // a folder without a file-system path: always ""
    UserProfile,      // the user's profile, macro in lower case only
    AllUsersProfile,  // the all-users profile, macro in lower case only
};

struct Macro {
    std::string_view text;
    int csidl;
    MacroKind kind;
};

constexpr std::array<Macro, 30> kMacros{{
    {"[startsp]", csidl::kAltStartup, MacroKind::Folder},
    {"[appdata]", csidl::kAppData, MacroKind::Folder},
    {"[recycle]", csidl::kBitBucket, MacroKind::VirtualFolder},
    {"[comstar]", csidl::kCommonAltStartup, MacroKind::Folder},
    {"[comapp]", csidl::kCommonAppData, MacroKind::Folder},
    {"[desktop]", csidl::kCommonDesktopDirectory, MacroKind::Folder},
    {"[comdocs]", csidl::kCommonDocuments, MacroKind::Folder},
    {"[comfav]", csidl::kCommonFavorites, MacroKind::Folder},
    {"[comprog]", csidl::kCommonPrograms, MacroKind::Folder},
    {"[comstam]", csidl::kCommonStartMenu, MacroKind::Folder},
    {"[comtemp]", csidl::kCommonTemplates, MacroKind::Folder},
    {"[cookies]", csidl::kCookies, MacroKind::Folder},
    {"[comdesk]", csidl::kDesktopDirectory, MacroKind::Folder},
    {"[favorit]", csidl::kFavorites, MacroKind::Folder},
    {"[fonts]", csidl::kFonts, MacroKind::Folder},
    {"[history]", csidl::kHistory, MacroKind::Folder},
    {"[netcach]", csidl::kInternetCache, MacroKind::Folder},
    {"[progs]", csidl::kPrograms, MacroKind::Folder},
    {"[progfil]", csidl::kProgramFiles, MacroKind::Folder},
    {"[comprogfil]", csidl::kProgramFilesCommon, MacroKind::Folder},
    {"[personl]", csidl::kPersonal, MacroKind::Folder},
    {"[recent]", csidl::kRecent, MacroKind::Folder},
    {"[sendto]", csidl::kSendTo, MacroKind::Folder},
    {"[startup]", csidl::kStartup, MacroKind::Folder},
    {"[strtmnu]", csidl::kStartMenu, MacroKind::Folder},
    {"[system]", csidl::kSystem, MacroKind::Folder},
    {"[templat]", csidl::kTemplates, MacroKind::Folder},
    {"[windir]", csidl::kWindows, MacroKind::Folder},
    // The profiles' start menus are only asked for where the platform cannot
    // name the profile itself.
    {"[user]", csidl::kStartMenu, MacroKind::UserProfile},
    {"[alluser]", csidl::kCommonStartMenu, MacroKind::AllUsersProfile},
}};

std::string WithBackslash(const std::optional<std::string>& path) {
    if (!path) {
        return {};
    }
    return path->substr(0, path->find('\0')) + "\\";
}

// The profile macros come from XP, where a profile held its start menu, so the
// folder above the start menu was the profile. On Vista and later the start
// menus lie deeper inside the profiles, so the profile is asked for itself;
// on XP both ways give the same folder. A shell too old to name the profile keeps the
// start menu in it, and there the folder above the start menu is still used.
std::string ProfileFolder(const Macro& macro, platform::ShellFolders& shell) {
    const std::optional<std::string> profile = macro.kind == MacroKind::UserProfile
                                                   ? shell.FolderPath(csidl::kProfile)
                                                   : shell.AllUsersProfilePath();
    if (profile) {
        return WithBackslash(profile);
    }
    return base::ReplaceAllIgnoreCase(GetSpecialFolder(shell, macro.csidl), "\\Start Menu", "");
}

// The profiles' sub-folders of XP. On Vista and later each is a
// compatibility junction to a folder of the new layout, and a path through
// one is refused by the removal, matches no running program's path, and
// names one item twice; so they are replaced by the folder the shell names.
// Longer names come first, so that "Local Settings\Application Data" is not
// taken for "Local Settings" followed by a folder of its own.
struct OldProfileFolder {
    std::string_view name;
    int csidl;
};

constexpr std::array<OldProfileFolder, 6> kOldUserFolders{{
    {"Local Settings\\Application Data", csidl::kLocalAppData},
    {"Local Settings", csidl::kLocalAppData},  // its Temp lies there
    {"Application Data", csidl::kAppData},
    {"Start Menu", csidl::kStartMenu},
    {"My Documents", csidl::kPersonal},
    {"Desktop", csidl::kDesktopDirectory},
}};

constexpr std::array<OldProfileFolder, 4> kOldAllUsersFolders{{
    {"Application Data", csidl::kCommonAppData},
    {"Start Menu", csidl::kCommonStartMenu},
    {"Documents", csidl::kCommonDocuments},
    {"Desktop", csidl::kCommonDesktopDirectory},
}};

bool IsProfileMacro(const Macro& macro) noexcept {
    return macro.kind == MacroKind::UserProfile || macro.kind == MacroKind::AllUsersProfile;
}

std::string FolderFor(const Macro& macro, platform::ShellFolders& shell) {
    switch (macro.kind) {
        case MacroKind::Folder:
            return GetSpecialFolder(shell, macro.csidl);
        case MacroKind::VirtualFolder:
            return {};
        case MacroKind::UserProfile:
        case MacroKind::AllUsersProfile:
            return ProfileFolder(macro, shell);
    }
    return {};
}

bool EndsName(std::string_view text, std::size_t at) noexcept {
    return at == text.size() || text[at] == '\\' || text[at] == '|';
}

// The real folder for `profile` followed by `rest`, when `rest` starts with
// one of the old sub-folders: the folder and the length of `rest` it stands
// for. Where the shell's folder is the old one or lies inside it (XP, where
// the old folders are real), nothing is replaced.
std::optional<std::pair<std::string, std::size_t>> RealOldFolder(std::string_view profile,
                                                                 std::string_view rest,
                                                                 const Macro& macro,
                                                                 platform::ShellFolders& shell) {
    std::size_t skipped = 0;
    while (skipped < rest.size() && rest[skipped] == '\\') {
        ++skipped;
    }
    const std::string_view afterSlashes = rest.substr(skipped);
    const auto& folders = macro.kind == MacroKind::UserProfile
                              ? std::span<const OldProfileFolder>(kOldUserFolders)
                              : std::span<const OldProfileFolder>(kOldAllUsersFolders);
    for (const OldProfileFolder& old : folders) {
        if (!base::StartsWithIgnoreCase(afterSlashes, old.name) ||
            !EndsName(afterSlashes, old.name.size())) {
            continue;
        }
        std::string real = GetSpecialFolder(shell, old.csidl);
        if (real.empty()) {
            return std::nullopt;
        }
        real.pop_back();
        std::string oldPath(profile);
        if (!oldPath.empty() && oldPath.back() != '\\') {
            oldPath += '\\';
        }
        oldPath += old.name;
        if (base::EqualsIgnoreCase(real, oldPath) ||
            base::StartsWithIgnoreCase(real, oldPath + "\\")) {
            return std::nullopt;
        }
        return std::pair{real, skipped + old.name.size()};
    }
    return std::nullopt;
}

// Every occurrence of the profile macro, each followed by an old sub-folder
// named by its real folder.
std::string ExpandProfileMacro(std::string_view path, const Macro& macro,
                               platform::ShellFolders& shell) {
    const std::string profile = FolderFor(macro, shell);
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = path.find(macro.text); at != std::string_view::npos;
         at = path.find(macro.text, from)) {
        out.append(path.substr(from, at - from));
        from = at + macro.text.size();
        const std::optional<std::pair<std::string, std::size_t>> real =
            profile.empty() ? std::nullopt
                            : RealOldFolder(profile, path.substr(from), macro, shell);
        if (real) {
            out.append(real->first);
            from += real->second;
        } else {
            out.append(profile);
        }
    }
    out.append(path.substr(from));
    return out;
}

}  // namespace

std::string GetSpecialFolder(platform::ShellFolders& shell, int csidl) {
    return WithBackslash(shell.FolderPath(csidl));
}

std::string GetSpecialFolderById(platform::ShellFolders& shell, int csidl) {
    std::optional<std::string> path = shell.FolderPathById(csidl);
    if (!path) {
        return {};
    }
    std::string result = path->substr(0, path->find('\0'));
    if (result.empty() || result.back() != '\\') {
        result += '\\';
    }
    return result;
}

std::string SystemDriveRoot(platform::ShellFolders& shell) {
    return GetSpecialFolderById(shell, csidl::kPrograms).substr(0, 3);
}

namespace {

bool MacroAt(std::string_view path, std::size_t at, const Macro& macro) noexcept {
    const std::string_view text = path.substr(at, macro.text.size());
    return IsProfileMacro(macro) ? text == macro.text : base::EqualsIgnoreCase(text, macro.text);
}

// The first macro of the table, from `first` on, that occurs in the path;
// kMacros.size() when none does. Every macro starts with "[", so only the
// places of a "[" are compared.
std::size_t NextMacroIn(std::string_view path, std::size_t first) noexcept {
    std::size_t next = kMacros.size();
    for (std::size_t at = path.find('['); at != std::string_view::npos;
         at = path.find('[', at + 1)) {
        for (std::size_t i = first; i < next; ++i) {
            if (MacroAt(path, at, kMacros[i])) {
                next = i;
                break;
            }
        }
    }
    return next;
}

}  // namespace

std::string& ExpandPathMacros(std::string& path, platform::ShellFolders& shell) {
    // The macros are replaced one after another in the table's order; the
    // folder is only asked for when its macro is there, since each lookup is
    // a call into the shell.
    for (std::size_t i = NextMacroIn(path, 0); i < kMacros.size(); i = NextMacroIn(path, i + 1)) {
        const Macro& macro = kMacros[i];
        path = IsProfileMacro(macro)
                   ? ExpandProfileMacro(path, macro, shell)
                   : base::ReplaceAllIgnoreCase(path, macro.text, FolderFor(macro, shell));
    }
    return path;
}

std::string ExpandDefinitionPath(std::string path, platform::ShellFolders& shell) {
    if (path.find("[drive]") != std::string::npos) {
        path = base::ReplaceAll(path, "[drive]", SystemDriveRoot(shell));
    }
    ExpandPathMacros(path, shell);
    return base::ReplaceAll(path, "\\\\", "\\");
}

}  // namespace core
