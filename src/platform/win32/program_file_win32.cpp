#include "platform/win32/program_file_win32.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::win32 {

namespace {

std::string RunningModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the path was cut short.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::size_t LastSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

// A string of the version resource; "" when the block lacks it.
std::string StringField(const std::vector<char>& info, std::string_view block,
                        std::string_view field) {
    std::string subBlock = "\\StringFileInfo\\";
    subBlock.append(block).append("\\").append(field);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(info.data(), subBlock.c_str(), &value, &length) || value == nullptr) {
        return {};
    }
    const auto* text = static_cast<const char*>(value);
    return std::string(text, ::strnlen(text, length));
}

// The string blocks to read, best first: the first translation the resource
// lists, or the usual US English blocks when it lists none.
std::vector<std::string> StringBlocks(const std::vector<char>& info) {
    void* value = nullptr;
    UINT length = 0;
    if (::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length) &&
        value != nullptr && length >= 2 * sizeof(WORD)) {
        const auto* translation = static_cast<const WORD*>(value);
        std::array<char, 9> block{};
        std::snprintf(block.data(), block.size(), "%04X%04X", translation[0], translation[1]);
        return {std::string(block.data())};
    }
    return {"040904B0", "040904E4"};
}

std::string FirstStringField(const std::vector<char>& info, const std::vector<std::string>& blocks,
                             std::string_view field) {
    for (const std::string& block : blocks) {
        std::string text = StringField(info, block, field);
        if (!text.empty()) {
            return text;
        }
    }
    return {};
}

// Keeps letters and digits; mutex names must not contain a backslash.
std::string MutexNamePart(std::string_view text) {
    std::string part(text);
    for (char& c : part) {
        const bool isLetterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!isLetterOrDigit) {
            c = '_';
        }
    }
    return part;
}

}  // namespace

ProgramFileWin32::ProgramFileWin32() : m_path(RunningModulePath()) {}

ProgramFileWin32::ProgramFileWin32(std::string modulePath) : m_path(std::move(modulePath)) {}

std::string ProgramFileWin32::Path() {
    return m_path;
}

std::string ProgramFileWin32::Folder() {
    const std::size_t separator = LastSeparator(m_path);
    if (separator == std::string::npos) {
        return {};
    }
    return m_path.substr(0, separator);
}

std::string ProgramFileWin32::BaseName() {
    const std::size_t separator = LastSeparator(m_path);
    std::string name = separator == std::string::npos ? m_path : m_path.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.resize(dot);
    }
    return name;
}

VersionResource ProgramFileWin32::ReadVersionResource() {
    VersionResource resource;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(m_path.c_str(), &ignored);
    if (size == 0) {
        return resource;
    }
    std::vector<char> info(size);
    if (!::GetFileVersionInfoA(m_path.c_str(), 0, size, info.data())) {
        return resource;
    }
    const std::vector<std::string> blocks = StringBlocks(info);
    resource.productName = FirstStringField(info, blocks, "ProductName");
    resource.companyName = FirstStringField(info, blocks, "CompanyName");
    resource.comments = FirstStringField(info, blocks, "Comments");

    void* value = nullptr;
    UINT length = 0;
    if (::VerQueryValueA(info.data(), "\\", &value, &length) && value != nullptr &&
        length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        resource.major = HIWORD(fixed->dwFileVersionMS);
        resource.minor = LOWORD(fixed->dwFileVersionMS);
    }
    return resource;
}

bool ProgramFileWin32::PreviousInstanceRunning() {
    if (m_previousInstance) {
        return *m_previousInstance;
    }
    const std::string name =
        "Local\\" + MutexNamePart(ReadVersionResource().productName + "_" + BaseName());
    UniqueHandle mutex(::CreateMutexA(nullptr, FALSE, name.c_str()));
    const DWORD error = ::GetLastError();
    m_previousInstance = mutex && error == ERROR_ALREADY_EXISTS;
    m_instanceMutex = std::move(mutex);
    return *m_previousInstance;
}

}  // namespace platform::win32
