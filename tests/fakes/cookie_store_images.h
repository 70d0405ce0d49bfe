#pragma once

// Cookie stores as the browsers write them, made in memory with SQLite for
// tests: Chrome's "cookies" table (with its meta table and unique index) and
// Firefox's "moz_cookies", in the schemas of their current versions.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace fakes {

struct StoreCookie {
    std::string host;
    std::string name;
    std::string path = "/";
    std::string value = "v";

    friend bool operator==(const StoreCookie&, const StoreCookie&) = default;
    friend auto operator<=>(const StoreCookie&, const StoreCookie&) = default;
    friend void PrintTo(const StoreCookie& c, std::ostream* os) {
        *os << c.host << "|" << c.name << "|" << c.path << "|" << c.value;
    }
};

enum class JournalMode { Rollback, WriteAheadLog };

[[nodiscard]] std::string ChromeStoreImage(const std::vector<StoreCookie>& cookies);
[[nodiscard]] std::string FirefoxStoreImage(const std::vector<StoreCookie>& cookies,
                                            JournalMode mode = JournalMode::Rollback);

// A Chrome store made to hold up whoever reads it: a CHECK constraint that
// none of its rows meets, and an index whose expression fails for every row
// whose value is "overflow" (its schema text changed after the index was
// built, as only a hand-made file can be).
[[nodiscard]] std::string HostileChromeStoreImage(const std::vector<StoreCookie>& cookies);

// The cookies of a store image, sorted; empty when it does not read. `valid`
// is set to whether SQLite's integrity check passes.
[[nodiscard]] std::vector<StoreCookie> StoreCookies(std::string_view image, bool* valid = nullptr);

}  // namespace fakes
