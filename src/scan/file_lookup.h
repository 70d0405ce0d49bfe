#pragma once

// How the file phase asks whether a record's file or folder is there: by
// itself, or from the entries of its folder, read once for the many records
// that name places in the same folder, most of them absent. A folder that is
// not there is ruled out by its own folder's entries in turn. A listing only
// ever rules a name out; whatever it may hold is looked up by itself, so both
// ways give the same answer.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/file_system.h"

namespace scan {

class GroupedFileLookup {
public:
    // The record that names a folder for this many times has it listed.
    static constexpr int kListFrom = 4;

    // `keepGoing` is called between the parts of a long listing; it yields
    // to the message loop and says whether the scan goes on.
    GroupedFileLookup(platform::FileSystem& fileSystem, std::function<bool()> keepGoing);
    ~GroupedFileLookup();
    GroupedFileLookup(const GroupedFileLookup&) = delete;
    GroupedFileLookup& operator=(const GroupedFileLookup&) = delete;

    // The answers of core::FileExists and core::DirectoryExists.
    [[nodiscard]] bool FileExists(std::string_view path);
    [[nodiscard]] bool DirectoryExists(std::string_view path);

private:
    struct Folder;

    // True when the folder's entries show that nothing of this name is in
    // it; the record counts towards the folder's listing, which `now` reads
    // at once.
    [[nodiscard]] bool RuledOut(std::string_view path, bool now);
    [[nodiscard]] bool RuledOut(std::string_view folder, std::string_view name, bool now);

    [[nodiscard]] bool ReadEntries(std::string_view folder, std::unordered_set<std::string>& names);

    platform::FileSystem& m_fileSystem;
    std::function<bool()> m_keepGoing;
    std::unordered_map<std::string, std::unique_ptr<Folder>> m_folders;
};

}  // namespace scan
