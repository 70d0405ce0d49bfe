#include "removal/cookie_store_removal.h"

#include <optional>
#include <string>

#include "base/text.h"
#include "core/application.h"
#include "removal/cookie_store_rows.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_log.h"
#include "scan/cookie_store_scan.h"

namespace removal {

namespace {

// Longest domain a saved copy's name carries.
constexpr std::size_t kLongestNamePart = 60;

std::string SavedName(std::string_view domain) {
    std::string name(domain.substr(0, kLongestNamePart));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return "cookies of " + name + ".sqlite";
}

struct DeletedRows {
    std::string savedImage;
    std::string storeImage;
};

enum class Prepared { Ready, NothingThere, Failed };

// The store's rows of the domain; nullopt when that cannot be read.
std::optional<std::int64_t> CountRows(base::SqliteDatabase& store, const scan::CookieTable& table,
                                      std::string_view domain) {
    std::optional<base::SqliteStatement> count = store.Prepare(
        "SELECT count(*) FROM main." + table.name + " WHERE " + UnderDomainCondition(table));
    if (!count || !count->BindText(1, domain) || count->Step() != base::StepResult::Row) {
        return std::nullopt;
    }
    return count->ColumnInt64(0);
}

// The store as it is now, read back after its replacement: nullopt when it
// cannot be read.
std::optional<std::int64_t> RowsLeft(core::Application& app, std::string_view storePath,
                                     std::string_view domain) {
    scan::OpenedStore reread =
        scan::OpenCookieStore(app.ports.fileSystem, app.ports.clock, storePath);
    if (!reread.database) {
        return std::nullopt;
    }
    const std::optional<scan::CookieTable> table = scan::FindCookieTable(*reread.database);
    return table ? CountRows(*reread.database, *table, domain) : std::nullopt;
}

// In the private copy: the rows saved into the attached table, then deleted
// from the store's, in one transaction.
Prepared SaveAndDelete(base::SqliteDatabase& store, const scan::CookieTable& table,
                       std::string_view domain, DeletedRows& out) {
    const std::string condition = UnderDomainCondition(table);
    // Its statement ends before the attach, which no open read may span.
    const std::optional<std::int64_t> counted = CountRows(store, table, domain);
    if (!counted) {
        return Prepared::Failed;
    }
    const std::int64_t rows = *counted;
    if (rows == 0) {
        return Prepared::NothingThere;
    }
    const std::optional<std::string> columns = ColumnList(store, table);
    const std::int64_t version = StoreLayoutVersion(store);
    if (!columns || !AttachEmptySavedTable(store, table, *columns) ||
        !store.Execute("PRAGMA " + std::string(kSavedSchema) +
                       ".user_version = " + std::to_string(version)) ||
        !store.Execute("BEGIN")) {
        return Prepared::Failed;
    }
    std::optional<base::SqliteStatement> save = store.Prepare(
        "INSERT INTO " + std::string(kSavedSchema) + "." + table.name + " (" + *columns +
        ") SELECT " + *columns + " FROM main." + table.name + " WHERE " + condition);
    if (!save || !save->BindText(1, domain) || save->Step() != base::StepResult::Done ||
        store.Changes() != rows) {
        return Prepared::Failed;
    }
    std::optional<base::SqliteStatement> remove =
        store.Prepare("DELETE FROM main." + table.name + " WHERE " + condition);
    if (!remove || !remove->BindText(1, domain) || remove->Step() != base::StepResult::Done ||
        store.Changes() != rows || !store.Execute("COMMIT")) {
        return Prepared::Failed;
    }
    std::optional<std::string> saved = store.SerializeAttached(kSavedSchema);
    if (!saved || !store.Execute("DETACH DATABASE " + std::string(kSavedSchema)) ||
        !store.TablePagesOk(table.name)) {
        return Prepared::Failed;
    }
    std::optional<std::string> image = store.Serialize();
    if (!image) {
        return Prepared::Failed;
    }
    out.savedImage = std::move(*saved);
    out.storeImage = std::move(*image);
    return Prepared::Ready;
}

}  // namespace

StoreRemoval RemoveStoreCookies(core::Application& app, std::string_view storePath,
                                std::string_view domain) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string lowerDomain = base::LowerCase(domain);
    if (StoreLogInUse(fs, storePath)) {
        return StoreRemoval::InUse;
    }
    scan::OpenedStore opened = scan::OpenCookieStore(fs, app.ports.clock, storePath);
    if (opened.status == scan::StoreOpenStatus::Unreadable) {
        return StoreRemoval::InUse;
    }
    if (!opened.database) {
        return StoreRemoval::NothingThere;
    }
    const std::optional<scan::CookieTable> table = scan::FindCookieTable(*opened.database);
    if (!table) {
        return StoreRemoval::NothingThere;
    }
    DeletedRows rows;
    switch (SaveAndDelete(*opened.database, *table, lowerDomain, rows)) {
        case Prepared::NothingThere:
            return StoreRemoval::NothingThere;
        case Prepared::Failed:
            return StoreRemoval::Unworkable;
        case Prepared::Ready:
            break;
    }
    const std::optional<std::string> storedName =
        SaveNewFile(app, SavedName(lowerDomain), rows.savedImage);
    if (!storedName) {
        return StoreRemoval::NotSaved;
    }
    IndexSavedContent(app, QuarantineKind::CookieRows, *storedName, storePath, lowerDomain);
    const bool replaced =
        ReplaceStore(fs, storePath, opened, rows.storeImage) == StoreReplace::Replaced;
    // Read back: a browser that holds the store may write its rows back at
    // once, whatever the replacement said.
    const std::optional<std::int64_t> left =
        replaced ? RowsLeft(app, storePath, lowerDomain) : std::nullopt;
    if (!replaced || (left && *left > 0)) {
        // The store keeps its rows, so their copy is no removed item.
        [[maybe_unused]] const bool unindexed =
            RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, {*storedName});
        [[maybe_unused]] const bool dropped =
            fs.RemoveFile(QuarantineFolder(app.DataFolder) + "\\" + *storedName);
        return StoreRemoval::InUse;
    }
    LogSavedCookieRows(app, scan::StoreCookieLocation(storePath, lowerDomain), *storedName);
    // A store that cannot be read back may hold the rows or not: their copy
    // stays, and the user is asked to try again as for a store in use.
    return left ? StoreRemoval::Removed : StoreRemoval::InUse;
}

}  // namespace removal
