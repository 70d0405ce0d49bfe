#pragma once

// A registry key or value read whole, for its copy in the quarantine, and
// such a copy written back. Paths are taken in the view that the caller
// names; the removal takes them literally (a 32-bit program's key below
// WOW6432Node in the 64-bit view), so the two views stay apart by path.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "removal/reg_file.h"
#include "removal/registry_roots.h"

namespace platform {
class TextCodec;
}

namespace removal {

struct RegistryCopy {
    // kOk: `keys` holds everything; kNotFound: nothing is there to copy;
    // anything else: something could not be read, and the copy is no copy.
    long status = platform::reg_status::kNotFound;
    std::vector<RegFileKey> keys;
};

// The key with all its values and subkeys: its section first, then each
// subkey's tree in turn, as regedit exports them.
[[nodiscard]] RegistryCopy ReadKeyTree(platform::Registry& registry, const RootKey& root,
                                       std::string_view path, platform::RegistryView view);
// One value of the key, alone in the key's section.
[[nodiscard]] RegistryCopy ReadKeyValue(platform::Registry& registry, const RootKey& root,
                                        std::string_view path, std::string_view valueName,
                                        platform::RegistryView view);

enum class ImportResult {
    Imported,
    // The key (for a key's copy) holding anything the copy does not, or the
    // value (for a value's), is there already; nothing was written.
    AlreadyThere,
    // Not a registration file, or it reaches outside the entry: nothing was
    // written.
    Refused,
    // A key or value could not be written; what was written before stays.
    WriteFailed,
};

// Writes a saved copy back. `keyName` is the entry's key with its root's
// name (HKEY_CURRENT_USER\Software\Acme); with `valueName` the file may hold
// that one value of that key and nothing else, without it only that key and
// keys below it. Everything is checked before anything is written. A key
// that is there already is completed when all it holds is part of the copy
// (a restore cut short, a deletion refused half-way), and never otherwise.
[[nodiscard]] ImportResult ImportRegFile(platform::Registry& registry, platform::TextCodec& codec,
                                         std::string_view bytes, std::string_view keyName,
                                         std::optional<std::string_view> valueName,
                                         platform::RegistryView view);

// The two parts of a key's full name; nullopt when the root is unknown or
// the path has an empty segment.
struct KeyName {
    RootKey root;
    std::string path;
};
[[nodiscard]] std::optional<KeyName> SplitKeyName(std::string_view fullName);

}  // namespace removal
