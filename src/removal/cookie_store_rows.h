#pragma once

// What the removal of a browser's cookies and their restore share: which
// rows lie under a domain, the saved copy of such rows, and putting a
// changed store in place of the browser's in one step, never while the
// browser has it open.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/sqlite_database.h"
#include "browsers/cookie_store.h"

namespace platform {
class FileSystem;
}

namespace removal {

// The schema name under which a saved copy is attached to a store.
inline constexpr std::string_view kSavedSchema = "saved";

// An SQL condition on the table's host column that holds for the rows whose
// host lies under the domain bound as parameter ?1 (lower-case), as
// scan::HostIsUnder decides it.
[[nodiscard]] std::string UnderDomainCondition(const scan::CookieTable& table);

// Whether a journal or write-ahead log beside the store holds anything: the
// browser is running then (or ended without closing the store), and a store
// written now would lose what the log holds or be overwritten by it.
[[nodiscard]] bool StoreLogInUse(platform::FileSystem& fs, std::string_view storePath);

// The cookie table's columns in their order, each quoted, separated by
// commas; nullopt when they cannot be read.
[[nodiscard]] std::optional<std::string> ColumnList(base::SqliteDatabase& store,
                                                    const scan::CookieTable& table);

// Attaches to the store, under kSavedSchema, an empty database with a table
// of the cookie table's name and of `columns` (from ColumnList): names only,
// so that nothing of the store's own schema text runs for the saved rows,
// and every value is kept as it is.
[[nodiscard]] bool AttachEmptySavedTable(base::SqliteDatabase& store,
                                         const scan::CookieTable& table,
                                         const std::string& columns);

// The version of the store's layout as its browser counts it: Chromium's in
// its "meta" table, Firefox's in the database's user version; 0 when it
// names none. A saved copy carries the store's in its own user version
// (copies saved before hold 0 there: unknown).
[[nodiscard]] std::int64_t StoreLayoutVersion(base::SqliteDatabase& store);
[[nodiscard]] std::int64_t SavedLayoutVersion(base::SqliteDatabase& store);

enum class StoreReplace { Replaced, InUse };

// Replaces the store's file with `image`, unless the browser holds it or
// has written it since it was read as `asRead`: the file then keeps what it
// had.
[[nodiscard]] StoreReplace ReplaceStore(platform::FileSystem& fs, std::string_view storePath,
                                        const scan::OpenedStore& asRead, std::string_view image);

}  // namespace removal
