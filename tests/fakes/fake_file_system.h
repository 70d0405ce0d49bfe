#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace fakes {

// An in-memory file system with Windows naming: paths compare without regard
// to case, and files can be hidden or system files.
class FakeFileSystem : public platform::FileSystem {
public:
    std::optional<std::string> FirstNormalFileName(std::string_view path) override;
    bool DirectoryExists(std::string_view path) override;
    std::optional<std::string> ReadWholeFile(std::string_view path) override;

    struct File {
        std::string path;  // as written
        std::string content;
        bool hidden = false;
        bool system = false;
        bool unreadable = false;
    };

    // Adds or replaces a file; its folders come into being with it.
    File& AddFile(std::string path, std::string content = {});
    void AddDirectory(std::string path);
    void Remove(std::string_view path);
    [[nodiscard]] const File* Find(std::string_view path) const;

private:
    std::map<std::string, File> m_files;  // by upper-cased path
    std::set<std::string> m_directories;  // upper-cased paths
};

}  // namespace fakes
