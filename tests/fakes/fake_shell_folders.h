#pragma once

#include <map>

#include "platform/shell_folders.h"

namespace fakes {

// Special folders of a typical NT-family machine, all of one layout: by
// default that of Vista and later, where each user's folders lie below
// "C:\Users\alice" (the start menu deep inside "AppData") and the shared
// ones below "C:\ProgramData" and "C:\Users\Public"; or that of XP, where
// both profiles lie below "C:\Documents and Settings" and hold their start
// menus. Each folder can be changed or removed. The item-id form answers from
// the same table unless told otherwise.
class FakeShellFolders : public platform::ShellFolders {
public:
    enum class Layout { Vista, Xp };

    explicit FakeShellFolders(Layout layout = Layout::Vista);

    std::optional<std::string> FolderPath(int csidl) override;
    std::optional<std::string> FolderPathById(int csidl) override;
    std::optional<std::string> AllUsersProfilePath() override;

    void Set(int csidl, std::string path) { m_paths[csidl] = std::move(path); }
    void Remove(int csidl) { m_paths.erase(csidl); }
    void SetById(int csidl, std::string path) { m_idPaths[csidl] = std::move(path); }
    void SetAllUsersProfile(std::optional<std::string> path) {
        m_allUsersProfile = std::move(path);
    }

    int lookups = 0;

private:
    std::map<int, std::string> m_paths;
    std::map<int, std::string> m_idPaths;
    std::optional<std::string> m_allUsersProfile;
};

}  // namespace fakes
