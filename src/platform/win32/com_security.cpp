#include "platform/win32/com_security.h"

#include <accctrl.h>
#include <aclapi.h>
#include <objbase.h>
#include <versionhelpers.h>

#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace platform::win32 {

namespace {

struct LocalMemoryFree {
    void operator()(ACL* acl) const noexcept { ::LocalFree(acl); }
};
using UniqueAcl = std::unique_ptr<ACL, LocalMemoryFree>;

struct SidBuffer {
    alignas(8) std::array<BYTE, SECURITY_MAX_SID_SIZE> bytes{};
    [[nodiscard]] PSID Get() noexcept { return bytes.data(); }
};

// The callers that System Restore's documentation lets into the process:
// the administrators, the three service accounts and the process's own user.
constexpr std::array<WELL_KNOWN_SID_TYPE, 5> kAllowedCallers = {
    WinBuiltinAdministratorsSid, WinLocalServiceSid, WinNetworkServiceSid, WinSelfSid,
    WinLocalSystemSid};

// COM takes a descriptor in absolute form only, so it is built field by field
// rather than from a descriptor string.
HRESULT InitializeWithAllowedCallers(const ComSecurity::Initializer& initialize) {
    std::array<SidBuffer, kAllowedCallers.size()> sids{};
    std::array<EXPLICIT_ACCESSW, kAllowedCallers.size()> entries{};
    for (std::size_t i = 0; i < kAllowedCallers.size(); ++i) {
        DWORD size = SECURITY_MAX_SID_SIZE;
        if (!::CreateWellKnownSid(kAllowedCallers[i], nullptr, sids[i].Get(), &size)) {
            return HRESULT_FROM_WIN32(::GetLastError());
        }
        EXPLICIT_ACCESSW& entry = entries[i];
        entry.grfAccessPermissions = COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL;
        entry.grfAccessMode = SET_ACCESS;
        entry.grfInheritance = NO_INHERITANCE;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
        entry.Trustee.ptstrName = static_cast<LPWSTR>(sids[i].Get());
    }
    ACL* rawAcl = nullptr;
    const DWORD made =
        ::SetEntriesInAclW(static_cast<ULONG>(entries.size()), entries.data(), nullptr, &rawAcl);
    const UniqueAcl acl(rawAcl);
    if (made != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(made);
    }
    PSID administrators = sids[0].Get();
    SECURITY_DESCRIPTOR descriptor{};
    if (!::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !::SetSecurityDescriptorOwner(&descriptor, administrators, FALSE) ||
        !::SetSecurityDescriptorGroup(&descriptor, administrators, FALSE) ||
        !::SetSecurityDescriptorDacl(&descriptor, TRUE, acl.get(), FALSE)) {
        return HRESULT_FROM_WIN32(::GetLastError());
    }
    // Private packets as the documentation asks; impersonation, which the
    // management service's providers need of this process's calls.
    return initialize(&descriptor, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE,
                      EOAC_NONE);
}

}  // namespace

ComSecurity::ComSecurity()
    : m_initialize([](PSECURITY_DESCRIPTOR access, DWORD authenticationLevel,
                      DWORD impersonationLevel, DWORD capabilities) {
          return ::CoInitializeSecurity(access, -1, nullptr, nullptr, authenticationLevel,
                                        impersonationLevel, nullptr, capabilities, nullptr);
      }) {
    if (!::IsWindowsVistaOrGreater()) {
        m_state = ComSecurityState::NotNeeded;
    }
}

ComSecurity::ComSecurity(Initializer initializer) : m_initialize(std::move(initializer)) {}

ComSecurityState ComSecurity::Ensure() {
    if (!m_state) {
        const HRESULT result = InitializeWithAllowedCallers(m_initialize);
        if (SUCCEEDED(result)) {
            m_state = ComSecurityState::SetHere;
        } else if (result == RPC_E_TOO_LATE) {
            m_state = ComSecurityState::SetBefore;
        } else {
            m_state = ComSecurityState::Failed;
        }
    }
    return *m_state;
}

}  // namespace platform::win32
