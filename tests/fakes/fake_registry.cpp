#include "fakes/fake_registry.h"

#include "base/text.h"

namespace fakes {

namespace {

using platform::RegistryOpenResult;
namespace status = platform::reg_status;

std::string Normalise(std::string_view path) {
    std::string result = base::UpperCase(path);
    // The registry's letter case reaches beyond ASCII: a dotless i names the
    // same key as an I (upper-cased above, it reads as a dotted capital I,
    // UTF-8 C4 B0).
    for (std::size_t at = result.find("\xC4\xB0"); at != std::string::npos;
         at = result.find("\xC4\xB0", at)) {
        result.replace(at, 2, "I");
    }
    while (!result.empty() && result.back() == '\\') {
        result.pop_back();
    }
    return result;
}

// The rights that change a key or its values.
constexpr std::uint32_t kChangeRights = platform::reg_access::kSetValue |
                                        platform::reg_access::kCreateSubKey |
                                        platform::reg_access::kCreateLink;

// The system's names of the roots; the classes are those of the machine.
std::string_view KernelRoot(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return "\\REGISTRY\\MACHINE\\SOFTWARE\\CLASSES";
        case platform::RegistryRoot::CurrentUser:
            return "\\REGISTRY\\USER\\S-1-5-21-1004";
        case platform::RegistryRoot::LocalMachine:
            return "\\REGISTRY\\MACHINE";
        case platform::RegistryRoot::Users:
            return "\\REGISTRY\\USER";
        case platform::RegistryRoot::CurrentConfig:
            return "\\REGISTRY\\MACHINE\\SYSTEM\\CURRENTCONTROLSET\\HARDWARE PROFILES\\CURRENT";
        case platform::RegistryRoot::DynData:
            break;
    }
    return "\\REGISTRY\\DYNDATA";
}

// The classes that 32-bit programs register apart.
bool IsRedirectedClass(std::string_view upperName) {
    for (const std::string_view name :
         {"CLSID", "INTERFACE", "TYPELIB", "DIRECTSHOW", "MEDIA TYPE", "MEDIAFOUNDATION"}) {
        if (upperName == name) {
            return true;
        }
    }
    return false;
}

std::string_view FirstSegment(std::string_view path) {
    return path.substr(0, path.find('\\'));
}

std::string_view AfterFirstSegment(std::string_view path) {
    const std::size_t slash = path.find('\\');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
}

// The classes key's path in the 32-bit view.
std::string ClassesInWow32(std::string_view classesPath) {
    if (IsRedirectedClass(FirstSegment(classesPath))) {
        return "WOW6432NODE\\" + std::string(classesPath);
    }
    return std::string(classesPath);
}

class FakeKey : public platform::RegistryKey {
public:
    FakeKey(const FakeRegistry& registry, platform::RegistryRoot root, FakeRegistry::KeyData& data,
            std::uint32_t access, std::string path)
        : m_registry(registry),
          m_root(root),
          m_data(data),
          m_access(access),
          m_path(std::move(path)) {}

    long QueryValue(std::string_view name, platform::RegistryValue& out) override {
        const auto it = m_data.values.find(base::UpperCase(name));
        if (it == m_data.values.end() || m_data.unreadable.contains(it->first)) {
            return status::kNotFound;
        }
        out = it->second;
        return status::kOk;
    }

    long SetValue(std::string_view name, const platform::RegistryValue& value) override {
        if ((m_access & platform::reg_access::kSetValue) == 0 ||
            (m_registry.Refused(m_root, m_data) & platform::reg_access::kSetValue) != 0) {
            return status::kAccessDenied;
        }
        const std::string id = base::UpperCase(name);
        if (m_data.writesLost) {
            return status::kOk;
        }
        m_data.values[id] = value;
        m_data.names[id] = std::string(name);
        return status::kOk;
    }

    long DeleteValue(std::string_view name) override {
        if ((m_access & platform::reg_access::kSetValue) == 0 ||
            (m_registry.Refused(m_root, m_data) & platform::reg_access::kSetValue) != 0) {
            return status::kAccessDenied;
        }
        const std::string id = base::UpperCase(name);
        if (m_data.deletionsKept) {
            return m_data.values.contains(id) ? status::kOk : status::kNotFound;
        }
        m_data.names.erase(id);
        return m_data.values.erase(id) > 0 ? status::kOk : status::kNotFound;
    }

    std::string KernelName() override {
        return std::string(KernelRoot(m_root)) + (m_path.empty() ? "" : "\\" + m_path);
    }

    long EnumerateSubKeys(std::vector<std::string>& names) override {
        names.clear();
        if ((m_access & platform::reg_access::kEnumerateSubKeys) == 0 || m_data.listingRefused) {
            return status::kAccessDenied;
        }
        names = m_registry.SubKeyNames(m_root, m_path);
        return status::kOk;
    }

    long EnumerateValues(std::vector<platform::NamedRegistryValue>& values) override {
        values.clear();
        if ((m_access & platform::reg_access::kQueryValue) == 0 || m_data.listingRefused) {
            return status::kAccessDenied;
        }
        for (const auto& [id, value] : m_data.values) {
            if (m_data.unreadable.contains(id)) {
                values.clear();
                return status::kNotFound;
            }
            const auto written = m_data.names.find(id);
            values.push_back({written != m_data.names.end() ? written->second : id, value});
        }
        return status::kOk;
    }

    long ListSubKeyNames(std::uint32_t from, std::uint32_t most,
                         std::vector<std::string>& names) override {
        if ((m_access & platform::reg_access::kEnumerateSubKeys) == 0 || m_data.listingRefused) {
            return status::kAccessDenied;
        }
        return Slice(m_registry.SubKeyNames(m_root, m_path), from, most, names);
    }

    long ListValueNames(std::uint32_t from, std::uint32_t most,
                        std::vector<std::string>& names) override {
        if ((m_access & platform::reg_access::kQueryValue) == 0 || m_data.listingRefused) {
            return status::kAccessDenied;
        }
        std::vector<std::string> all;
        for (const auto& [id, value] : m_data.values) {
            // A name that cannot be read by its text is one that the
            // program's text cannot carry.
            if (m_data.unreadable.contains(id)) {
                return status::kNoUnicodeTranslation;
            }
            const auto written = m_data.names.find(id);
            all.push_back(written != m_data.names.end() ? written->second : id);
        }
        return Slice(all, from, most, names);
    }

private:
    long Slice(const std::vector<std::string>& all, std::uint32_t from, std::uint32_t most,
               std::vector<std::string>& names) {
        for (std::size_t i = from; i < all.size() && i - from < most; ++i) {
            names.push_back(all[i]);
        }
        m_registry.listedNames += static_cast<int>(names.size());
        return status::kOk;
    }

    const FakeRegistry& m_registry;
    platform::RegistryRoot m_root;
    FakeRegistry::KeyData& m_data;
    std::uint32_t m_access;
    std::string m_path;
};

}  // namespace

std::string FakeRegistry::KeyId(platform::RegistryRoot root, std::string_view path) {
    return std::to_string(static_cast<std::uint32_t>(root)) + ":" + Normalise(path);
}

std::string FakeRegistry::InView(platform::RegistryRoot root, std::string_view path,
                                 platform::RegistryView view) const {
    std::string normalised = Normalise(path);
    if (!m_twoViews || view != platform::RegistryView::Wow32) {
        return normalised;
    }
    if (root == platform::RegistryRoot::ClassesRoot) {
        return ClassesInWow32(normalised);
    }
    if (root != platform::RegistryRoot::LocalMachine || FirstSegment(normalised) != "SOFTWARE") {
        return normalised;
    }
    const std::string_view below = AfterFirstSegment(normalised);
    if (below.empty() || FirstSegment(below) == "WOW6432NODE") {
        return normalised;
    }
    if (FirstSegment(below) == "CLASSES") {
        return "SOFTWARE\\CLASSES\\" + ClassesInWow32(AfterFirstSegment(below));
    }
    return "SOFTWARE\\WOW6432NODE\\" + std::string(below);
}

RegistryOpenResult FakeRegistry::OpenKey(platform::RegistryRoot root, std::string_view path,
                                         std::uint32_t access, platform::RegistryView view) {
    ++opens;
    const std::string inView = InView(root, path, view);
    const auto it = m_keys.find(KeyId(root, inView));
    if (it == m_keys.end() || it->second.unopenable) {
        return {status::kNotFound, nullptr};
    }
    if ((Refused(root, it->second) & access) != 0) {
        return {status::kAccessDenied, nullptr};
    }
    return {status::kOk, std::make_unique<FakeKey>(*this, root, it->second, access, inView)};
}

RegistryOpenResult FakeRegistry::CreateKey(platform::RegistryRoot root, std::string_view path,
                                           std::uint32_t access, platform::RegistryView view) {
    ++opens;
    const std::string normalised = InView(root, path, view);
    const auto existing = m_keys.find(KeyId(root, normalised));
    if (existing != m_keys.end() && (Refused(root, existing->second) & access) != 0) {
        return {status::kAccessDenied, nullptr};
    }
    if (existing == m_keys.end() && m_readOnlyRoots.contains(root)) {
        return {status::kAccessDenied, nullptr};
    }
    return {status::kOk, std::make_unique<FakeKey>(*this, root, Ensure(root, normalised, path),
                                                   access, normalised)};
}

FakeRegistry::KeyData& FakeRegistry::Ensure(platform::RegistryRoot root, std::string_view path,
                                            std::string_view written) {
    const std::string normalised = Normalise(path);
    const auto segments = [](std::string_view text) {
        std::vector<std::string> parts;
        for (std::size_t start = 0;;) {
            const std::size_t slash = text.find('\\', start);
            parts.emplace_back(text.substr(start, slash - start));
            if (slash == std::string_view::npos) {
                return parts;
            }
            start = slash + 1;
        }
    };
    const std::vector<std::string> ids = segments(normalised);
    std::vector<std::string> names = segments(written.empty() ? path : written);
    while (!names.empty() && names.back().empty()) {
        names.pop_back();
    }
    if (names.size() != ids.size()) {
        names = ids;
    }
    // Parents come into being with their child, as they do on the platform.
    std::string id;
    KeyData* key = nullptr;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        id += (i == 0 ? "" : "\\") + ids[i];
        key = &m_keys[KeyId(root, id)];
        if (key->name.empty()) {
            key->name = names[i];
        }
    }
    return *key;
}

std::vector<std::string> FakeRegistry::SubKeyNames(platform::RegistryRoot root,
                                                   std::string_view path) const {
    const std::string prefix = KeyId(root, path) + "\\";
    std::vector<std::string> names;
    for (auto it = m_keys.lower_bound(prefix); it != m_keys.end() && it->first.starts_with(prefix);
         ++it) {
        const std::string_view rest = std::string_view(it->first).substr(prefix.size());
        if (rest.find('\\') == std::string_view::npos) {
            names.push_back(it->second.name.empty() ? std::string(rest) : it->second.name);
        }
    }
    return names;
}

long FakeRegistry::DeleteTree(platform::RegistryRoot root, std::string_view path,
                              platform::RegistryView view) {
    const std::string id = KeyId(root, InView(root, path, view));
    const auto it = m_keys.find(id);
    if (it == m_keys.end()) {
        return status::kNotFound;
    }
    if (Refused(root, it->second) != 0) {
        return status::kAccessDenied;
    }
    // Subkeys before their parents, as the platform's deletion goes.
    const std::string prefix = id + "\\";
    std::vector<std::string> tree;
    for (const auto& [keyId, data] : m_keys) {
        if (keyId == id || keyId.starts_with(prefix)) {
            if (data.deletionsKept) {
                return status::kOk;
            }
            tree.push_back(keyId);
        }
    }
    for (auto key = tree.rbegin(); key != tree.rend(); ++key) {
        if (m_keys.at(*key).undeletable) {
            return status::kAccessDenied;
        }
        m_keys.erase(*key);
    }
    return status::kOk;
}

void FakeRegistry::SetString(platform::RegistryRoot root, std::string_view path,
                             std::string_view name, std::string_view text) {
    SetValue(root, path, name, platform::StringValue(text));
}

void FakeRegistry::SetValue(platform::RegistryRoot root, std::string_view path,
                            std::string_view name, platform::RegistryValue value) {
    KeyData& data = Ensure(root, path);
    data.values[base::UpperCase(name)] = std::move(value);
    data.names[base::UpperCase(name)] = std::string(name);
}

std::optional<platform::RegistryValue> FakeRegistry::Value(platform::RegistryRoot root,
                                                           std::string_view path,
                                                           std::string_view name) const {
    const auto key = m_keys.find(KeyId(root, path));
    if (key == m_keys.end()) {
        return std::nullopt;
    }
    const auto value = key->second.values.find(base::UpperCase(name));
    if (value == key->second.values.end()) {
        return std::nullopt;
    }
    return value->second;
}

std::optional<std::string> FakeRegistry::String(platform::RegistryRoot root, std::string_view path,
                                                std::string_view name) const {
    std::optional<platform::RegistryValue> value = Value(root, path, name);
    if (!value) {
        return std::nullopt;
    }
    return value->data.substr(0, value->data.find('\0'));
}

bool FakeRegistry::KeyExists(platform::RegistryRoot root, std::string_view path) const {
    return m_keys.contains(KeyId(root, path));
}

void FakeRegistry::DenyAccess(platform::RegistryRoot root, std::string_view path,
                              std::uint32_t rights) {
    m_keys[KeyId(root, path)].deniedRights = rights;
}

void FakeRegistry::ListWithoutReading(platform::RegistryRoot root, std::string_view path,
                                      std::string_view name) {
    Ensure(root, path).unreadable.insert(base::UpperCase(name));
}

void FakeRegistry::ListWithoutOpening(platform::RegistryRoot root, std::string_view path) {
    Ensure(root, path).unopenable = true;
}

void FakeRegistry::RefuseListing(platform::RegistryRoot root, std::string_view path) {
    Ensure(root, path).listingRefused = true;
}

void FakeRegistry::RefuseDeletion(platform::RegistryRoot root, std::string_view path) {
    Ensure(root, path).undeletable = true;
}

void FakeRegistry::KeepDeleted(platform::RegistryRoot root, std::string_view path) {
    Ensure(root, path).deletionsKept = true;
}

void FakeRegistry::LoseWrites(platform::RegistryRoot root, std::string_view path) {
    Ensure(root, path).writesLost = true;
}

void FakeRegistry::RefuseWritesUnder(platform::RegistryRoot root) {
    m_readOnlyRoots.insert(root);
}

void FakeRegistry::Grant(platform::RegistryRoot root, std::string_view path, std::uint32_t rights) {
    Ensure(root, path).grantedRights = rights;
}

std::uint32_t FakeRegistry::Refused(platform::RegistryRoot root, const KeyData& key) const {
    const std::uint32_t byRoot =
        m_readOnlyRoots.contains(root) ? kChangeRights & ~key.grantedRights : 0;
    return key.deniedRights | byRoot;
}

}  // namespace fakes
