#include "fakes/cookie_store_images.h"

#include <algorithm>
#include <stdexcept>

#include <sqlite3.h>

#include "base/sqlite_database.h"

namespace fakes {

namespace {

constexpr std::string_view kChromeSchema =
    "CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);"
    "INSERT INTO meta VALUES('mmap_status', '-1'), ('version', '24'), "
    "('last_compatible_version', '24');"
    "CREATE TABLE cookies(creation_utc INTEGER NOT NULL, host_key TEXT NOT NULL, "
    "top_frame_site_key TEXT NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL, "
    "encrypted_value BLOB NOT NULL, path TEXT NOT NULL, expires_utc INTEGER NOT NULL, "
    "is_secure INTEGER NOT NULL, is_httponly INTEGER NOT NULL, last_access_utc INTEGER NOT NULL, "
    "has_expires INTEGER NOT NULL, is_persistent INTEGER NOT NULL, priority INTEGER NOT NULL, "
    "samesite INTEGER NOT NULL, source_scheme INTEGER NOT NULL, source_port INTEGER NOT NULL, "
    "last_update_utc INTEGER NOT NULL, source_type INTEGER NOT NULL, "
    "has_cross_site_ancestor INTEGER NOT NULL);"
    "CREATE UNIQUE INDEX cookies_unique_index ON cookies(host_key, top_frame_site_key, "
    "has_cross_site_ancestor, name, path, source_scheme, source_port);";

constexpr std::string_view kChromeInsert =
    "INSERT INTO cookies VALUES(13350000000000000, ?1, '', ?2, ?4, x'763130', ?3, "
    "13400000000000000, 1, 0, 13350000000000000, 1, 1, 1, 0, 2, 443, 13350000000000000, 0, 0)";

constexpr std::string_view kFirefoxSchema =
    "CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, originAttributes TEXT NOT NULL DEFAULT "
    "'', name TEXT, value TEXT, host TEXT, path TEXT, expiry INTEGER, lastAccessed INTEGER, "
    "creationTime INTEGER, isSecure INTEGER, isHttpOnly INTEGER, inBrowserElement INTEGER "
    "DEFAULT 0, sameSite INTEGER DEFAULT 0, rawSameSite INTEGER DEFAULT 0, schemeMap INTEGER "
    "DEFAULT 0, isPartitionedAttributeSet INTEGER DEFAULT 0, CONSTRAINT moz_uniqueid UNIQUE "
    "(name, host, path, originAttributes));"
    "PRAGMA user_version = 14;";

constexpr std::string_view kFirefoxInsert =
    "INSERT INTO moz_cookies (originAttributes, name, value, host, path, expiry, lastAccessed, "
    "creationTime, isSecure, isHttpOnly, sameSite, rawSameSite, schemeMap) "
    "VALUES('', ?2, ?4, ?1, ?3, 1800000000, 1700000000000000, 1700000000000000, 1, 0, 0, 0, 2)";

std::string Image(std::string_view schema, std::string_view insert,
                  const std::vector<StoreCookie>& cookies) {
    std::optional<base::SqliteDatabase> db = base::SqliteDatabase::CreateEmpty();
    if (!db || !db->Execute(std::string(schema))) {
        throw std::runtime_error("cookie store schema");
    }
    for (const StoreCookie& cookie : cookies) {
        std::optional<base::SqliteStatement> add = db->Prepare(insert);
        if (!add || !add->BindText(1, cookie.host) || !add->BindText(2, cookie.name) ||
            !add->BindText(3, cookie.path) || !add->BindText(4, cookie.value) ||
            add->Step() != base::StepResult::Done) {
            throw std::runtime_error("cookie store row");
        }
    }
    std::optional<std::string> image = db->Serialize();
    if (!image) {
        throw std::runtime_error("cookie store image");
    }
    return *image;
}

}  // namespace

std::string ChromeStoreImage(const std::vector<StoreCookie>& cookies) {
    return Image(kChromeSchema, kChromeInsert, cookies);
}

std::string FirefoxStoreImage(const std::vector<StoreCookie>& cookies, JournalMode mode) {
    std::string image = Image(kFirefoxSchema, kFirefoxInsert, cookies);
    if (mode == JournalMode::WriteAheadLog) {
        image[18] = 2;
        image[19] = 2;
    }
    return image;
}

std::string HostileChromeStoreImage(const std::vector<StoreCookie>& cookies) {
    sqlite3* db = nullptr;
    if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("hostile store");
    }
    const std::string image = ChromeStoreImage(cookies);
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(image.size()));
    std::copy(image.begin(), image.end(), copy);
    const auto size = static_cast<sqlite3_int64>(image.size());
    const bool made = sqlite3_deserialize(db, "main", copy, size, size,
                                          SQLITE_DESERIALIZE_FREEONCLOSE |
                                              SQLITE_DESERIALIZE_RESIZEABLE) == SQLITE_OK &&
                      sqlite3_exec(db,
                                   "UPDATE cookies SET source_port = -9223372036854775808 "
                                   "WHERE value = 'overflow';"
                                   "CREATE INDEX by_port ON cookies(source_port);"
                                   "PRAGMA writable_schema = ON;"
                                   "UPDATE sqlite_schema SET sql = replace(sql, 'NOT NULL)', "
                                   "'NOT NULL, CHECK (length(name) < 0))') WHERE name = 'cookies';"
                                   "UPDATE sqlite_schema SET sql = replace(sql, '(source_port)', "
                                   "'(abs(source_port))') WHERE name = 'by_port';"
                                   "PRAGMA writable_schema = OFF;",
                                   nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_int64 length = 0;
    unsigned char* bytes = made ? sqlite3_serialize(db, "main", &length, 0) : nullptr;
    std::string result = bytes != nullptr ? std::string(reinterpret_cast<const char*>(bytes),
                                                        static_cast<std::size_t>(length))
                                          : std::string();
    sqlite3_free(bytes);
    sqlite3_close(db);
    if (result.empty()) {
        throw std::runtime_error("hostile store");
    }
    return result;
}

std::vector<StoreCookie> StoreCookies(std::string_view image, bool* valid) {
    if (valid != nullptr) {
        *valid = false;
    }
    std::optional<base::SqliteDatabase> db = base::SqliteDatabase::FromImage(image);
    if (!db) {
        return {};
    }
    std::vector<StoreCookie> cookies;
    for (const std::string_view query :
         {std::string_view("SELECT host_key, name, path, value FROM cookies"),
          std::string_view("SELECT host, name, path, value FROM moz_cookies")}) {
        std::optional<base::SqliteStatement> rows = db->Prepare(query);
        while (rows && rows->Step() == base::StepResult::Row) {
            cookies.push_back({rows->ColumnText(0), rows->ColumnText(1), rows->ColumnText(2),
                               rows->ColumnText(3)});
        }
    }
    std::sort(cookies.begin(), cookies.end());
    if (valid != nullptr) {
        *valid = db->IntegrityOk();
    }
    return cookies;
}

}  // namespace fakes
