#pragma once

// The cookie stores of today's browsers: SQLite databases whose rows are
// cookies, each with the host it belongs to. Chromium browsers keep them in
// the table "cookies" (host in "host_key"), Firefox in "moz_cookies" (host in
// "host"). A store is read as a copy of its bytes, so the browser's file is
// never changed while it is read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/sqlite_database.h"

namespace platform {
class Clock;
class FileSystem;
class TextCodec;
}  // namespace platform

namespace scan {

// Larger than any real store by far; a file above it is not read, so that a
// huge or endless file cannot take the memory of the scan.
inline constexpr std::uint64_t kLargestCookieStore = 256ULL * 1024 * 1024;

enum class StoreOpenStatus {
    Opened,
    Missing,
    Unreadable,  // there, but held by a program that lets nobody read it
    TooLarge,
    NotAStore,
};

struct OpenedStore {
    StoreOpenStatus status = StoreOpenStatus::Missing;
    std::optional<base::SqliteDatabase> database;
    // The bytes' size and last write when read, to tell later whether the
    // browser has written the file since.
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
};

// Far more time than reading, saving or deleting the rows of the largest
// real store takes: a hostile store fails when it is spent instead of
// holding the scan or the removal.
inline constexpr std::uint64_t kCookieStoreTimeLimitMs = 60'000;

// Reads the store's bytes through the port and opens a private copy, whose
// statements fail once kCookieStoreTimeLimitMs have passed on the clock.
[[nodiscard]] OpenedStore OpenCookieStore(platform::FileSystem& fs, platform::Clock& clock,
                                          std::string_view path);

// Where a store keeps its cookies.
struct CookieTable {
    std::string name;        // "cookies" or "moz_cookies"
    std::string hostColumn;  // "host_key" or "host"
};

// The store's cookie table; nullopt when it has none with a host, a name and
// a path column.
[[nodiscard]] std::optional<CookieTable> FindCookieTable(base::SqliteDatabase& database);

struct HostCookies {
    std::string host;  // as the store writes it, a leading "." included
    std::int64_t count = 0;
};

// Every host of the table with the number of its cookies; nullopt when the
// rows cannot be read.
[[nodiscard]] std::optional<std::vector<HostCookies>> ReadCookieHosts(
    base::SqliteDatabase& database, const CookieTable& table);

class PublicSuffixes;

// The domains the blocked-cookie list names (in the program's code page), as
// the stores write hosts: an entry without its first "*", its leading dots
// and one trailing dot, lower-cased, in punycode where it is written in
// Unicode. Entries that are no host name, or a public suffix ("com",
// "co.uk"), are left out, since they would match the cookies of every site
// below them.
[[nodiscard]] std::vector<std::string> BlockedDomains(const std::vector<std::string>& blockedList,
                                                      platform::TextCodec& codec,
                                                      const PublicSuffixes& suffixes);

// Whether the host, without its leading "." and one trailing ".", is the
// domain or lies below it, in any letter case: "pixel.tracker.com",
// ".tracker.com" and "tracker.com." are below "tracker.com",
// "notatracker.com" is not.
[[nodiscard]] bool HostIsUnder(std::string_view host, std::string_view domain);

// The widest of the domains the host lies under, so that each cookie belongs
// to one finding only; nullopt when it lies under none.
[[nodiscard]] std::optional<std::string> BlockingDomain(const std::vector<std::string>& domains,
                                                        std::string_view host);

}  // namespace scan
