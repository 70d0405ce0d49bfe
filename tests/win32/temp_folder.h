#pragma once

// A fresh folder below the user's temporary folder, removed with everything
// in it when the object goes away.

#include <windows.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace win32_tests {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        std::array<char, MAX_PATH + 1> temp{};
        const DWORD length = ::GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
        m_path.assign(temp.data(), length);
        if (!m_path.empty() && m_path.back() == '\\') {
            m_path.pop_back();
        }
        m_path += "\\adapter_tests_" + std::to_string(::GetCurrentProcessId()) + "_" +
                  std::to_string(counter++);
        Remove();
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() { Remove(); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing backslash.
    [[nodiscard]] const std::string& Path() const { return m_path; }
    [[nodiscard]] std::string operator/(std::string_view name) const {
        return m_path + "\\" + std::string(name);
    }

private:
    // Read-only files first lose the attribute: remove_all stops at them,
    // and a folder left behind would be found again by a later process that
    // Wine gives the same id.
    void Remove() {
        std::error_code ignored;
        const std::filesystem::path root(m_path);
        for (auto it = std::filesystem::recursive_directory_iterator(root, ignored);
             !ignored && it != std::filesystem::recursive_directory_iterator();
             it.increment(ignored)) {
            const std::string path = it->path().string();
            const DWORD attributes = ::GetFileAttributesA(path.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
                ::SetFileAttributesA(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
            }
        }
        ignored.clear();
        std::filesystem::remove_all(root, ignored);
    }

    std::string m_path;
};

}  // namespace win32_tests
