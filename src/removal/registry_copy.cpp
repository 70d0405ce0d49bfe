#include "removal/registry_copy.h"

#include <algorithm>

#include "base/text.h"

namespace removal {

namespace {

namespace reg_status = platform::reg_status;
namespace reg_access = platform::reg_access;

std::string FullName(const RootKey& root, std::string_view path) {
    return std::string(root.name) + "\\" + std::string(path);
}

// `listed`: the key was named by its parent's list, so it is there, and
// one that cannot be found by that name (a name that does not round-trip, or
// one gone meanwhile) leaves the copy incomplete.
long ReadTree(platform::Registry& registry, const RootKey& root, const std::string& path,
              platform::RegistryView view, bool listed, std::vector<RegFileKey>& keys) {
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root.handle, path, reg_access::kRead, view);
    if (!opened.key) {
        return listed && opened.status == reg_status::kNotFound ? reg_status::kKeyDeleted
                                                                : opened.status;
    }
    // From here the key is there: "not found" means that a listed value or
    // subkey could not be read back, and the copy would lack it.
    const auto incomplete = [](long status) {
        return status == reg_status::kNotFound ? reg_status::kKeyDeleted : status;
    };
    RegFileKey section{FullName(root, path), {}};
    long status = opened.key->EnumerateValues(section.values);
    if (status != reg_status::kOk) {
        return incomplete(status);
    }
    for (const platform::NamedRegistryValue& value : section.values) {
        if (!value.value.exact) {
            return reg_status::kNoUnicodeTranslation;
        }
    }
    std::vector<std::string> subKeys;
    status = opened.key->EnumerateSubKeys(subKeys);
    if (status != reg_status::kOk) {
        return incomplete(status);
    }
    // The default value first, as regedit writes it.
    std::stable_partition(section.values.begin(), section.values.end(),
                          [](const platform::NamedRegistryValue& v) { return v.name.empty(); });
    keys.push_back(std::move(section));
    for (const std::string& subKey : subKeys) {
        status = ReadTree(registry, root, path + "\\" + subKey, view, true, keys);
        if (status != reg_status::kOk) {
            return status;
        }
    }
    return reg_status::kOk;
}

bool HasEmptySegment(std::string_view path) {
    return path.empty() || path.front() == '\\' || path.back() == '\\' ||
           path.find("\\\\") != std::string_view::npos;
}

// The section's path below the entry's key, or nullopt when it lies outside.
bool Within(std::string_view section, std::string_view keyName) {
    if (section.size() < keyName.size() ||
        !base::EqualsIgnoreCase(section.substr(0, keyName.size()), keyName)) {
        return false;
    }
    return section.size() == keyName.size() || section[keyName.size()] == '\\';
}

// True when everything that the key's tree holds now is in the copy, each
// value with the copy's type and data, and something of the copy is
// missing: a restore cut short, or a deletion refused half-way, left it.
// Anything else there is not ours to add to.
bool HoldsOnlyPartOf(platform::Registry& registry, const KeyName& entry,
                     const std::vector<RegFileKey>& copy, platform::RegistryView view) {
    const RegistryCopy present = ReadKeyTree(registry, entry.root, entry.path, view);
    if (present.status != reg_status::kOk) {
        return false;
    }
    std::size_t presentValues = 0;
    std::size_t savedValues = 0;
    for (const RegFileKey& key : copy) {
        savedValues += key.values.size();
    }
    for (const RegFileKey& key : present.keys) {
        presentValues += key.values.size();
        const auto saved = std::find_if(copy.begin(), copy.end(), [&](const RegFileKey& k) {
            return base::EqualsIgnoreCase(k.name, key.name);
        });
        if (saved == copy.end()) {
            return false;
        }
        for (const platform::NamedRegistryValue& value : key.values) {
            const auto match = std::find_if(saved->values.begin(), saved->values.end(),
                                            [&](const platform::NamedRegistryValue& v) {
                                                return base::EqualsIgnoreCase(v.name, value.name) &&
                                                       v.value.type == value.value.type &&
                                                       v.value.data == value.value.data;
                                            });
            if (match == saved->values.end()) {
                return false;
            }
        }
    }
    return present.keys.size() < copy.size() || presentValues < savedValues;
}

}  // namespace

std::optional<KeyName> SplitKeyName(std::string_view fullName) {
    const std::size_t slash = fullName.find('\\');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<RootKey> root = RootKeyOfName(fullName.substr(0, slash));
    const std::string_view path = fullName.substr(slash + 1);
    if (!root || HasEmptySegment(path)) {
        return std::nullopt;
    }
    return KeyName{*root, std::string(path)};
}

RegistryCopy ReadKeyTree(platform::Registry& registry, const RootKey& root, std::string_view path,
                         platform::RegistryView view) {
    RegistryCopy copy;
    copy.status = ReadTree(registry, root, std::string(path), view, false, copy.keys);
    if (copy.status != reg_status::kOk) {
        copy.keys.clear();
    }
    return copy;
}

RegistryCopy ReadKeyValue(platform::Registry& registry, const RootKey& root, std::string_view path,
                          std::string_view valueName, platform::RegistryView view) {
    RegistryCopy copy;
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root.handle, path, reg_access::kQueryValue, view);
    if (!opened.key) {
        copy.status = opened.status;
        return copy;
    }
    platform::NamedRegistryValue value{std::string(valueName), {}};
    copy.status = opened.key->QueryValue(valueName, value.value);
    if (copy.status == reg_status::kOk && !value.value.exact) {
        copy.status = reg_status::kNoUnicodeTranslation;
    }
    if (copy.status == reg_status::kOk) {
        copy.keys.push_back({FullName(root, path), {std::move(value)}});
    }
    return copy;
}

ImportResult ImportRegFile(platform::Registry& registry, platform::TextCodec& codec,
                           std::string_view bytes, std::string_view keyName,
                           std::optional<std::string_view> valueName, platform::RegistryView view) {
    const std::optional<KeyName> entry = SplitKeyName(keyName);
    const std::optional<std::vector<RegFileKey>> keys = ParseRegFile(bytes, codec);
    if (!entry || !keys || keys->empty()) {
        return ImportResult::Refused;
    }
    std::vector<KeyName> targets;
    for (const RegFileKey& key : *keys) {
        std::optional<KeyName> target = SplitKeyName(key.name);
        if (!target || !Within(key.name, keyName) || target->root.handle != entry->root.handle) {
            return ImportResult::Refused;
        }
        targets.push_back(std::move(*target));
    }
    if (valueName) {
        const std::vector<platform::NamedRegistryValue>& values = keys->front().values;
        if (keys->size() != 1 || keys->front().name.size() != keyName.size() ||
            values.size() != 1 || !base::EqualsIgnoreCase(values.front().name, *valueName)) {
            return ImportResult::Refused;
        }
    }
    // Nothing is written over: a key or value of that name decides first. A
    // key that holds nothing but part of the copy is completed; what it
    // holds is written again unchanged.
    if (const platform::RegistryOpenResult existing =
            registry.OpenKey(entry->root.handle, entry->path, reg_access::kQueryValue, view);
        existing.key) {
        platform::RegistryValue ignored;
        if (valueName ? existing.key->QueryValue(*valueName, ignored) == reg_status::kOk
                      : !HoldsOnlyPartOf(registry, *entry, *keys, view)) {
            return ImportResult::AlreadyThere;
        }
    }
    for (std::size_t i = 0; i < keys->size(); ++i) {
        const platform::RegistryOpenResult created =
            registry.CreateKey(targets[i].root.handle, targets[i].path, reg_access::kWrite, view);
        if (!created.key) {
            return ImportResult::WriteFailed;
        }
        for (const platform::NamedRegistryValue& value : (*keys)[i].values) {
            if (created.key->SetValue(value.name, value.value) != reg_status::kOk) {
                return ImportResult::WriteFailed;
            }
        }
    }
    return ImportResult::Imported;
}

}  // namespace removal
