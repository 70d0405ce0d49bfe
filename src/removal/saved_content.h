#pragma once

// The size and SHA-256 digest of what the quarantine keeps of an item, so
// that a copy changed since it was saved is known before it is put back.
// A folder's digest covers its tree: every file and folder below it, in the
// order of their relative paths ("sub\file", byte by byte), each as "D" and
// the path and a NUL for a folder, or "F", the path, a NUL, the size as
// eight bytes (least significant first) and the content for a file. Its
// size is that of all its files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class FileSystem;
class Hashing;
}  // namespace platform

namespace removal {

struct ContentDigest {
    std::uint64_t size = 0;
    std::string sha256;
};

// nullopt when the file cannot be read whole, or the platform cannot hash.
[[nodiscard]] std::optional<ContentDigest> DigestFile(platform::FileSystem& fs,
                                                      platform::Hashing& hashing,
                                                      std::string_view path);
// nullopt when something in the tree cannot be read, or is a link: a saved
// folder never holds one.
[[nodiscard]] std::optional<ContentDigest> DigestFolder(platform::FileSystem& fs,
                                                        platform::Hashing& hashing,
                                                        std::string_view path);
// The SHA-256 of `bytes` as 64 lower-case hexadecimal digits, as the index
// holds it; nullopt when the platform cannot hash.
[[nodiscard]] std::optional<std::string> Sha256Hex(platform::Hashing& hashing,
                                                   std::string_view bytes);

}  // namespace removal
