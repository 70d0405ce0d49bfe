#include "fakes/fake_file_system.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "base/text.h"

namespace fakes {

namespace {

std::string Key(std::string_view path) {
    std::string key = base::UpperCase(path);
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

std::string FakeFileSystem::Real(std::string_view path, bool followLast) const {
    std::string real(path);
    if (m_links.empty()) {
        return real;
    }
    // Links may lead to links; a loop of them ends after a few rounds, as a
    // real file system gives up on it.
    for (int round = 0; round < 8; ++round) {
        bool replaced = false;
        for (std::size_t end = real.find('\\'); !replaced; end = real.find('\\', end + 1)) {
            const bool last = end == std::string::npos;
            if (last && !followLast) {
                break;
            }
            const auto link = m_links.find(Key(real.substr(0, end)));
            if (link != m_links.end()) {
                real = link->second + (last ? std::string() : real.substr(end));
                replaced = true;
            }
            if (last) {
                break;
            }
        }
        if (!replaced) {
            break;
        }
    }
    return real;
}

bool FakeFileSystem::HasLink(std::string_view path) const {
    return m_links.contains(Key(Real(path, false)));
}

bool FakeFileSystem::FolderExists(std::string_view path) const {
    const std::string key = Key(Real(path));
    if (m_directories.contains(key)) {
        return true;
    }
    // The root of every drive exists, with or without anything on it.
    const bool isRoot = (key.size() == 2 || (key.size() == 3 && key[2] == '\\')) && key[1] == ':';
    return isRoot && std::any_of(drives.begin(), drives.end(), [&](const platform::DriveInfo& d) {
               return d.ready &&
                      base::UpperCase(std::string_view(&d.letter, 1)) == key.substr(0, 1);
           });
}

bool FakeFileSystem::ParentExists(std::string_view path) const {
    const std::string parent = FolderOf(path);
    return parent.empty() || FolderExists(parent);
}

void FakeFileSystem::RefuseWritesUnder(std::string folder) {
    m_readOnlyFolders.push_back(Key(folder));
}

bool FakeFileSystem::WriteRefused(std::string_view path) const {
    if (longestPath > 0 && path.size() > longestPath) {
        return true;
    }
    const std::string key = Key(Real(path, false));
    return std::any_of(
        m_readOnlyFolders.begin(), m_readOnlyFolders.end(),
        [&](const std::string& folder) { return key == folder || key.starts_with(folder + "\\"); });
}

void FakeFileSystem::RefuseListing(std::string folder) {
    m_unlistedFolders.push_back(Key(Real(folder)));
}

void FakeFileSystem::LetUsersWrite(std::string folder) {
    m_usersFolders.push_back(Key(folder));
}

platform::WriteAccess FakeFileSystem::WhoMayWrite(std::string_view path) {
    if (!Attributes(path)) {
        return platform::WriteAccess::Unknown;
    }
    const std::string key = Key(Real(path, false));
    const auto below = [&](std::string_view folder) {
        return key == folder || key.starts_with(std::string(folder) + "\\");
    };
    if (std::any_of(m_usersFolders.begin(), m_usersFolders.end(), below)) {
        return platform::WriteAccess::AlsoUsers;
    }
    for (const std::string_view folder :
         {"C:\\PROGRAM FILES", "C:\\PROGRAM FILES (X86)", "C:\\WINDOWS",
          "C:\\PROGRAMDATA\\MICROSOFT\\WINDOWS\\START MENU", "C:\\USERS\\PUBLIC\\DESKTOP"}) {
        if (below(folder)) {
            return platform::WriteAccess::AdministratorsOnly;
        }
    }
    return platform::WriteAccess::AlsoUsers;
}

FakeFileSystem::File& FakeFileSystem::AddFile(std::string path, std::string content) {
    for (std::string folder = FolderOf(path); !folder.empty(); folder = FolderOf(folder)) {
        m_directories.try_emplace(Key(folder), folder);
    }
    File& file = m_files[Key(path)];
    file = File{std::move(path), std::move(content)};
    file.written = ++m_lastWrite;
    return file;
}

void FakeFileSystem::AddDirectory(std::string path) {
    for (std::string folder = path; !folder.empty(); folder = FolderOf(folder)) {
        m_directories.try_emplace(Key(folder), folder);
    }
}

void FakeFileSystem::AddLink(std::string path, std::string target) {
    AddDirectory(FolderOf(path));
    m_links[Key(path)] = std::move(target);
}

void FakeFileSystem::Remove(std::string_view path) {
    m_files.erase(Key(path));
    m_directories.erase(Key(path));
    m_folderAttributes.erase(Key(path));
    m_links.erase(Key(path));
}

const FakeFileSystem::File* FakeFileSystem::Find(std::string_view path) const {
    const auto it = m_files.find(Key(Real(path)));
    return it == m_files.end() ? nullptr : &it->second;
}

FakeFileSystem::File* FakeFileSystem::Find(std::string_view path) {
    const auto it = m_files.find(Key(Real(path)));
    return it == m_files.end() ? nullptr : &it->second;
}

std::optional<std::string> FakeFileSystem::FirstNormalFileName(std::string_view path) {
    // An exact, plain name is one look-up, as large scans need; patterns and
    // paths with doubled backslashes take the walk below.
    if (!base::HasWildcard(path) && !base::HasDoubledBackslash(path)) {
        if (path.empty() || path.back() == '\\') {
            return std::nullopt;
        }
        const auto it = m_files.find(Key(Real(path)));
        if (it == m_files.end() || it->second.hidden || it->second.system) {
            return std::nullopt;
        }
        return NameOf(it->second.path);
    }
    const std::string folder = Key(Real(FolderOf(path)));
    const std::string pattern = base::UpperCase(NameOf(path));
    const File* first = nullptr;
    std::string firstKey;
    for (const auto& [key, file] : m_files) {
        if (Key(FolderOf(key)) != folder || !Matches(pattern, Key(NameOf(key))) || file.hidden ||
            file.system) {
            continue;
        }
        if (first == nullptr || key < firstKey) {
            first = &file;
            firstKey = key;
        }
    }
    return first != nullptr ? std::optional<std::string>(NameOf(first->path)) : std::nullopt;
}

bool FakeFileSystem::DirectoryExists(std::string_view path) {
    return FolderExists(path);
}

std::optional<std::string> FakeFileSystem::ReadWholeFile(std::string_view path) {
    ++reads;
    if (beforeWholeRead) {
        beforeWholeRead(path);
    }
    const File* file = Find(path);
    if (file == nullptr || file->unreadable) {
        return std::nullopt;
    }
    return file->content;
}

bool FakeFileSystem::WriteWholeFile(std::string_view path, std::string_view content) {
    if (WriteRefused(path)) {
        return false;
    }
    const std::string real = Real(path);
    const auto it = m_files.find(Key(real));
    if (it == m_files.end()) {
        if (m_directories.contains(Key(real))) {
            return false;
        }
        AddFile(real, std::string(content));
        return true;
    }
    if (it->second.locked) {
        return false;
    }
    it->second.content = content;
    it->second.written = ++m_lastWrite;
    return true;
}

bool FakeFileSystem::AppendToFile(std::string_view path, std::string_view content) {
    if (WriteRefused(path)) {
        return false;
    }
    const auto it = m_files.find(Key(Real(path)));
    if (it == m_files.end()) {
        return WriteWholeFile(path, content);
    }
    if (it->second.locked) {
        return false;
    }
    it->second.content.append(content);
    it->second.written = ++m_lastWrite;
    return true;
}

namespace {

class FakeFileReader final : public platform::FileReader {
public:
    FakeFileReader(FakeFileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        const FakeFileSystem::File* file = m_fs.Find(m_path);
        if (file == nullptr || file->unreadable) {
            return std::nullopt;
        }
        const std::size_t count =
            m_offset >= file->content.size() ? 0 : file->content.copy(buffer, size, m_offset);
        m_offset += count;
        return count;
    }

private:
    FakeFileSystem& m_fs;
    std::string m_path;
    std::size_t m_offset = 0;
};

class FakeFileWriter final : public platform::FileWriter {
public:
    FakeFileWriter(FakeFileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}

    bool Write(std::string_view piece) override {
        if (!m_fs.AppendToFile(m_path, piece)) {
            return false;
        }
        m_fs.Find(m_path)->unflushed = true;
        return true;
    }

    bool Flush() override {
        FakeFileSystem::File* file = m_fs.Find(m_path);
        if (file == nullptr) {
            return false;
        }
        file->unflushed = false;
        return true;
    }

private:
    FakeFileSystem& m_fs;
    std::string m_path;
};

}  // namespace

std::unique_ptr<platform::FileReader> FakeFileSystem::OpenToRead(std::string_view path) {
    ++reads;
    const File* file = Find(path);
    if (file == nullptr || file->unreadable) {
        return nullptr;
    }
    return std::make_unique<FakeFileReader>(*this, std::string(path));
}

std::unique_ptr<platform::FileWriter> FakeFileSystem::CreateToWrite(std::string_view path) {
    if (!WriteWholeFile(path, "")) {
        return nullptr;
    }
    Find(path)->unflushed = true;
    return std::make_unique<FakeFileWriter>(*this, std::string(path));
}

bool FakeFileSystem::RemoveFile(std::string_view path) {
    if (WriteRefused(path)) {
        return false;
    }
    const auto it = m_files.find(Key(Real(path)));
    if (it == m_files.end() || it->second.locked) {
        return false;
    }
    if (!it->second.deletionKept) {
        m_files.erase(it);
    }
    return true;
}

bool FakeFileSystem::RenameFile(std::string_view from, std::string_view to) {
    if (WriteRefused(from) || WriteRefused(to)) {
        return false;
    }
    const auto source = m_files.find(Key(Real(from)));
    if (source == m_files.end()) {
        return RenameFolder(from, to);
    }
    if (source->second.locked) {
        return false;
    }
    const std::string target = Key(Real(to));
    const bool sameFile = source->first == target;  // a change of case only
    if (!sameFile &&
        (m_files.contains(target) || m_directories.contains(target) || !ParentExists(to))) {
        return false;
    }
    File moved = std::move(source->second);
    m_files.erase(source);
    moved.path = std::string(to);
    m_files.emplace(target, std::move(moved));
    if (afterFileMoved) {
        afterFileMoved(to);
    }
    return true;
}

bool FakeFileSystem::RenameFolder(std::string_view from, std::string_view to) {
    const std::string source = Key(Real(from, false));
    const std::string target = Key(Real(to));
    if (!m_directories.contains(source) || m_files.contains(target) ||
        m_directories.contains(target) || m_links.contains(target) || !ParentExists(to) ||
        target.starts_with(source + "\\")) {
        return false;
    }
    const auto below = [&](const std::string& key) {
        return key == source || key.starts_with(source + "\\");
    };
    // A file open below the folder holds the folder in its place.
    if (std::any_of(m_files.begin(), m_files.end(),
                    [&](const auto& f) { return below(f.first) && f.second.locked; })) {
        return false;
    }
    const auto moved = [&](const std::string& key) {
        return target + key.substr(source.size());
    };
    std::vector<std::string> folders;
    for (const auto& [key, path] : m_directories) {
        if (below(key)) {
            folders.push_back(key);
        }
    }
    for (const std::string& key : folders) {
        const std::string path = m_directories.at(key);
        m_directories.erase(key);
        if (const auto flags = m_folderAttributes.find(key); flags != m_folderAttributes.end()) {
            const FolderAttributes kept = flags->second;
            m_folderAttributes.erase(flags);
            m_folderAttributes[moved(key)] = kept;
        }
        m_directories.try_emplace(
            moved(key), std::string(to) + path.substr(std::min(source.size(), path.size())));
    }
    std::vector<std::string> files;
    for (const auto& [key, file] : m_files) {
        if (below(key)) {
            files.push_back(key);
        }
    }
    for (const std::string& key : files) {
        File file = std::move(m_files.at(key));
        m_files.erase(key);
        file.path = std::string(to) + file.path.substr(std::min(source.size(), file.path.size()));
        m_files.emplace(moved(key), std::move(file));
    }
    std::vector<std::pair<std::string, std::string>> links;
    for (const auto& [key, linkTarget] : m_links) {
        if (below(key)) {
            links.emplace_back(key, linkTarget);
        }
    }
    for (const auto& [key, linkTarget] : links) {
        m_links.erase(key);
        m_links.emplace(moved(key), linkTarget);
    }
    return true;
}

bool FakeFileSystem::MoveOver(std::string_view from, std::string_view to) {
    if (WriteRefused(from) || WriteRefused(to)) {
        return false;
    }
    const auto source = m_files.find(Key(Real(from)));
    const std::string target = Key(Real(to));
    if (source == m_files.end() || source->second.locked || m_directories.contains(target) ||
        !ParentExists(to)) {
        return false;
    }
    if (const auto replaced = m_files.find(target); replaced != m_files.end()) {
        if (replaced->second.locked) {
            return false;
        }
        if (replaced != source) {
            m_files.erase(replaced);
        }
    }
    File moved = std::move(m_files.find(Key(Real(from)))->second);
    m_files.erase(Key(Real(from)));
    moved.path = std::string(to);
    m_files.insert_or_assign(target, std::move(moved));
    if (afterFileMoved) {
        afterFileMoved(to);
    }
    return true;
}

bool FakeFileSystem::MakeDirectory(std::string_view path) {
    const std::string key = Key(Real(path));
    if (m_directories.contains(key) || m_links.contains(key)) {
        return true;
    }
    if (m_files.contains(key) || !ParentExists(path) || WriteRefused(path)) {
        return false;
    }
    m_directories.try_emplace(key, Real(path));
    return true;
}

std::vector<std::string> FakeFileSystem::ListFiles(std::string_view folder) {
    std::string_view trimmed = folder;
    while (!trimmed.empty() && trimmed.back() == '\\') {
        trimmed.remove_suffix(1);
    }
    const std::string folderKey = Key(Real(trimmed));
    std::vector<std::pair<std::string, std::string>> found;  // key, name
    for (const auto& [key, file] : m_files) {
        if (Key(FolderOf(key)) == folderKey) {
            found.emplace_back(key, NameOf(file.path));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [key, name] : found) {
        names.push_back(std::move(name));
    }
    return names;
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(std::string_view path) {
    const File* file = Find(path);
    if (file == nullptr || file->unreadable) {
        return std::nullopt;
    }
    return file->content.size();
}

std::optional<std::string> FakeFileSystem::ReadFileRange(std::string_view path,
                                                         std::uint64_t offset, std::size_t length) {
    ++reads;
    const File* file = Find(path);
    if (file == nullptr || file->unreadable) {
        return std::nullopt;
    }
    if (offset >= file->content.size()) {
        return std::string();
    }
    return file->content.substr(static_cast<std::size_t>(offset), length);
}

std::optional<std::vector<platform::DirectoryEntry>> FakeFileSystem::ListEntries(
    std::string_view folder) {
    std::string_view trimmed = folder;
    while (!trimmed.empty() && trimmed.back() == '\\') {
        trimmed.remove_suffix(1);
    }
    if (!FolderExists(trimmed)) {
        return std::nullopt;
    }
    const std::string folderKey = Key(Real(trimmed));
    if (std::find(m_unlistedFolders.begin(), m_unlistedFolders.end(), folderKey) !=
        m_unlistedFolders.end()) {
        return std::nullopt;
    }
    std::vector<std::pair<std::string, platform::DirectoryEntry>> found;
    for (const auto& [key, file] : m_files) {
        if (Key(FolderOf(key)) == folderKey) {
            found.emplace_back(
                key, platform::DirectoryEntry{NameOf(file.path), false, false, file.readOnly,
                                              file.hidden, file.system});
        }
    }
    for (const auto& [key, written] : m_directories) {
        if (Key(FolderOf(key)) == folderKey && key != folderKey) {
            const FolderAttributes flags =
                m_folderAttributes.contains(key) ? m_folderAttributes.at(key) : FolderAttributes{};
            found.emplace_back(
                key, platform::DirectoryEntry{NameOf(written), true, false, flags.readOnly,
                                              flags.hidden, flags.system});
        }
    }
    for (const auto& [key, target] : m_links) {
        if (Key(FolderOf(key)) == folderKey) {
            found.emplace_back(key, platform::DirectoryEntry{NameOf(key), true, true});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<platform::DirectoryEntry> entries;
    for (auto& [key, entry] : found) {
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<platform::PathAttributes> FakeFileSystem::Attributes(std::string_view path) {
    const std::string key = Key(Real(path, false));
    if (m_links.contains(key)) {
        return platform::PathAttributes{true, true};
    }
    if (const auto it = m_files.find(key); it != m_files.end()) {
        return platform::PathAttributes{false,
                                        false,
                                        it->second.readOnly,
                                        it->second.hidden,
                                        it->second.system,
                                        it->second.written};
    }
    if (FolderExists(Real(path, false))) {
        const auto flags = m_folderAttributes.find(Key(Real(path, false)));
        if (flags == m_folderAttributes.end()) {
            return platform::PathAttributes{true};
        }
        return platform::PathAttributes{true, false, flags->second.readOnly, flags->second.hidden,
                                        flags->second.system};
    }
    return std::nullopt;
}

bool FakeFileSystem::CopyFileTo(std::string_view from, std::string_view to) {
    const File* source = Find(from);
    const std::string target = Real(to);
    if (source == nullptr || source->unreadable || m_files.contains(Key(target)) ||
        FolderExists(target) || m_links.contains(Key(target)) || !ParentExists(target) ||
        copiesLeft == 0 || WriteRefused(to)) {
        return false;
    }
    if (copiesLeft > 0) {
        --copiesLeft;
    }
    const File copy = *source;
    File& added = AddFile(target, copy.content);
    added.hidden = copy.hidden;
    added.system = copy.system;
    added.readOnly = copy.readOnly;
    added.written = copy.written;
    return true;
}

bool FakeFileSystem::SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                                         bool system) {
    const std::string key = Key(Real(path, false));
    if (m_links.contains(key) || !m_directories.contains(key) || WriteRefused(path)) {
        return false;
    }
    m_folderAttributes[key] = FolderAttributes{readOnly, hidden, system};
    return true;
}

bool FakeFileSystem::RemoveFolder(std::string_view path) {
    if (WriteRefused(path)) {
        return false;
    }
    const std::string key = Key(Real(path, false));
    if (m_links.erase(key) > 0) {
        return true;
    }
    if (!m_directories.contains(key)) {
        return false;
    }
    const auto inside = [&](const std::string& other) {
        return Key(FolderOf(other)) == key;
    };
    if (std::any_of(m_files.begin(), m_files.end(),
                    [&](const auto& f) { return inside(f.first); }) ||
        std::any_of(m_directories.begin(), m_directories.end(),
                    [&](const auto& d) { return d.first != key && inside(d.first); }) ||
        std::any_of(m_links.begin(), m_links.end(),
                    [&](const auto& l) { return inside(l.first); })) {
        return false;
    }
    m_directories.erase(key);
    m_folderAttributes.erase(key);
    return true;
}

}  // namespace fakes
