#include "scan/cookie_store_scan.h"

#include <map>

#include "browsers/cookie_store.h"
#include "browsers/cookie_store_locations.h"
#include "core/application.h"
#include "scan/finding_lists.h"
#include "scan/public_suffixes.h"
#include "scan/scan_progress.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

// A store that could not be looked at is said on the summary, so that a
// scan never passes over a browser's cookies silently.
void AddUnreadRow(core::Application& app, std::string_view key, const std::string& path) {
    app.frmMain.lvwSpywareFound->AddItem(app.Message(key) + " " + path);
}

void AddStoreFinding(core::Application& app, const CookieStoreLocation& store,
                     const std::string& domain, std::int64_t count) {
    ui::FrmMain& main = app.frmMain;
    const std::string location = StoreCookieLocation(store.path, domain);
    if (app.exclusions.IsExcluded(location)) {
        AddExcludedRow(app, location);
        return;
    }
    const std::string name = StoreCookieName(domain, store.browser, store.profile);
    main.lvwSpywareFound->AddItem("Cookie Found: " + name, kIconCookie);
    ui::ListView& cookies = *main.lvwCookiesToDelete;
    const int trace = cookies.AddItem(location);
    cookies.SetSubItem(trace, kStorePathSubItem, store.path);
    cookies.SetSubItem(trace, kStoreDomainSubItem, domain);
    cookies.SetSubItem(trace, kStoreBrowserSubItem, store.browser);
    ui::ListView& removal = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    const int row = removal.AddItem("Cookie: " + name, kIconCookie);
    removal.SetSubItem(row, 1, location);
    removal.SetSubItem(row, 2, "Tracking Cookie (" + std::to_string(count) + ")");
    ++app.scan.ThreatsFound;
}

void ScanStore(core::Application& app, const CookieStoreLocation& store,
               const std::vector<std::string>& domains, std::int32_t& cookieCounter) {
    OpenedStore opened = OpenCookieStore(app.ports.fileSystem, app.ports.clock, store.path);
    if (opened.status == StoreOpenStatus::TooLarge) {
        AddUnreadRow(app, "MSG_COOKIE_STORE_TOO_LARGE", store.path);
        return;
    }
    if (opened.status == StoreOpenStatus::Unreadable) {
        AddUnreadRow(app, "MSG_COOKIE_STORE_UNREADABLE", store.path);
        return;
    }
    // A damaged file or one of another kind holds no cookies to report.
    if (!opened.database) {
        return;
    }
    const std::optional<CookieTable> table = FindCookieTable(*opened.database);
    if (!table) {
        return;
    }
    const std::optional<std::vector<HostCookies>> hosts = ReadCookieHosts(*opened.database, *table);
    if (!hosts) {
        return;
    }
    // Ordered by domain, so that the rows of a store read alphabetically.
    std::map<std::string, std::int64_t> found;
    for (const HostCookies& host : *hosts) {
        cookieCounter += static_cast<std::int32_t>(host.count);
        app.scan.MemoryItemsInspected += static_cast<std::int32_t>(host.count);
        if (const std::optional<std::string> domain = BlockingDomain(domains, host.host)) {
            found[*domain] += host.count;
        }
    }
    for (const auto& [domain, count] : found) {
        AddStoreFinding(app, store, domain, count);
    }
}

}  // namespace

std::string StoreCookieLocation(std::string_view storePath, std::string_view domain) {
    return std::string(storePath) + " (" + std::string(domain) + ")";
}

std::string StoreCookieName(std::string_view domain, std::string_view browser,
                            std::string_view profile) {
    return std::string(domain) + " (" + std::string(browser) + ", " + std::string(profile) + ")";
}

void ScanCookieStores(core::Application& app, const std::vector<std::string>& blockedList,
                      std::int32_t& cookieCounter) {
    const PublicSuffixes suffixes(app.ports.textCodec);
    const std::vector<std::string> domains =
        BlockedDomains(blockedList, app.ports.textCodec, suffixes);
    if (domains.empty()) {
        return;
    }
    for (const CookieStoreLocation& store :
         FindCookieStores(app.ports.shellFolders, app.ports.fileSystem, app.ports.textCodec)) {
        if (ScanMustEnd(app)) {
            return;
        }
        UpdateScanProgress(
            app,
            [&] { return app.scan.ScanPhaseText + "\r\n" + store.browser + ", " + store.profile; },
            -1, -1);
        ScanStore(app, store, domains, cookieCounter);
        app.ports.eventLoop.YieldToMessageLoop();
    }
}

}  // namespace scan
