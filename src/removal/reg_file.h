#pragma once

// Registration files in the form regedit exports and imports: UTF-16LE with
// a byte order mark, the line "Windows Registry Editor Version 5.00", then
// one [HKEY_...\path] section per key with its values. A person can import
// such a file with regedit without this program.
//
// Value data is held as the registry port gives it: the stored bytes, with
// the three string types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) in the
// program's code page. In the file those are UTF-16, as regedit writes them;
// a lone surrogate (a name that Windows allows, though no text holds it)
// is written as its unit, as regedit does, and reads back as the program
// holds it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform {
class TextCodec;
}

namespace removal {

// One section: a key by its full name, the root key's name first
// (HKEY_CURRENT_USER\Software\Acme), and the values written below it.
struct RegFileKey {
    std::string name;
    std::vector<platform::NamedRegistryValue> values;
};

// The file's bytes. Every value reads back with its type and data
// unchanged: a string that the quoted form cannot carry exactly (no single
// terminating NUL, a NUL or a line break inside) is written as hex(1).
[[nodiscard]] std::string WriteRegFile(const std::vector<RegFileKey>& keys,
                                       platform::TextCodec& codec);

// The sections of such a file, in its order; long hex data may run over
// lines ending in "\". nullopt for anything else, including a file that
// deletes keys or values ("[-...]", "=-"): such a file is not a saved copy.
[[nodiscard]] std::optional<std::vector<RegFileKey>> ParseRegFile(std::string_view bytes,
                                                                  platform::TextCodec& codec);

}  // namespace removal
