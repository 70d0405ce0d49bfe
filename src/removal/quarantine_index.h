#pragma once

// The index of what the quarantine holds, for the program to read: one
// entry per removed item, beside the log that is kept for people.
//
// The file "QuarantineIndex.txt" in the quarantine folder: a first line
// "QuarantineIndex<TAB>1<TAB>UTF-8", then one line per entry, its fields separated by
// tabs, in this order:
//   kind       file, folder, cookie, regkey, regvalue, cookierows (rows
//              of a browser's cookie store, saved as a small database of
//              the store's own table); from startup places also regreset
//              (a value saved as a .reg copy, then set to the system's own),
//              hostslines (the hosts file saved whole before lines of it
//              were commented out), shortcutargs (a shortcut saved before
//              its arguments were cleaned), service (a service's start type
//              and program, saved before it was disabled) and task (a
//              scheduled task's XML, saved before it was deleted); from
//              browser extensions extsettings (a browser settings file as it
//              was before an extension's entries were taken out of it). A
//              program that does not know a kind keeps its line as it stands.
//   time       of the removal, local, "YYYY-MM-DD hh:mm:ss"
//   size       of the saved content in bytes (a folder: of all its files)
//   sha256     of the saved content, 64 lower-case hexadecimal digits
//   stored     the saved content's name in the quarantine folder
//   threat     the threat's name
//   location   where the item was: a file's or folder's full path, or a
//              registry key by its root's name and path as regedit shows it
//              (HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node\Acme is the 32-bit
//              view's key), or a cookie store's path; a service's or task's
//              place as the scan names it
//   value      a registry value's name, or the domain of saved cookie rows;
//              for hostslines the SHA-256 of the file as the removal left
//              it, then each commented line as it stood before, each after
//              a line break; for shortcutargs the arguments the removal
//              left; for task the task's path ("\Folder\Name"); for
//              extsettings the ID of the extension taken out of the file;
//              empty for everything else
// Texts are UTF-8; an older index, whose first line is
// "QuarantineIndex<TAB>1", has them in the code page that the program ran in
// and is read as the log is (as it stands when that is valid in the
// program's code page, otherwise as the system's ANSI code page). An entry
// with a text that the program's code page cannot hold is neither listed nor
// changed, and is written back as it stands. A tab, a line break, any other
// control character and "%" inside a field are written as "%XX" (two
// hexadecimal digits), so that no field holds the separator. A line that
// does not read as an entry is skipped and the others are kept. The file is
// replaced in one step; when the file replaced held such lines (or a first
// line of another version), it is first copied aside as
// "QuarantineIndex (damaged).txt" (numbered when that is taken), so that
// nothing of it is lost.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace platform {
class FileSystem;
class Hashing;
class TextCodec;
}  // namespace platform

namespace removal {

enum class QuarantineKind {
    File,
    Folder,
    Cookie,
    RegistryKey,
    RegistryValue,
    CookieRows,
    RegistryReset,
    HostsLines,
    ShortcutArguments,
    ServiceStart,
    Task,
    ExtensionSettings,
};

struct QuarantineEntry {
    QuarantineKind kind = QuarantineKind::File;
    std::string time;
    std::uint64_t size = 0;
    std::string sha256;
    std::string storedName;
    std::string threat;
    std::string location;
    std::string valueName;
    // Known from the log alone (a quarantine older than the index): `time`
    // is the log's own text, and there is no threat and no digest to check
    // the saved content against.
    bool fromLogOnly = false;

    friend bool operator==(const QuarantineEntry&, const QuarantineEntry&) = default;
};

[[nodiscard]] std::string QuarantineIndexPath(std::string_view dataFolder);

// The names of the quarantine's own files (its log, its index and the
// index's scratch file), in any letter case: no copy is ever stored under
// one, nor does an entry ever name one.
[[nodiscard]] bool IsQuarantineOwnName(std::string_view name);
// A name that the quarantine folder holds directly and that Windows reads
// as itself: no path, no "." or "..", no trailing dot or blank (which
// Windows drops, so that it names another copy), and none of the folder's
// own names.
[[nodiscard]] bool IsStoredName(std::string_view name);

// The index's entries, in the order they were added; empty when there is no
// index. Lines that do not read are skipped.
[[nodiscard]] std::vector<QuarantineEntry> LoadQuarantineEntries(platform::FileSystem& fs,
                                                                 platform::TextCodec& codec,
                                                                 std::string_view dataFolder);

// Adds the entry; false when the index could not be written (it then keeps
// what it held).
bool AddQuarantineEntry(platform::FileSystem& fs, platform::TextCodec& codec,
                        std::string_view dataFolder, const QuarantineEntry& entry);

// Removes the entries of these stored names (in any letter case); false when
// the index could not be written.
bool RemoveQuarantineEntries(platform::FileSystem& fs, platform::TextCodec& codec,
                             std::string_view dataFolder,
                             const std::vector<std::string>& storedNames);

// Everything the quarantine holds, for the quarantine window: the index's
// entries, then the files and folders that only the log names (with the
// saved content still in the quarantine), each stored name once.
[[nodiscard]] std::vector<QuarantineEntry> ListQuarantine(platform::FileSystem& fs,
                                                          platform::TextCodec& codec,
                                                          std::string_view dataFolder);

enum class SavedContentState {
    Intact,     // there, and its digest is the entry's
    Changed,    // there, but not what was saved
    Missing,    // not in the quarantine
    Unchecked,  // the entry has no digest (known from the log only)
};

[[nodiscard]] SavedContentState CheckSavedContent(platform::FileSystem& fs,
                                                  platform::Hashing& hashing,
                                                  std::string_view dataFolder,
                                                  const QuarantineEntry& entry);
// True only when the saved content is there and matches its digest.
[[nodiscard]] bool VerifySavedContent(platform::FileSystem& fs, platform::Hashing& hashing,
                                      std::string_view dataFolder, const QuarantineEntry& entry);

// The fixed form of the index's times.
[[nodiscard]] std::string IndexTimeText(const platform::DateTime& time);
// A time of that form, or nullopt.
[[nodiscard]] std::optional<platform::DateTime> ParseIndexTime(std::string_view text);

}  // namespace removal
