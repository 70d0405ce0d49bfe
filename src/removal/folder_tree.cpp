#include "removal/folder_tree.h"

#include <string>

namespace removal {

namespace {

std::string Child(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\') {
        path.push_back('\\');
    }
    return path.append(name);
}

}  // namespace

bool RunsThroughLink(platform::FileSystem& fs, std::string_view path) {
    // From the first folder below the root ("C:\A") to the path's parent.
    const std::size_t rootEnd = path.size() > 2 && path[1] == ':' ? 3 : 0;
    for (std::size_t slash = path.find('\\', rootEnd); slash != std::string_view::npos;
         slash = path.find('\\', slash + 1)) {
        if (slash == 0 || path[slash - 1] == '\\') {
            continue;
        }
        const std::optional<platform::PathAttributes> folder = fs.Attributes(path.substr(0, slash));
        if (folder && folder->reparsePoint) {
            return true;
        }
    }
    return false;
}

bool CopyFolderTree(platform::FileSystem& fs, std::string_view from, std::string_view to) {
    const std::optional<platform::PathAttributes> self = fs.Attributes(from);
    const std::optional<std::vector<platform::DirectoryEntry>> entries = fs.ListEntries(from);
    if (!self || !entries || !fs.MakeDirectory(to)) {
        return false;
    }
    bool complete = true;
    for (const platform::DirectoryEntry& entry : *entries) {
        if (entry.reparsePoint) {
            continue;
        }
        const std::string source = Child(from, entry.name);
        const std::string target = Child(to, entry.name);
        complete = (entry.directory ? CopyFolderTree(fs, source, target)
                                    : fs.CopyFileTo(source, target)) &&
                   complete;
    }
    // Last, once nothing more is written inside: a customised folder is
    // marked read-only or system, and Windows shows it by those marks.
    if (self->readOnly || self->hidden || self->system) {
        complete =
            fs.SetFolderAttributes(to, self->readOnly, self->hidden, self->system) && complete;
    }
    return complete;
}

bool DeleteFolderTree(platform::FileSystem& fs, std::string_view path) {
    const std::optional<platform::PathAttributes> self = fs.Attributes(path);
    if (!self) {
        return true;
    }
    if (self->reparsePoint || !self->directory) {
        // A link given as the folder itself: only the link goes.
        return self->directory ? fs.RemoveFolder(path) : fs.RemoveFile(path);
    }
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(path).value_or(std::vector<platform::DirectoryEntry>{})) {
        const std::string child = Child(path, entry.name);
        if (entry.directory && !entry.reparsePoint) {
            DeleteFolderTree(fs, child);
        } else if (entry.directory) {
            [[maybe_unused]] const bool unlinked = fs.RemoveFolder(child);
        } else {
            [[maybe_unused]] const bool removed = fs.RemoveFile(child);
        }
    }
    return fs.RemoveFolder(path);
}

}  // namespace removal
