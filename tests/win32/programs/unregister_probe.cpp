// A library with an unregistration entry point that leaves a mark beside the
// library when it runs: "<library path>.unregistered", holding the process
// identifier it ran in. It lets a test see that the entry point ran, and in
// which process.
#include <windows.h>

#include <string>

namespace {
HMODULE g_module = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(g_module, path, MAX_PATH);
    const std::string mark = std::string(path) + ".unregistered";
    HANDLE file = ::CreateFileA(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const std::string id = std::to_string(::GetCurrentProcessId());
        DWORD written = 0;
        ::WriteFile(file, id.data(), static_cast<DWORD>(id.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    return S_OK;
}
