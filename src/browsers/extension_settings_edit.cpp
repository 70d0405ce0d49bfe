#include "browsers/extension_settings_edit.h"

#include <array>
#include <optional>
#include <vector>

#include "base/json_reader.h"
#include "browsers/extension_settings.h"

namespace browsers {
namespace {

// The objects that hold an extension's entries, from the top of the file.
constexpr std::array<std::string_view, 2> kSettingsPath = {"extensions", "settings"};
constexpr std::array<std::string_view, 4> kProtectionPath = {"protection", "macs", "extensions",
                                                             "settings"};

// Where one member stands: its name's opening quote, and its value.
struct MemberSpan {
    std::string name;  // decoded
    std::size_t start = 0;
    std::size_t valueStart = 0;
    std::size_t valueEnd = 0;  // one past the value
};

// Walks text that the JSON reader has read whole, so every token is
// well-formed and every bracket is closed.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    [[nodiscard]] std::size_t SkipSpace(std::size_t at) const {
        while (at < text_.size() &&
               (text_[at] == ' ' || text_[at] == '\t' || text_[at] == '\n' || text_[at] == '\r')) {
            ++at;
        }
        return at;
    }

    // `at` is on the opening quote; the result is one past the closing one.
    [[nodiscard]] std::size_t SkipString(std::size_t at) const {
        for (++at; at < text_.size(); ++at) {
            if (text_[at] == '\\') {
                ++at;
            } else if (text_[at] == '"') {
                return at + 1;
            }
        }
        return text_.size();
    }

    [[nodiscard]] std::size_t SkipValue(std::size_t at) const {
        if (at >= text_.size())
            return at;
        if (text_[at] == '"')
            return SkipString(at);
        if (text_[at] == '{' || text_[at] == '[') {
            int depth = 0;
            while (at < text_.size()) {
                const char c = text_[at];
                if (c == '"') {
                    at = SkipString(at);
                    continue;
                }
                if (c == '{' || c == '[')
                    ++depth;
                if (c == '}' || c == ']') {
                    if (--depth == 0)
                        return at + 1;
                }
                ++at;
            }
            return at;
        }
        while (at < text_.size() && text_[at] != ',' && text_[at] != '}' && text_[at] != ']' &&
               text_[at] != ' ' && text_[at] != '\t' && text_[at] != '\n' && text_[at] != '\r') {
            ++at;
        }
        return at;
    }

    // The members of the object whose '{' is at `at`.
    [[nodiscard]] std::vector<MemberSpan> Members(std::size_t at) const {
        std::vector<MemberSpan> members;
        at = SkipSpace(at + 1);
        while (at < text_.size() && text_[at] == '"') {
            MemberSpan member;
            member.start = at;
            const std::size_t nameEnd = SkipString(at);
            const std::optional<base::JsonValue> name =
                base::ParseJson(text_.substr(at, nameEnd - at));
            member.name = name ? name->text : std::string();
            member.valueStart = SkipSpace(SkipSpace(nameEnd) + 1);  // past the ':'
            member.valueEnd = SkipValue(member.valueStart);
            members.push_back(std::move(member));
            at = SkipSpace(members.back().valueEnd);
            if (at < text_.size() && text_[at] == ',')
                at = SkipSpace(at + 1);
        }
        return members;
    }

    // The '{' of the object the browser reads at that path (the last member
    // of each name counts), if there is one.
    template <std::size_t N>
    [[nodiscard]] std::optional<std::size_t> Find(const std::array<std::string_view, N>& path,
                                                  std::size_t depth = N) const {
        std::size_t at = SkipSpace(text_.starts_with("\xEF\xBB\xBF") ? 3 : 0);
        for (std::size_t i = 0; i < depth; ++i) {
            const std::optional<MemberSpan> member = Last(Members(at), path[i]);
            if (!member || text_[member->valueStart] != '{')
                return std::nullopt;
            at = member->valueStart;
        }
        return at;
    }

    // The elements of the array whose '[' is at `at`: where each starts and
    // ends (one past it).
    [[nodiscard]] std::vector<std::pair<std::size_t, std::size_t>> Elements(std::size_t at) const {
        std::vector<std::pair<std::size_t, std::size_t>> elements;
        at = SkipSpace(at + 1);
        while (at < text_.size() && text_[at] != ']') {
            const std::size_t end = SkipValue(at);
            elements.emplace_back(at, end);
            at = SkipSpace(end);
            if (at >= text_.size() || text_[at] != ',')
                break;
            at = SkipSpace(at + 1);
        }
        return elements;
    }

    // The '[' of the top object's last "addons" member, if it is an array.
    [[nodiscard]] std::optional<std::size_t> Addons() const {
        const std::size_t top = SkipSpace(text_.starts_with("\xEF\xBB\xBF") ? 3 : 0);
        if (top >= text_.size() || text_[top] != '{')
            return std::nullopt;
        const std::optional<MemberSpan> addons = Last(Members(top), "addons");
        if (!addons || text_[addons->valueStart] != '[')
            return std::nullopt;
        return addons->valueStart;
    }

    static std::optional<MemberSpan> Last(const std::vector<MemberSpan>& members,
                                          std::string_view name) {
        std::optional<MemberSpan> last;
        for (const MemberSpan& member : members) {
            if (member.name == name)
                last = member;
        }
        return last;
    }

private:
    std::string_view text_;
};

bool IsSettingsObject(std::string_view text) {
    const base::JsonReadResult read = base::ReadJson(text, base::kJsonMaxSettingsSize);
    return read.status == base::JsonStatus::Read && read.value->IsObject();
}

// Takes every member of that name out of the object at `path`; the text of
// the last one (the one the browser read) goes to `removed`.
template <std::size_t N>
void RemoveMembers(std::string& text, const std::array<std::string_view, N>& path,
                   std::string_view name, std::string& removed) {
    for (;;) {
        const Scanner scanner(text);
        const std::optional<std::size_t> object = scanner.Find(path);
        if (!object)
            return;
        const std::vector<MemberSpan> members = scanner.Members(*object);
        std::size_t index = members.size();
        for (std::size_t i = members.size(); i-- > 0;) {
            if (members[i].name == name) {
                index = i;
                break;
            }
        }
        if (index == members.size())
            return;
        const MemberSpan& member = members[index];
        if (removed.empty()) {
            removed = text.substr(member.valueStart, member.valueEnd - member.valueStart);
        }
        // The comma that joins it to a neighbour goes with it.
        if (index + 1 < members.size()) {
            text.erase(member.start, members[index + 1].start - member.start);
        } else if (index > 0) {
            const std::size_t from = members[index - 1].valueEnd;
            text.erase(from, member.valueEnd - from);
        } else {
            text.erase(member.start, member.valueEnd - member.start);
        }
    }
}

// Adds a member at the end of the object whose '{' is at `object`.
void AddMember(std::string& text, std::size_t object, std::string_view name,
               std::string_view value) {
    const std::vector<MemberSpan> members = Scanner(text).Members(object);
    std::string member = "\"" + std::string(name) + "\":" + std::string(value);
    if (members.empty()) {
        text.insert(object + 1, member);
    } else {
        text.insert(members.back().valueEnd, "," + member);
    }
}

template <std::size_t N>
void PutBackMember(std::string& text, const std::array<std::string_view, N>& path,
                   std::string_view name, std::string_view value) {
    // Make whatever part of the path the file lacks, one object at a time; a
    // member of that name that is no object is shadowed by the new one, as
    // the browser reads the last.
    std::size_t depth = 0;
    while (depth < N && Scanner(text).Find(path, depth + 1))
        ++depth;
    for (; depth < N; ++depth) {
        const std::optional<std::size_t> parent = Scanner(text).Find(path, depth);
        if (!parent)
            return;
        AddMember(text, *parent, path[depth], "{}");
    }
    if (const std::optional<std::size_t> object = Scanner(text).Find(path)) {
        AddMember(text, *object, name, value);
    }
}

template <std::size_t N>
bool Holds(std::string_view text, const std::array<std::string_view, N>& path,
           std::string_view name) {
    const Scanner scanner(text);
    const std::optional<std::size_t> object = scanner.Find(path);
    return object && Scanner::Last(scanner.Members(*object), name).has_value();
}

// Whether the element of the add-on list is the add-on of that ID.
bool IsAddon(std::string_view element, std::string_view id) {
    const std::optional<base::JsonValue> addon = base::ParseJson(element);
    const base::JsonValue* addonId = addon ? addon->Member("id") : nullptr;
    return addonId != nullptr && addonId->IsString() && addonId->text == id;
}

}  // namespace

SettingsEdit RemoveFirefoxAddon(std::string_view text, std::string_view id) {
    SettingsEdit edit;
    if (id.empty() || !IsSettingsObject(text) || !Scanner(text).Addons())
        return edit;
    edit.text = std::string(text);
    for (;;) {
        const Scanner scanner(edit.text);
        const std::vector<std::pair<std::size_t, std::size_t>> elements =
            scanner.Elements(*scanner.Addons());
        std::size_t index = elements.size();
        for (std::size_t i = 0; i < elements.size() && index == elements.size(); ++i) {
            const auto [start, end] = elements[i];
            if (IsAddon(std::string_view(edit.text).substr(start, end - start), id))
                index = i;
        }
        if (index == elements.size())
            break;
        const auto [start, end] = elements[index];
        if (edit.entries.settings.empty())
            edit.entries.settings = edit.text.substr(start, end - start);
        // The comma that joins it to a neighbour goes with it.
        if (index + 1 < elements.size()) {
            edit.text.erase(start, elements[index + 1].first - start);
        } else if (index > 0) {
            edit.text.erase(elements[index - 1].second, end - elements[index - 1].second);
        } else {
            edit.text.erase(start, end - start);
        }
    }
    edit.status = SettingsEditStatus::Done;
    return edit;
}

SettingsEdit PutBackFirefoxAddon(std::string_view text, std::string_view id,
                                 std::string_view addon) {
    SettingsEdit edit;
    if (id.empty() || !IsAddon(addon, id) || !IsSettingsObject(text) || !Scanner(text).Addons())
        return edit;
    const Scanner scanner(text);
    const std::size_t list = *scanner.Addons();
    const std::vector<std::pair<std::size_t, std::size_t>> elements = scanner.Elements(list);
    for (const auto& [start, end] : elements) {
        if (IsAddon(text.substr(start, end - start), id)) {
            edit.status = SettingsEditStatus::AlreadyThere;
            return edit;
        }
    }
    edit.text = std::string(text);
    if (elements.empty()) {
        edit.text.insert(list + 1, addon);
    } else {
        edit.text.insert(elements.back().second, "," + std::string(addon));
    }
    edit.status = SettingsEditStatus::Done;
    return edit;
}

SettingsRestore RestoreFirefoxAddonsText(std::string_view saved, std::string_view current,
                                         std::string_view id) {
    SettingsRestore restore;
    const SettingsEdit removal = RemoveFirefoxAddon(saved, id);
    if (removal.status != SettingsEditStatus::Done)
        return restore;
    if (current == removal.text) {
        restore.status = SettingsRestoreStatus::Whole;
        restore.text = std::string(saved);
        return restore;
    }
    const SettingsEdit back = PutBackFirefoxAddon(current, id, removal.entries.settings);
    switch (back.status) {
        case SettingsEditStatus::Done:
            restore.status = SettingsRestoreStatus::EntriesOnly;
            restore.text = back.text;
            break;
        case SettingsEditStatus::AlreadyThere:
            restore.status = SettingsRestoreStatus::AlreadyThere;
            break;
        case SettingsEditStatus::NotSettings:
            restore.status = SettingsRestoreStatus::CurrentNotSettings;
            break;
    }
    return restore;
}

SettingsEdit RemoveExtensionEntries(std::string_view text, std::string_view id) {
    SettingsEdit edit;
    if (!IsChromiumExtensionId(id) || !IsSettingsObject(text))
        return edit;
    edit.text = std::string(text);
    RemoveMembers(edit.text, kSettingsPath, id, edit.entries.settings);
    RemoveMembers(edit.text, kProtectionPath, id, edit.entries.protection);
    edit.status = SettingsEditStatus::Done;
    return edit;
}

SettingsEdit PutBackExtensionEntries(std::string_view text, std::string_view id,
                                     const ExtensionEntries& entries) {
    SettingsEdit edit;
    if (!IsChromiumExtensionId(id) || !IsSettingsObject(text))
        return edit;
    // Entries that are not JSON values would damage the file.
    for (const std::string* entry : {&entries.settings, &entries.protection}) {
        if (!entry->empty() && !base::ParseJson(*entry))
            return edit;
    }
    if (Holds(text, kSettingsPath, id) || Holds(text, kProtectionPath, id)) {
        edit.status = SettingsEditStatus::AlreadyThere;
        return edit;
    }
    edit.text = std::string(text);
    if (!entries.settings.empty())
        PutBackMember(edit.text, kSettingsPath, id, entries.settings);
    if (!entries.protection.empty()) {
        PutBackMember(edit.text, kProtectionPath, id, entries.protection);
    }
    edit.status = SettingsEditStatus::Done;
    return edit;
}

SettingsRestore RestoreSettingsText(std::string_view saved, std::string_view current,
                                    std::string_view id) {
    SettingsRestore restore;
    const SettingsEdit removal = RemoveExtensionEntries(saved, id);
    if (removal.status != SettingsEditStatus::Done)
        return restore;
    if (current == removal.text) {
        restore.status = SettingsRestoreStatus::Whole;
        restore.text = std::string(saved);
        return restore;
    }
    const SettingsEdit back = PutBackExtensionEntries(current, id, removal.entries);
    switch (back.status) {
        case SettingsEditStatus::Done:
            restore.status = SettingsRestoreStatus::EntriesOnly;
            restore.text = back.text;
            break;
        case SettingsEditStatus::AlreadyThere:
            restore.status = SettingsRestoreStatus::AlreadyThere;
            break;
        case SettingsEditStatus::NotSettings:
            restore.status = SettingsRestoreStatus::CurrentNotSettings;
            break;
    }
    return restore;
}

}  // namespace browsers
