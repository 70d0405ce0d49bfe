#include "removal/cookie_store_rows.h"

#include "base/text.h"
#include "core/file_replace.h"
#include "platform/file_system.h"

namespace removal {

namespace {

constexpr std::string_view kLogsBeside[] = {"-wal", "-journal"};

}  // namespace

std::string UnderDomainCondition(const scan::CookieTable& table) {
    const std::string trimmed = "lower(ltrim(CAST(" + table.hostColumn + " AS TEXT), '.'))";
    // Without one trailing dot, as scan::HostIsUnder takes it.
    const std::string bare =
        "substr(" + trimmed + ", 1, length(" + trimmed + ") - (substr(" + trimmed + ", -1) = '.'))";
    return "(" + bare + " = ?1 OR substr(" + bare + ", -length(?1) - 1) = '.' || ?1)";
}

bool StoreLogInUse(platform::FileSystem& fs, std::string_view storePath) {
    for (const std::string_view suffix : kLogsBeside) {
        const std::string log = std::string(storePath) + std::string(suffix);
        if (!fs.Attributes(log)) {
            continue;
        }
        // A log that cannot even be measured is held by its browser.
        const std::optional<std::uint64_t> size = fs.FileSize(log);
        if (!size || *size > 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ColumnList(base::SqliteDatabase& store, const scan::CookieTable& table) {
    std::optional<base::SqliteStatement> info =
        store.Prepare("SELECT name FROM pragma_table_info(?1, 'main') ORDER BY cid");
    if (!info || !info->BindText(1, table.name)) {
        return std::nullopt;
    }
    std::string list;
    base::StepResult step;
    while ((step = info->Step()) == base::StepResult::Row) {
        list += (list.empty() ? "\"" : ", \"") +
                base::ReplaceAll(info->ColumnText(0), "\"", "\"\"") + "\"";
    }
    if (step != base::StepResult::Done || list.empty()) {
        return std::nullopt;
    }
    return list;
}

bool AttachEmptySavedTable(base::SqliteDatabase& store, const scan::CookieTable& table,
                           const std::string& columns) {
    std::optional<base::SqliteDatabase> saved = base::SqliteDatabase::CreateEmpty();
    if (!saved || !saved->Execute("CREATE TABLE \"" + table.name + "\" (" + columns + ")")) {
        return false;
    }
    const std::optional<std::string> image = saved->Serialize();
    return image && store.AttachImage(kSavedSchema, *image);
}

std::int64_t StoreLayoutVersion(base::SqliteDatabase& store) {
    {
        std::optional<base::SqliteStatement> meta =
            store.Prepare("SELECT CAST(value AS INTEGER) FROM main.meta WHERE key = 'version'");
        if (meta && meta->Step() == base::StepResult::Row) {
            return meta->ColumnInt64(0);
        }
    }
    std::optional<base::SqliteStatement> user = store.Prepare("PRAGMA main.user_version");
    return user && user->Step() == base::StepResult::Row ? user->ColumnInt64(0) : 0;
}

std::int64_t SavedLayoutVersion(base::SqliteDatabase& store) {
    std::optional<base::SqliteStatement> user =
        store.Prepare("PRAGMA \"" + std::string(kSavedSchema) + "\".user_version");
    return user && user->Step() == base::StepResult::Row ? user->ColumnInt64(0) : 0;
}

StoreReplace ReplaceStore(platform::FileSystem& fs, std::string_view storePath,
                          const scan::OpenedStore& asRead, std::string_view image) {
    if (StoreLogInUse(fs, storePath)) {
        return StoreReplace::InUse;
    }
    const std::optional<platform::PathAttributes> now = fs.Attributes(storePath);
    const std::optional<std::uint64_t> size = fs.FileSize(storePath);
    if (!now || !size || *size != asRead.size || now->lastWrite != asRead.lastWrite) {
        return StoreReplace::InUse;
    }
    const std::string scratch = std::string(storePath) + ".new";
    return core::ReplaceFileContent(fs, storePath, image, scratch) ? StoreReplace::Replaced
                                                                   : StoreReplace::InUse;
}

}  // namespace removal
