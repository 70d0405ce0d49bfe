// System Restore in a process of its own: the COM security that its calls set
// is the whole process's, and the management service must go on answering
// under it.

#include "platform/win32/system_restore_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/com_handles.h"
#include "platform/win32/management_win32.h"

namespace platform::win32 {
namespace {

constexpr int kApplicationInstall = 0;
constexpr int kCancelledOperation = 13;

bool ListsThisProgram(ManagementWin32& management) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::optional<std::vector<std::string>> names =
        management.QueryProperty("winmgmts:", "select * from Win32_Process", "Name");
    return names &&
           std::find(names->begin(), names->end(), ::PathFindFileNameA(path)) != names->end();
}

// Whether the descriptor's access list lets the well-known caller in.
bool Admits(PSECURITY_DESCRIPTOR descriptor, WELL_KNOWN_SID_TYPE caller) {
    BYTE sid[SECURITY_MAX_SID_SIZE] = {};
    DWORD size = sizeof(sid);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    ACL* acl = nullptr;
    if (!::CreateWellKnownSid(caller, nullptr, sid, &size) ||
        !::GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) || !present ||
        acl == nullptr) {
        return false;
    }
    for (DWORD i = 0; i < acl->AceCount; ++i) {
        void* ace = nullptr;
        if (::GetAce(acl, i, &ace) &&
            static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            if ((allowed->Mask & COM_RIGHTS_EXECUTE) != 0 && ::EqualSid(&allowed->SidStart, sid)) {
                return true;
            }
        }
    }
    return false;
}

// First, so that its settings are the first this process gives COM.
TEST(SystemRestoreWin32, SetsTheComSecurityOnceAndTheManagementServiceStillAnswers) {
    const ComScope com;
    int calls = 0;
    ComSecurity security([&](PSECURITY_DESCRIPTOR access, DWORD authenticationLevel,
                             DWORD impersonationLevel, DWORD capabilities) {
        ++calls;
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        EXPECT_TRUE(::IsValidSecurityDescriptor(access));
        EXPECT_TRUE(::GetSecurityDescriptorControl(access, &control, &revision));
        EXPECT_EQ(control & SE_SELF_RELATIVE, 0) << "COM takes the absolute form only";
        EXPECT_TRUE(Admits(access, WinLocalSystemSid));
        EXPECT_TRUE(Admits(access, WinBuiltinAdministratorsSid));
        EXPECT_TRUE(Admits(access, WinLocalServiceSid));
        EXPECT_TRUE(Admits(access, WinNetworkServiceSid));
        EXPECT_FALSE(Admits(access, WinWorldSid));
        EXPECT_EQ(authenticationLevel, static_cast<DWORD>(RPC_C_AUTHN_LEVEL_PKT_PRIVACY));
        EXPECT_EQ(impersonationLevel, static_cast<DWORD>(RPC_C_IMP_LEVEL_IMPERSONATE));
        return ::CoInitializeSecurity(access, -1, nullptr, nullptr, authenticationLevel,
                                      impersonationLevel, nullptr, capabilities, nullptr);
    });
    SystemRestoreWin32 systemRestore(security);
    ManagementWin32 management;

    const std::optional<std::int64_t> begun = systemRestore.SetRestorePoint(
        restore_event::kBeginSystemChange, kApplicationInstall, 0, "Security test");
    EXPECT_TRUE(ListsThisProgram(management));
    static_cast<void>(systemRestore.SetRestorePoint(restore_event::kEndSystemChange,
                                                    kCancelledOperation, begun.value_or(0), ""));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(security.Ensure(), ComSecurityState::SetHere);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(ListsThisProgram(management));
}

// Wine's srclient.dll refuses every call; a system with System Restore makes
// the point, which the test cancels again at once.
TEST(SystemRestoreWin32, PointIsBegunAndEndedOrRefusedAsAWhole) {
    ComSecurity security;
    SystemRestoreWin32 systemRestore(security);
    // Longer than the system's field, which must cut it rather than overrun.
    const std::string description(200, 'd');
    const std::optional<std::int64_t> begun = systemRestore.SetRestorePoint(
        restore_event::kBeginSystemChange, kApplicationInstall, 0, description);
    if (!begun.has_value()) {
        EXPECT_EQ(systemRestore.SetRestorePoint(restore_event::kEndSystemChange,
                                                kCancelledOperation, 0, "Removal"),
                  std::nullopt);
        return;
    }
    EXPECT_NE(*begun, 0);
    EXPECT_EQ(systemRestore.SetRestorePoint(restore_event::kEndSystemChange, kCancelledOperation,
                                            *begun, description),
              begun);
}

// Where something else fixed the process's security first, the calls go on
// and COM is not asked again.
TEST(SystemRestoreWin32, SecurityThatIsAlreadyFixedIsNoFailure) {
    int calls = 0;
    ComSecurity security([&](PSECURITY_DESCRIPTOR, DWORD, DWORD, DWORD) {
        ++calls;
        return RPC_E_TOO_LATE;
    });
    SystemRestoreWin32 systemRestore(security);
    static_cast<void>(
        systemRestore.SetRestorePoint(restore_event::kEndSystemChange, kCancelledOperation, 0, ""));
    static_cast<void>(
        systemRestore.SetRestorePoint(restore_event::kEndSystemChange, kCancelledOperation, 0, ""));
    EXPECT_EQ(security.Ensure(), ComSecurityState::SetBefore);
    EXPECT_EQ(calls, 1);
}

// Wine runs every program elevated, so its user may make points.
TEST(SystemRestoreWin32, AnElevatedUserMayCreatePoints) {
    ComSecurity security;
    SystemRestoreWin32 systemRestore(security);
    EXPECT_TRUE(systemRestore.UserMayCreatePoints());
}

}  // namespace
}  // namespace platform::win32
