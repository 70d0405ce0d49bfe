#include "scan/registry_lookup.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace scan {
namespace {

using platform::RegistryRoot;

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kClasses = RegistryRoot::ClassesRoot;

// 64-bit Windows with keys in one view or both, names in other letter
// cases, keys that cannot be listed and a value that cannot be read by the
// name its listing would give.
void Furnish(fakes::FakeRegistry& registry) {
    registry.ModelTwoViews();
    registry.SetString(kUser, "Software\\Acme\\Present", "", "");
    registry.SetString(kUser, "Software\\Acme\\MixedCase", "", "");
    registry.SetString(kUser, "Software\\Acme\\Ev\xC4\xB1l", "", "");
    registry.SetString(kUser, "Software\\Acme\\Values", "Path", "acme.exe");
    registry.SetValue(kUser, "Software\\Acme\\Values", "Blob", {platform::reg_type::kBinary, "x"});
    registry.SetString(kUser, "Software\\Wide", "Plain", "x");
    registry.SetString(kUser, "Software\\Wide", "Wide", "x");
    registry.ListWithoutReading(kUser, "Software\\Wide", "Wide");
    registry.SetString(kUser, "Software\\Hidden\\Child", "", "");
    registry.RefuseListing(kUser, "Software\\Hidden");
    registry.SetString(kMachine, "SOFTWARE\\Vendor\\Only64", "Run", "a.exe");
    registry.SetString(kMachine, "SOFTWARE\\WOW6432Node\\Vendor\\Only32", "Run", "b.exe");
    registry.SetString(kMachine, "SOFTWARE\\Vendor\\Both", "", "");
    registry.SetString(kMachine, "SOFTWARE\\WOW6432Node\\Vendor\\Both", "", "");
    registry.SetString(kMachine, "SOFTWARE\\Locked\\Child", "", "");
    registry.DenyAccess(kMachine, "SOFTWARE\\Locked", platform::reg_access::kEnumerateSubKeys);
    registry.SetString(kMachine, "SOFTWARE\\Classes\\.evil", "", "");
    registry.SetString(kClasses, "WOW6432Node\\CLSID\\{E}", "", "");
    registry.SetString(kClasses, "CLSID\\{F}", "", "");
}

struct Case {
    const char* what;
    RegistryRoot root;
    const char* path;
    const char* value;  // nullptr for a key record
};

const Case kCases[] = {
    {"a key that is there", kUser, "Software\\Acme\\Present", nullptr},
    {"a key that is not", kUser, "Software\\Acme\\Absent", nullptr},
    {"a key in other letters", kUser, "SOFTWARE\\ACME\\mixedcase", nullptr},
    {"a key that a non-ASCII letter matches", kUser, "Software\\Acme\\EVIL", nullptr},
    {"a key below a missing parent", kUser, "Software\\Gone\\Key", nullptr},
    {"a key below a parent that refuses its list", kUser, "Software\\Hidden\\Child", nullptr},
    {"a key below a parent that cannot be listed", kMachine, "SOFTWARE\\Locked\\Child", nullptr},
    {"a key in the 64-bit view only", kMachine, "SOFTWARE\\Vendor\\Only64", nullptr},
    {"a key in the 32-bit view only", kMachine, "SOFTWARE\\Vendor\\Only32", nullptr},
    {"a key in both views", kMachine, "Software\\vendor\\BOTH", nullptr},
    {"a key in neither view", kMachine, "SOFTWARE\\Vendor\\Neither", nullptr},
    {"a class that both views share", kMachine, "SOFTWARE\\Classes\\.evil", nullptr},
    {"a COM class of the 32-bit view", kClasses, "CLSID\\{E}", nullptr},
    {"a COM class of the 64-bit view", kClasses, "clsid\\{f}", nullptr},
    {"a COM class of neither", kClasses, "CLSID\\{G}", nullptr},
    {"a value that is there", kUser, "Software\\Acme\\Values", "Path"},
    {"a value in other letters", kUser, "software\\acme\\values", "PATH"},
    {"a value that is not", kUser, "Software\\Acme\\Values", "Nope"},
    {"a value of a type never reported", kUser, "Software\\Acme\\Values", "Blob"},
    {"a value of a missing key", kUser, "Software\\Acme\\Gone", "Path"},
    {"a value beside one the list cannot carry", kUser, "Software\\Wide", "Plain"},
    {"a value the list cannot carry", kUser, "Software\\Wide", "Wide"},
    {"a value below a key that refuses its list", kUser, "Software\\Hidden\\Child", "None"},
    {"a value in the 64-bit view only", kMachine, "SOFTWARE\\Vendor\\Only64", "Run"},
    {"a value in the 32-bit view only", kMachine, "SOFTWARE\\Vendor\\Only32", "run"},
    {"a path with a doubled backslash", kUser, "Software\\\\Acme\\Present", nullptr},
};

std::string Text(const std::vector<RegistryPlace>& places) {
    std::string text;
    for (const RegistryPlace& place : places) {
        text += (place.redirected ? "[32] " : "") + place.keyPath + "; ";
    }
    return text;
}

TEST(RegistryLookup, TheListedParentsAnswerEveryRecordAsItsOwnLookupDoes) {
    fakes::FakeRegistry registry;
    Furnish(registry);
    int parts = 0;
    GroupedRegistryLookup grouped(registry, [&] {
        ++parts;
        return true;
    });
    int perLineOpens = 0;
    int groupedOpens = 0;
    // Each record comes often enough for its parent to be listed, and
    // every answer must be the one of its own lookup.
    for (int round = 0; round < GroupedRegistryLookup::kListFrom + 2; ++round) {
        for (const Case& c : kCases) {
            const std::string path = c.path;
            const std::string value = c.value != nullptr ? c.value : "";
            const std::string* valueName = c.value != nullptr ? &value : nullptr;
            const auto root = static_cast<std::uint32_t>(c.root);
            int before = registry.opens;
            const std::vector<RegistryPlace> alone =
                LookUpRegistryPlaces(registry, root, path, path, valueName);
            perLineOpens += registry.opens - before;
            before = registry.opens;
            const std::vector<RegistryPlace> listed = grouped.Places(root, path, path, valueName);
            groupedOpens += registry.opens - before;
            EXPECT_EQ(Text(listed), Text(alone)) << c.what << " (round " << round << ")";
        }
    }
    // The lists were read, and spared lookups.
    EXPECT_LT(groupedOpens, perLineOpens);
}

TEST(RegistryLookup, ALongListIsReadInPartsAndEndsWhenTheScanDoes) {
    fakes::FakeRegistry registry;
    for (int i = 0; i < 1000; ++i) {
        registry.SetString(kUser, "Software\\Many\\K" + std::to_string(i), "", "");
    }
    int parts = 0;
    GroupedRegistryLookup grouped(registry, [&] { return ++parts < 2; });
    const std::string path = "Software\\Many\\K999";
    for (int i = 0; i < GroupedRegistryLookup::kListFrom + 1; ++i) {
        // Ended in the middle of the list, the lookup still answers by
        // itself.
        EXPECT_EQ(Text(grouped.Places(static_cast<std::uint32_t>(kUser), path, path, nullptr)),
                  "Software\\Many\\K999; ");
    }
    EXPECT_EQ(parts, 2);
}

}  // namespace
}  // namespace scan
