// Prints what the access list of a registry key grants to two groups, for
// the installer test:
//   key_access.exe MACHINE\SOFTWARE\...
// prints "Users 0x...", "Administrators 0x..." and the list in its string
// form. Exits with 1 when the key's security cannot be read.

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdio>
#include <memory>

namespace {

struct LocalFreer {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};
template <typename T>
using LocalMemory = std::unique_ptr<T, LocalFreer>;

// The rights that allowing entries for the group give, added up.
DWORD GrantedTo(const ACL* dacl, WELL_KNOWN_SID_TYPE group) {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(sid);
    if (dacl == nullptr || !CreateWellKnownSid(group, nullptr, sid, &size)) {
        return 0;
    }
    DWORD granted = 0;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(const_cast<ACL*>(dacl), i, &ace)) {
            continue;
        }
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        if (allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
            (allowed->Header.AceFlags & INHERIT_ONLY_ACE) == 0 &&
            EqualSid(const_cast<DWORD*>(&allowed->SidStart), sid)) {
            granted |= allowed->Mask;
        }
    }
    return granted;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: key_access MACHINE\\key\n");
        return 2;
    }
    PSECURITY_DESCRIPTOR rawDescriptor = nullptr;
    PACL dacl = nullptr;
    const DWORD status = GetNamedSecurityInfoW(argv[1], SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION,
                                               nullptr, nullptr, &dacl, nullptr, &rawDescriptor);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "the key's security could not be read: error %lu\n", status);
        return 1;
    }
    const LocalMemory<void> descriptor(rawDescriptor);
    std::printf("Users 0x%08lx\n", GrantedTo(dacl, WinBuiltinUsersSid));
    std::printf("Administrators 0x%08lx\n", GrantedTo(dacl, WinBuiltinAdministratorsSid));
    LPWSTR rawText = nullptr;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor.get(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &rawText, nullptr)) {
        const LocalMemory<wchar_t> text(rawText);
        std::printf("%ls\n", text.get());
    }
    return 0;
}
