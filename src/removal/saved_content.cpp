#include "removal/saved_content.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/file_system.h"
#include "platform/hashing.h"

namespace removal {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// Streams the file into the hash; its length, or nullopt when a read failed.
std::optional<std::uint64_t> HashFile(platform::FileSystem& fs, std::string_view path,
                                      platform::HashStream& hash) {
    const std::unique_ptr<platform::FileReader> reader = fs.OpenToRead(path);
    if (!reader) {
        return std::nullopt;
    }
    std::vector<char> buffer(kBlockSize);
    std::uint64_t length = 0;
    for (;;) {
        const std::optional<std::size_t> read = reader->Read(buffer.data(), buffer.size());
        if (!read) {
            return std::nullopt;
        }
        if (*read == 0) {
            return length;
        }
        if (!hash.Update(std::string_view(buffer.data(), *read))) {
            return std::nullopt;
        }
        length += *read;
    }
}

struct TreeEntry {
    std::string relative;
    bool directory = false;
};

bool ListTree(platform::FileSystem& fs, const std::string& root, const std::string& relative,
              std::vector<TreeEntry>& out) {
    const std::string folder = relative.empty() ? root : root + "\\" + relative;
    const std::optional<std::vector<platform::DirectoryEntry>> entries = fs.ListEntries(folder);
    if (!entries) {
        return false;
    }
    for (const platform::DirectoryEntry& entry : *entries) {
        if (entry.reparsePoint) {
            return false;
        }
        const std::string child = relative.empty() ? entry.name : relative + "\\" + entry.name;
        out.push_back({child, entry.directory});
        if (entry.directory && !ListTree(fs, root, child, out)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FinishHex(platform::HashStream& hash) {
    const std::optional<platform::Sha256Digest> digest = hash.Finish();
    if (!digest) {
        return std::nullopt;
    }
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : *digest) {
        hex.push_back(kDigits[byte >> 4]);
        hex.push_back(kDigits[byte & 0x0f]);
    }
    return hex;
}

}  // namespace

std::optional<std::string> Sha256Hex(platform::Hashing& hashing, std::string_view bytes) {
    const std::unique_ptr<platform::HashStream> hash = hashing.NewSha256();
    if (!hash || !hash->Update(bytes)) {
        return std::nullopt;
    }
    return FinishHex(*hash);
}

std::optional<ContentDigest> DigestFile(platform::FileSystem& fs, platform::Hashing& hashing,
                                        std::string_view path) {
    const std::unique_ptr<platform::HashStream> hash = hashing.NewSha256();
    if (!hash) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> length = HashFile(fs, path, *hash);
    const std::optional<std::string> hex = length ? FinishHex(*hash) : std::nullopt;
    if (!hex) {
        return std::nullopt;
    }
    return ContentDigest{*length, *hex};
}

std::optional<ContentDigest> DigestFolder(platform::FileSystem& fs, platform::Hashing& hashing,
                                          std::string_view path) {
    const std::optional<platform::PathAttributes> self = fs.Attributes(path);
    if (!self || !self->directory || self->reparsePoint) {
        return std::nullopt;
    }
    std::string root(path);
    while (!root.empty() && root.back() == '\\') {
        root.pop_back();
    }
    std::vector<TreeEntry> tree;
    if (!ListTree(fs, root, "", tree)) {
        return std::nullopt;
    }
    std::sort(tree.begin(), tree.end(),
              [](const TreeEntry& a, const TreeEntry& b) { return a.relative < b.relative; });
    const std::unique_ptr<platform::HashStream> hash = hashing.NewSha256();
    if (!hash) {
        return std::nullopt;
    }
    std::uint64_t total = 0;
    for (const TreeEntry& entry : tree) {
        if (!hash->Update(entry.directory ? "D" : "F") || !hash->Update(entry.relative) ||
            !hash->Update(std::string_view("\0", 1))) {
            return std::nullopt;
        }
        if (entry.directory) {
            continue;
        }
        const std::string file = root + "\\" + entry.relative;
        const std::optional<std::uint64_t> size = fs.FileSize(file);
        if (!size) {
            return std::nullopt;
        }
        std::string sizeBytes;
        for (int i = 0; i < 8; ++i) {
            sizeBytes.push_back(static_cast<char>(*size >> (8 * i) & 0xff));
        }
        if (!hash->Update(sizeBytes)) {
            return std::nullopt;
        }
        // A file that changes while it is read gives a digest that matches
        // nothing, and its copy counts as changed.
        const std::optional<std::uint64_t> length = HashFile(fs, file, *hash);
        if (!length || *length != *size) {
            return std::nullopt;
        }
        total += *size;
    }
    const std::optional<std::string> hex = FinishHex(*hash);
    if (!hex) {
        return std::nullopt;
    }
    return ContentDigest{total, *hex};
}

}  // namespace removal
