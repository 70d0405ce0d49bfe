#include "removal/cookie_store_restore.h"

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "browsers/cookie_store.h"
#include "browsers/cookie_store_locations.h"
#include "core/application.h"
#include "removal/cookie_store_rows.h"
#include "removal/quarantine_log.h"
#include "removal/saved_content.h"

namespace removal {

namespace {

struct Column {
    std::string name;
    bool rowId = false;  // the table's INTEGER PRIMARY KEY: the row's own number
};

std::optional<std::vector<Column>> Columns(base::SqliteDatabase& database, std::string_view schema,
                                           const std::string& table) {
    std::optional<base::SqliteStatement> info =
        database.Prepare("SELECT name, upper(type), pk FROM pragma_table_info(?1, ?2)");
    if (!info || !info->BindText(1, table) || !info->BindText(2, schema)) {
        return std::nullopt;
    }
    std::vector<Column> columns;
    int keyColumns = 0;
    base::StepResult step;
    while ((step = info->Step()) == base::StepResult::Row) {
        const bool key = info->ColumnInt64(2) > 0;
        keyColumns += key ? 1 : 0;
        columns.push_back({info->ColumnText(0), key && info->ColumnText(1) == "INTEGER"});
    }
    if (step != base::StepResult::Done) {
        return std::nullopt;
    }
    // Only a key of one column is the row's number.
    if (keyColumns != 1) {
        for (Column& column : columns) {
            column.rowId = false;
        }
    }
    return columns;
}

std::string Quoted(std::string_view name) {
    return "\"" + base::ReplaceAll(name, "\"", "\"\"") + "\"";
}

// The columns both tables have, the store's row number left for the store
// to give: a newer browser may have added columns, which take their
// defaults, and the saved number may be taken by a row written since.
std::optional<std::string> SharedColumns(base::SqliteDatabase& store, const std::string& table) {
    const auto storeColumns = Columns(store, "main", table);
    const auto savedColumns = Columns(store, kSavedSchema, table);
    if (!storeColumns || !savedColumns) {
        return std::nullopt;
    }
    std::string list;
    for (const Column& column : *storeColumns) {
        if (column.rowId) {
            continue;
        }
        for (const Column& saved : *savedColumns) {
            if (base::EqualsIgnoreCase(saved.name, column.name)) {
                list += (list.empty() ? "" : ", ") + Quoted(column.name);
                break;
            }
        }
    }
    if (list.empty()) {
        return std::nullopt;
    }
    return list;
}

std::optional<std::int64_t> CountRows(base::SqliteDatabase& database, const std::string& table) {
    std::optional<base::SqliteStatement> count = database.Prepare("SELECT count(*) FROM " + table);
    if (!count || count->Step() != base::StepResult::Row) {
        return std::nullopt;
    }
    return count->ColumnInt64(0);
}

// In the private copy, in one transaction; the store's image afterwards.
std::optional<std::string> InsertSavedRows(base::SqliteDatabase& store,
                                           const scan::CookieTable& table,
                                           std::string_view savedImage, CookieRestore& result) {
    if (!store.AttachImage(kSavedSchema, savedImage)) {
        return std::nullopt;
    }
    // Rows of another layout could mean something else to the browser.
    const std::int64_t savedFrom = SavedLayoutVersion(store);
    if (savedFrom != 0 && savedFrom != StoreLayoutVersion(store)) {
        result.status = CookieRestoreStatus::OtherLayout;
        return std::nullopt;
    }
    const std::string saved = std::string(kSavedSchema) + "." + table.name;
    const std::optional<std::int64_t> total = CountRows(store, saved);
    const std::optional<std::string> columns = SharedColumns(store, table.name);
    if (!total || !columns || !store.Execute("BEGIN")) {
        return std::nullopt;
    }
    const std::string host = table.hostColumn;
    std::optional<base::SqliteStatement> insert = store.Prepare(
        "INSERT INTO main." + table.name + " (" + *columns + ") SELECT " + *columns + " FROM " +
        saved + " AS s WHERE NOT EXISTS (SELECT 1 FROM main." + table.name + " AS m WHERE m." +
        host + " IS s." + host + " AND m.name IS s.name AND m.path IS s.path)");
    if (!insert || insert->Step() != base::StepResult::Done) {
        return std::nullopt;
    }
    result.restored = store.Changes();
    result.skipped = *total - result.restored;
    if (!store.Execute("COMMIT") ||
        !store.Execute("DETACH DATABASE " + std::string(kSavedSchema)) ||
        !store.TablePagesOk(table.name)) {
        return std::nullopt;
    }
    return store.Serialize();
}

}  // namespace

CookieRestore RestoreCookieRows(core::Application& app, const QuarantineEntry& entry) {
    platform::FileSystem& fs = app.ports.fileSystem;
    CookieRestore result;
    if (entry.kind != QuarantineKind::CookieRows ||
        !VerifySavedContent(fs, app.ports.hashing, app.DataFolder, entry)) {
        result.status = CookieRestoreStatus::SavedDamaged;
        return result;
    }
    // Read once and checked again: what is imported is what was verified.
    const std::optional<std::string> savedImage =
        fs.ReadWholeFile(QuarantineFolder(app.DataFolder) + "\\" + entry.storedName);
    if (!savedImage || savedImage->size() != entry.size ||
        Sha256Hex(app.ports.hashing, *savedImage) != entry.sha256) {
        result.status = CookieRestoreStatus::SavedDamaged;
        return result;
    }
    if (StoreLogInUse(fs, entry.location)) {
        result.status = CookieRestoreStatus::InUse;
        return result;
    }
    scan::OpenedStore opened = scan::OpenCookieStore(fs, app.ports.clock, entry.location);
    if (opened.status == scan::StoreOpenStatus::Missing) {
        result.status = CookieRestoreStatus::StoreMissing;
        return result;
    }
    if (opened.status == scan::StoreOpenStatus::Unreadable) {
        result.status = CookieRestoreStatus::InUse;
        return result;
    }
    const std::optional<scan::CookieTable> table =
        opened.database ? scan::FindCookieTable(*opened.database) : std::nullopt;
    if (!table) {
        return result;
    }
    CookieRestore counted;
    const std::optional<std::string> image =
        InsertSavedRows(*opened.database, *table, *savedImage, counted);
    if (!image) {
        result.status = counted.status == CookieRestoreStatus::OtherLayout
                            ? CookieRestoreStatus::OtherLayout
                            : CookieRestoreStatus::Failed;
        return result;
    }
    // Nothing to put back changes nothing.
    if (counted.restored > 0 &&
        ReplaceStore(fs, entry.location, opened, *image) != StoreReplace::Replaced) {
        result.status = CookieRestoreStatus::InUse;
        return result;
    }
    counted.status = CookieRestoreStatus::Restored;
    return counted;
}

std::string CookieRestoreText(core::Application& app, const QuarantineEntry& entry,
                              const CookieRestore& result) {
    switch (result.status) {
        case CookieRestoreStatus::Restored:
            return result.skipped > 0 ? app.Message("MSG_RESTORE_COOKIES_SKIPPED") : "";
        case CookieRestoreStatus::InUse: {
            std::string browser = scan::BrowserOfStore(entry.location);
            return base::ReplaceAll(app.Message("MSG_COOKIE_STORE_IN_USE"), "[Browser]",
                                    browser.empty() ? "The browser" : browser);
        }
        case CookieRestoreStatus::OtherLayout:
            return app.Message("MSG_RESTORE_COOKIES_OTHER_VERSION");
        case CookieRestoreStatus::SavedDamaged:
        case CookieRestoreStatus::StoreMissing:
        case CookieRestoreStatus::Failed:
            break;
    }
    return app.Message("MSG_RESTORE_COOKIES_FAILED");
}

}  // namespace removal
