#pragma once

// The user's application data folder moved for as long as the object lives,
// as the shell reads it: a program started meanwhile keeps its data there.

#include <windows.h>

#include <string>

namespace win32_tests {

class RedirectedAppData {
public:
    explicit RedirectedAppData(const std::string& utf8Path) {
        for (const wchar_t* key : {kUserShellFolders, kShellFolders}) {
            std::wstring& old = key == kUserShellFolders ? m_userShellFolder : m_shellFolder;
            wchar_t value[MAX_PATH] = {};
            DWORD size = sizeof(value);
            if (::RegGetValueW(HKEY_CURRENT_USER, key, L"AppData",
                               RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                               &size) == ERROR_SUCCESS) {
                old = value;
            }
        }
        Set(kUserShellFolders, Wide(utf8Path));
    }
    ~RedirectedAppData() {
        Set(kUserShellFolders, m_userShellFolder);
        Set(kShellFolders, m_shellFolder);
    }
    RedirectedAppData(const RedirectedAppData&) = delete;
    RedirectedAppData& operator=(const RedirectedAppData&) = delete;

private:
    static std::wstring Wide(const std::string& utf8) {
        std::wstring wide(utf8.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                  wide.data(), static_cast<int>(wide.size()))));
        return wide;
    }

    static void Set(const wchar_t* key, const std::wstring& value) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppData", REG_EXPAND_SZ, value.c_str(),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    static constexpr const wchar_t* kUserShellFolders =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const wchar_t* kShellFolders =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::wstring m_userShellFolder;
    std::wstring m_shellFolder;
};

}  // namespace win32_tests
