#include "browsers/extension_settings_edit.h"

#include <gtest/gtest.h>

#include "base/json_reader.h"
#include "browsers/extension_settings.h"

namespace browsers {
namespace {

constexpr char kId[] = "bbbbccccddddeeeeffffgggghhhhiiii";

struct RemovalCase {
    const char* what;
    const char* before;
    const char* after;  // nullptr: left as it is, not settings
    const char* settings;
    const char* protection;
};

// Texts of the shapes the browsers write, the entry standing first, in the
// middle, last and alone; everything but the extension's entries stays to
// the byte, its ID elsewhere in the file too.
const RemovalCase kRemovals[] = {
    {"middle of both objects",
     R"({"extensions":{"settings":{"aaaabbbbccccddddeeeeffffgggghhhh":{"state":1},)"
     R"("bbbbccccddddeeeeffffgggghhhhiiii":{"path":"x\\y","state":1},)"
     R"("ccccddddeeeeffffgggghhhhiiiijjjj":{}}},"protection":{"macs":{"extensions":{"settings":)"
     R"({"aaaabbbbccccddddeeeeffffgggghhhh":"A1","bbbbccccddddeeeeffffgggghhhhiiii":"B1",)"
     R"("ccccddddeeeeffffgggghhhhiiiijjjj":"C1"}}},"super_mac":"S"}})",
     R"({"extensions":{"settings":{"aaaabbbbccccddddeeeeffffgggghhhh":{"state":1},)"
     R"("ccccddddeeeeffffgggghhhhiiiijjjj":{}}},"protection":{"macs":{"extensions":{"settings":)"
     R"({"aaaabbbbccccddddeeeeffffgggghhhh":"A1",)"
     R"("ccccddddeeeeffffgggghhhhiiiijjjj":"C1"}}},"super_mac":"S"}})",
     R"({"path":"x\\y","state":1})", R"("B1")"},
    {"last and alone, written with white space",
     "{\n  \"extensions\": {\n    \"settings\": {\n      \"aaaabbbbccccddddeeeeffffgggghhhh\": "
     "[1, 2],\n      \"bbbbccccddddeeeeffffgggghhhhiiii\": {\"a\": \"}]\\\"\"}\n    }\n  },\n"
     "  \"protection\": {\"macs\": {\"extensions\": {\"settings\": "
     "{ \"bbbbccccddddeeeeffffgggghhhhiiii\" : \"B1\" }}}}\n}\n",
     "{\n  \"extensions\": {\n    \"settings\": {\n      \"aaaabbbbccccddddeeeeffffgggghhhh\": "
     "[1, 2]\n    }\n  },\n"
     "  \"protection\": {\"macs\": {\"extensions\": {\"settings\": "
     "{  }}}}\n}\n",
     R"({"a": "}]\""})", R"("B1")"},
    {"its ID as a value or deeper down is not its entry",
     R"({"pinned":["bbbbccccddddeeeeffffgggghhhhiiii"],"extensions":{"settings":)"
     R"({"aaaabbbbccccddddeeeeffffgggghhhh":{"bbbbccccddddeeeeffffgggghhhhiiii":1}}}})",
     R"({"pinned":["bbbbccccddddeeeeffffgggghhhhiiii"],"extensions":{"settings":)"
     R"({"aaaabbbbccccddddeeeeffffgggghhhh":{"bbbbccccddddeeeeffffgggghhhhiiii":1}}}})",
     "", ""},
    {"written twice and with an escape: every one goes, the last one is kept",
     R"({"extensions":{"settings":{"\u0062bbbccccddddeeeeffffgggghhhhiiii":{"v":1},)"
     R"("bbbbccccddddeeeeffffgggghhhhiiii":{"v":2},"aaaabbbbccccddddeeeeffffgggghhhh":{}}}})",
     R"({"extensions":{"settings":{"aaaabbbbccccddddeeeeffffgggghhhh":{}}}})", R"({"v":2})", ""},
    {"only the objects the browser reads",
     R"({"extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":1}},)"
     R"("extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":2}}})",
     R"({"extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":1}},)"
     R"("extensions":{"settings":{}}})",
     "2", ""},
    {"damaged", R"({"extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":{}})", nullptr, "",
     ""},
    {"not an object", R"(["bbbbccccddddeeeeffffgggghhhhiiii"])", nullptr, "", ""},
};

TEST(ExtensionSettingsEdit, RemovesOnlyTheExtensionsEntries) {
    for (const RemovalCase& c : kRemovals) {
        SCOPED_TRACE(c.what);
        const SettingsEdit edit = RemoveExtensionEntries(c.before, kId);
        if (c.after == nullptr) {
            EXPECT_EQ(edit.status, SettingsEditStatus::NotSettings);
            continue;
        }
        ASSERT_EQ(edit.status, SettingsEditStatus::Done);
        EXPECT_EQ(edit.text, c.after);
        EXPECT_EQ(edit.entries.settings, c.settings);
        EXPECT_EQ(edit.entries.protection, c.protection);
        EXPECT_TRUE(base::ParseJson(edit.text).has_value());
    }
}

// After the removal the browser rewrote the file: another extension came,
// a setting changed, and the protection object went. Putting back adds the
// extension's own entries and keeps all of that; the browser's own
// reinstall is never overwritten.
TEST(ExtensionSettingsEdit, PutsBackTheEntriesIntoAFileTheBrowserChanged) {
    const SettingsEdit removed = RemoveExtensionEntries(kRemovals[0].before, kId);
    ASSERT_EQ(removed.status, SettingsEditStatus::Done);
    const std::string changed =
        R"({"extensions":{"settings":{"aaaabbbbccccddddeeeeffffgggghhhh":{"state":0},)"
        R"("ddddeeeeffffgggghhhhiiiijjjjkkkk":{}}},"homepage":"https://example.org/"})";

    const SettingsEdit back = PutBackExtensionEntries(changed, kId, removed.entries);
    ASSERT_EQ(back.status, SettingsEditStatus::Done);
    EXPECT_EQ(back.text,
              R"({"extensions":{"settings":{"aaaabbbbccccddddeeeeffffgggghhhh":{"state":0},)"
              R"("ddddeeeeffffgggghhhhiiiijjjjkkkk":{},)"
              R"("bbbbccccddddeeeeffffgggghhhhiiii":{"path":"x\\y","state":1}}},)"
              R"("homepage":"https://example.org/",)"
              R"("protection":{"macs":{"extensions":{"settings":)"
              R"({"bbbbccccddddeeeeffffgggghhhhiiii":"B1"}}}}})");
    std::vector<std::string> ids;
    for (const RecordedExtension& e : ReadChromiumSettings(back.text))
        ids.push_back(e.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"aaaabbbbccccddddeeeeffffgggghhhh",
                                             "ddddeeeeffffgggghhhhiiiijjjjkkkk", kId}));

    // Into the file it was taken from, it reads as before.
    const SettingsEdit again = PutBackExtensionEntries(removed.text, kId, removed.entries);
    ASSERT_EQ(again.status, SettingsEditStatus::Done);
    EXPECT_EQ(RemoveExtensionEntries(again.text, kId).text, removed.text);
    EXPECT_EQ(ReadChromiumSettings(again.text).size(), 3U);

    const std::string reinstalled =
        R"({"protection":{"macs":{"extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":)"
        R"("N"}}}}})";
    EXPECT_EQ(PutBackExtensionEntries(reinstalled, kId, removed.entries).status,
              SettingsEditStatus::AlreadyThere);
    EXPECT_EQ(PutBackExtensionEntries("{\"extensions\":", kId, removed.entries).status,
              SettingsEditStatus::NotSettings);
    EXPECT_EQ(PutBackExtensionEntries("{}", kId, {"{\"broken\":", ""}).status,
              SettingsEditStatus::NotSettings);
}

// Undoing a removal: the file as the removal left it gets its old text back
// to the byte; one the browser changed since keeps the browser's changes.
TEST(ExtensionSettingsEdit, RestoreNeverOverwritesWhatTheBrowserWroteSince) {
    const std::string saved = kRemovals[0].before;
    const std::string left = RemoveExtensionEntries(saved, kId).text;
    const std::string changed = R"({"extensions":{"settings":{}},"homepage":"https://a.example/"})";
    const std::string reinstalled =
        R"({"extensions":{"settings":{"bbbbccccddddeeeeffffgggghhhhiiii":{"state":1}}}})";

    struct Case {
        const char* what;
        std::string current;
        SettingsRestoreStatus status;
        const char* kept = "";
    };
    const Case cases[] = {
        {"untouched", left, SettingsRestoreStatus::Whole},
        {"changed", changed, SettingsRestoreStatus::EntriesOnly, "https://a.example/"},
        {"a byte changed", left + " ", SettingsRestoreStatus::EntriesOnly, "\"S\"}} "},
        {"reinstalled", reinstalled, SettingsRestoreStatus::AlreadyThere},
        {"damaged", left.substr(0, 40), SettingsRestoreStatus::CurrentNotSettings},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SettingsRestore restore = RestoreSettingsText(saved, c.current, kId);
        EXPECT_EQ(restore.status, c.status);
        if (c.status == SettingsRestoreStatus::Whole) {
            EXPECT_EQ(restore.text, saved);
        }
        if (c.status == SettingsRestoreStatus::EntriesOnly) {
            EXPECT_NE(restore.text.find(c.kept), std::string::npos)
                << "the browser's change is kept";
            EXPECT_EQ(RemoveExtensionEntries(restore.text, kId).entries.settings,
                      kRemovals[0].settings);
        }
    }
    EXPECT_EQ(RestoreSettingsText("{\"extensions\"", left, kId).status,
              SettingsRestoreStatus::SavedNotSettings);
}

}  // namespace
}  // namespace browsers
