#include "fakes/fake_file_system.h"

#include "core/text.h"

namespace fakes {

namespace {

std::string Key(std::string_view path) {
    std::string key = core::UpperCase(path);
    while (key.size() > 3 && key.back() == '\\') {
        key.pop_back();
    }
    return key;
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string NameOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Wildcard match of '*' and '?' on upper-cased names.
bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (Matches(pattern.substr(1), name.substr(skip))) {
                return true;
            }
        }
        return false;
    }
    if (name.empty()) {
        return false;
    }
    return (pattern[0] == '?' || pattern[0] == name[0]) &&
           Matches(pattern.substr(1), name.substr(1));
}

}  // namespace

FakeFileSystem::File& FakeFileSystem::AddFile(std::string path, std::string content) {
    for (std::string folder = FolderOf(path); !folder.empty(); folder = FolderOf(folder)) {
        m_directories.insert(Key(folder));
    }
    File& file = m_files[Key(path)];
    file = File{std::move(path), std::move(content)};
    return file;
}

void FakeFileSystem::AddDirectory(std::string path) {
    for (std::string folder = path; !folder.empty(); folder = FolderOf(folder)) {
        m_directories.insert(Key(folder));
    }
}

void FakeFileSystem::Remove(std::string_view path) {
    m_files.erase(Key(path));
    m_directories.erase(Key(path));
}

const FakeFileSystem::File* FakeFileSystem::Find(std::string_view path) const {
    const auto it = m_files.find(Key(path));
    return it == m_files.end() ? nullptr : &it->second;
}

std::optional<std::string> FakeFileSystem::FirstNormalFileName(std::string_view path) {
    const std::string folder = Key(FolderOf(path));
    const std::string pattern = core::UpperCase(NameOf(path));
    for (const auto& [key, file] : m_files) {
        if (Key(FolderOf(key)) != folder || !Matches(pattern, Key(NameOf(key)))) {
            continue;
        }
        if (!file.hidden && !file.system) {
            return NameOf(file.path);
        }
    }
    return std::nullopt;
}

bool FakeFileSystem::DirectoryExists(std::string_view path) {
    return m_directories.contains(Key(path));
}

std::optional<std::string> FakeFileSystem::ReadWholeFile(std::string_view path) {
    const File* file = Find(path);
    if (file == nullptr || file->unreadable) {
        return std::nullopt;
    }
    return file->content;
}

}  // namespace fakes
