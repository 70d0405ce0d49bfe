#pragma once

// The program's own file: its path from the module table, its version
// resource, and a named mutex that tells whether another copy is running.

#include <optional>
#include <string>

#include "platform/program_file.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class ProgramFileWin32 : public platform::ProgramFile {
public:
    // The running program's file.
    ProgramFileWin32();
    // Any file, so that tests can read another file's version resource.
    explicit ProgramFileWin32(std::string modulePath);

    [[nodiscard]] std::string Path() override;
    [[nodiscard]] std::string Folder() override;
    [[nodiscard]] std::string BaseName() override;
    [[nodiscard]] VersionResource ReadVersionResource() override;
    // The first call takes the mutex and holds it for this object's lifetime;
    // later calls repeat the first answer.
    [[nodiscard]] bool PreviousInstanceRunning() override;

private:
    std::string m_path;
    UniqueHandle m_instanceMutex;
    std::optional<bool> m_previousInstance;
};

}  // namespace platform::win32
