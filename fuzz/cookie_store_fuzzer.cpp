// A browser's cookie store: any bytes as the store file, read as the cookie
// phase reads it, and written out and read again as the removal does.

#include <string>

#include "browsers/cookie_store.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fuzz_target.h"
#include "scan/public_suffixes.h"

namespace {

std::optional<std::vector<scan::HostCookies>> Hosts(base::SqliteDatabase& database) {
    const std::optional<scan::CookieTable> table = scan::FindCookieTable(database);
    return table ? scan::ReadCookieHosts(database, *table) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fakes::FakeFileSystem fs;
    fakes::FakeClock clock;
    const std::string path = "C:\\Profile\\Network\\Cookies";
    fs.AddFile(path, std::string(fuzz::AsText(data, size)));
    scan::OpenedStore store = scan::OpenCookieStore(fs, clock, path);
    fuzz::Require(store.status != scan::StoreOpenStatus::Opened || store.database.has_value(),
                  "an opened store has its database");
    if (!store.database) {
        return 0;
    }
    const std::optional<std::vector<scan::HostCookies>> hosts = Hosts(*store.database);
    if (!hosts) {
        return 0;
    }
    fakes::Windows1252Codec codec;
    const scan::PublicSuffixes suffixes(codec);
    const std::vector<std::string> domains =
        scan::BlockedDomains({"tracker.com", "*.ads.net", "", "co.uk."}, codec, suffixes);
    for (const scan::HostCookies& host : *hosts) {
        fuzz::Require(host.count > 0, "a listed host has cookies");
        (void)scan::BlockingDomain(domains, host.host);
    }
    // What a removal would write must read back as the same store.
    const std::optional<std::string> image = store.database->Serialize();
    if (!image) {
        return 0;
    }
    std::optional<base::SqliteDatabase> again = base::SqliteDatabase::FromImage(*image);
    fuzz::Require(again.has_value(), "a written store opens again");
    const std::optional<std::vector<scan::HostCookies>> hostsAgain = Hosts(*again);
    fuzz::Require(hostsAgain.has_value() && hostsAgain->size() == hosts->size(),
                  "a written store holds the same hosts");
    return 0;
}
