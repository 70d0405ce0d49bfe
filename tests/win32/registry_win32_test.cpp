#include "platform/win32/registry_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <set>
#include <string>

#include "platform/win32/handles.h"

namespace platform::win32 {
namespace {

constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
constexpr char kTestKey[] = "Software\\AdapterTests";

RegistryValue DwordValue(std::uint32_t number) {
    RegistryValue value;
    value.type = reg_type::kDword;
    value.data.assign(reinterpret_cast<const char*>(&number), sizeof(number));
    return value;
}

class RegistryWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        const long status = registry.DeleteTree(kRoot, kTestKey);
        ASSERT_TRUE(status == reg_status::kOk || status == reg_status::kNotFound) << status;
    }
    void TearDown() override { (void)registry.DeleteTree(kRoot, kTestKey); }

    static std::string Path(const std::string& subKey) { return std::string(kTestKey) + subKey; }

    std::unique_ptr<RegistryKey> Create(const std::string& subKey,
                                        std::uint32_t access = reg_access::kAllAccess) {
        RegistryOpenResult result = registry.CreateKey(kRoot, Path(subKey), access);
        EXPECT_EQ(result.status, reg_status::kOk);
        return std::move(result.key);
    }

    RegistryWin32 registry;
};

TEST_F(RegistryWin32Test, CreatedKeyWithMissingParentsCanBeOpened) {
    ASSERT_NE(Create("\\Parent\\Child"), nullptr);
    const RegistryOpenResult opened =
        registry.OpenKey(kRoot, Path("\\Parent\\Child"), reg_access::kRead);
    EXPECT_EQ(opened.status, reg_status::kOk);
    EXPECT_NE(opened.key, nullptr);
}

TEST_F(RegistryWin32Test, MissingKeyIsNotFoundAndGivesNoKey) {
    const RegistryOpenResult opened = registry.OpenKey(kRoot, Path("\\Missing"), reg_access::kRead);
    EXPECT_EQ(opened.status, reg_status::kNotFound);
    EXPECT_EQ(opened.key, nullptr);
}

TEST_F(RegistryWin32Test, KeyNamesIgnoreCase) {
    ASSERT_NE(Create("\\MixedCase"), nullptr);
    const RegistryOpenResult opened =
        registry.OpenKey(kRoot, "SOFTWARE\\adaptertests\\MIXEDcase", reg_access::kRead);
    EXPECT_EQ(opened.status, reg_status::kOk);
}

TEST_F(RegistryWin32Test, StringReadsBackWithItsTerminatingNul) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->SetValue("Greeting", StringValue("hello")), reg_status::kOk);

    RegistryValue value;
    ASSERT_EQ(key->QueryValue("Greeting", value), reg_status::kOk);
    EXPECT_EQ(value.type, reg_type::kString);
    EXPECT_EQ(value.data, std::string("hello\0", 6));
}

TEST_F(RegistryWin32Test, StringStoredByAnotherProgramReadsBackAsStored) {
    ASSERT_NE(Create(""), nullptr);
    UniqueRegKey raw;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_SET_VALUE, raw.Put()),
              ERROR_SUCCESS);
    const std::string stored("C:\\x\0", 5);
    ASSERT_EQ(::RegSetValueExA(raw.Get(), "Path", 0, REG_EXPAND_SZ,
                               reinterpret_cast<const BYTE*>(stored.data()),
                               static_cast<DWORD>(stored.size())),
              ERROR_SUCCESS);

    auto key = registry.OpenKey(kRoot, kTestKey, reg_access::kQueryValue).key;
    ASSERT_NE(key, nullptr);
    RegistryValue value;
    ASSERT_EQ(key->QueryValue("Path", value), reg_status::kOk);
    EXPECT_EQ(value.type, reg_type::kExpandString);
    EXPECT_EQ(value.data, stored);
}

TEST_F(RegistryWin32Test, LongStringIsReadWhole) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    const std::string text(5000, 'x');
    ASSERT_EQ(key->SetValue("Long", StringValue(text)), reg_status::kOk);

    RegistryValue value;
    ASSERT_EQ(key->QueryValue("Long", value), reg_status::kOk);
    EXPECT_EQ(value.data, text + '\0');
}

TEST_F(RegistryWin32Test, DwordReadsBackAsItsFourBytes) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->SetValue("Count", DwordValue(0x01020304u)), reg_status::kOk);

    RegistryValue value;
    ASSERT_EQ(key->QueryValue("Count", value), reg_status::kOk);
    EXPECT_EQ(value.type, reg_type::kDword);
    EXPECT_EQ(value.data, std::string("\x04\x03\x02\x01", 4));
}

TEST_F(RegistryWin32Test, DefaultValueHasTheEmptyName) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->SetValue("", StringValue("default")), reg_status::kOk);

    std::array<char, 16> buffer{};
    LONG size = static_cast<LONG>(buffer.size());
    ASSERT_EQ(::RegQueryValueA(HKEY_CURRENT_USER, kTestKey, buffer.data(), &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer.data(), "default");
}

TEST_F(RegistryWin32Test, MissingValueIsNotFoundAndLeavesTheOutputAlone) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    RegistryValue value = StringValue("untouched");
    EXPECT_EQ(key->QueryValue("Missing", value), reg_status::kNotFound);
    EXPECT_EQ(value.data, std::string("untouched\0", 10));
}

TEST_F(RegistryWin32Test, DeletedValueIsGoneAndDeletingItAgainIsNotFound) {
    auto key = Create("");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->SetValue("Doomed", StringValue("x")), reg_status::kOk);
    ASSERT_EQ(key->SetValue("Kept", StringValue("y")), reg_status::kOk);

    EXPECT_EQ(key->DeleteValue("Doomed"), reg_status::kOk);
    RegistryValue value;
    EXPECT_EQ(key->QueryValue("Doomed", value), reg_status::kNotFound);
    EXPECT_EQ(key->QueryValue("Kept", value), reg_status::kOk);
    EXPECT_EQ(key->DeleteValue("Doomed"), reg_status::kNotFound);
}

TEST_F(RegistryWin32Test, DeleteTreeRemovesSubkeysAndValues) {
    {
        auto child = Create("\\Tree\\Child\\Grandchild");
        ASSERT_NE(child, nullptr);
        ASSERT_EQ(child->SetValue("Leaf", StringValue("x")), reg_status::kOk);
    }
    EXPECT_EQ(registry.DeleteTree(kRoot, Path("\\Tree")), reg_status::kOk);
    EXPECT_EQ(registry.OpenKey(kRoot, Path("\\Tree"), reg_access::kRead).status,
              reg_status::kNotFound);
    EXPECT_EQ(registry.OpenKey(kRoot, kTestKey, reg_access::kRead).status, reg_status::kOk);
}

TEST_F(RegistryWin32Test, DeleteTreeOfAMissingKeyIsNotFound) {
    EXPECT_EQ(registry.DeleteTree(kRoot, Path("\\Missing")), reg_status::kNotFound);
}

TEST_F(RegistryWin32Test, ReadOnlyKeyRefusesWrites) {
    auto key = Create("", reg_access::kRead);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->SetValue("Name", StringValue("x")), reg_status::kAccessDenied);
}

// Gives everyone read, delete and permission changes on the key, but not the
// right to set values.
void DenySetValue(const char* path) {
    UniqueRegKey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, WRITE_DAC, key.Put()), ERROR_SUCCESS);
    std::array<BYTE, SECURITY_MAX_SID_SIZE> everyone{};
    DWORD sidSize = static_cast<DWORD>(everyone.size());
    ASSERT_TRUE(::CreateWellKnownSid(WinWorldSid, nullptr, everyone.data(), &sidSize));
    alignas(DWORD) std::array<BYTE, 256> aclBuffer{};
    auto* acl = reinterpret_cast<ACL*>(aclBuffer.data());
    ASSERT_TRUE(::InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION));
    ASSERT_TRUE(
        ::AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | DELETE | WRITE_DAC, everyone.data()));
    SECURITY_DESCRIPTOR descriptor{};
    ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
    ASSERT_EQ(::RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, &descriptor),
              ERROR_SUCCESS);
}

TEST_F(RegistryWin32Test, KeyThatRefusesARightCannotBeOpenedWithIt) {
    ASSERT_NE(Create("\\Guarded"), nullptr);
    const std::string guarded = Path("\\Guarded");
    DenySetValue(guarded.c_str());
    if (HasFatalFailure()) {
        return;
    }

    EXPECT_EQ(registry.OpenKey(kRoot, guarded, reg_access::kSetValue).status,
              reg_status::kAccessDenied);
    EXPECT_EQ(registry.OpenKey(kRoot, guarded, reg_access::kRead).status, reg_status::kOk);
    EXPECT_EQ(registry.CreateKey(kRoot, guarded, reg_access::kAllAccess).status,
              reg_status::kAccessDenied);
}

TEST_F(RegistryWin32Test, ALongListIsReadInPartsThatTogetherHoldEveryName) {
    const std::unique_ptr<RegistryKey> key = Create("\\Listed");
    ASSERT_NE(key, nullptr);
    std::set<std::string> subKeys;
    std::set<std::string> values;
    for (const char* name : {"One", "Two", "Three", "Four", "Five"}) {
        ASSERT_NE(Create(std::string("\\Listed\\") + name), nullptr);
        subKeys.insert(name);
        ASSERT_EQ(key->SetValue(std::string("v") + name, StringValue("x")), reg_status::kOk);
        values.insert(std::string("v") + name);
    }
    for (const bool listValues : {false, true}) {
        std::vector<std::string> names;
        std::size_t parts = 0;
        for (std::uint32_t from = 0;; from += 2, ++parts) {
            const std::size_t before = names.size();
            ASSERT_EQ(listValues ? key->ListValueNames(from, 2, names)
                                 : key->ListSubKeyNames(from, 2, names),
                      reg_status::kOk);
            if (names.size() - before < 2) {
                break;
            }
        }
        EXPECT_EQ(parts, 2U);
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), listValues ? values : subKeys);
        EXPECT_EQ(names.size(), 5U);
    }
}

}  // namespace
}  // namespace platform::win32
