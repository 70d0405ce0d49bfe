#pragma once

// The browser policies that take a browser over: its start, startup and new
// tab pages, its search engine and the extensions it must install, as
// Chrome, Edge, Brave and Firefox read them from the registry's policy keys
// (machine and user, both views of the machine's) and Firefox also from the
// policies.json of its installations.

#include <string>
#include <string_view>
#include <vector>

#include "core/browser_policy.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"

namespace scan {

// Every such policy in the registry, in a fixed order: machine before user,
// the literal view before the 32-bit one, the browsers in the order above,
// a Chromium browser's mandatory key before its Recommended one. Policies
// are read in every shape the browsers take: a list as a key of values or
// as one string holding a JSON array, ExtensionSettings as JSON in a string
// or a multi-string, or as a key per extension.
[[nodiscard]] std::vector<BrowserPolicy> ReadRegistryPolicies(platform::Registry& registry);

// Whether the key is a list policy's key ("…\Chrome\ExtensionInstallForcelist"
// and the like), whose values are each a policy of their own, or the key of
// ExtensionSettings written as a key per extension: a browser takes the key
// as a policy even when it holds nothing.
[[nodiscard]] bool IsPolicyListKey(std::string_view keyPath);

// The policy files of the Firefox installations in the program folders
// (both of them on 64-bit Windows) that set any such policy. A file that is
// not JSON sets nothing (Firefox ignores it too); one that cannot be read,
// or is beyond the reader's limits, is an unreadable policy.
[[nodiscard]] std::vector<BrowserPolicy> ReadPolicyFiles(platform::FileSystem& fileSystem,
                                                         platform::ShellFolders& shellFolders);

}  // namespace scan
