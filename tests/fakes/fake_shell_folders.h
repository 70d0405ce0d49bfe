#pragma once

#include <map>

#include "platform/shell_folders.h"

namespace fakes {

// Special folders of a typical NT-family machine; each can be changed or
// removed. The item-id form answers from the same table unless told
// otherwise.
class FakeShellFolders : public platform::ShellFolders {
public:
    FakeShellFolders();

    std::optional<std::string> FolderPath(int csidl) override;
    std::optional<std::string> FolderPathById(int csidl) override;

    void Set(int csidl, std::string path) { m_paths[csidl] = std::move(path); }
    void Remove(int csidl) { m_paths.erase(csidl); }
    void SetById(int csidl, std::string path) { m_idPaths[csidl] = std::move(path); }

    int lookups = 0;

private:
    std::map<int, std::string> m_paths;
    std::map<int, std::string> m_idPaths;
};

}  // namespace fakes
