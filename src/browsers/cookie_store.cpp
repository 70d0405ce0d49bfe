#include "browsers/cookie_store.h"

#include <algorithm>
#include <optional>

#include "base/text.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "scan/public_suffixes.h"

namespace scan {

namespace {

struct KnownTable {
    std::string_view name;
    std::string_view hostColumn;
};

constexpr KnownTable kKnownTables[] = {
    {"cookies", "host_key"},
    {"moz_cookies", "host"},
};

std::string WithoutLeadingDots(std::string_view text) {
    while (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    return std::string(text);
}

// A fully qualified name ends in the root's empty label: "tracker.com.".
std::string WithoutTrailingDot(std::string text) {
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

bool HasColumns(base::SqliteDatabase& database, std::string_view table,
                std::initializer_list<std::string_view> wanted) {
    std::optional<base::SqliteStatement> columns =
        database.Prepare("SELECT lower(name) FROM pragma_table_info(?1)");
    if (!columns || !columns->BindText(1, table)) {
        return false;
    }
    std::vector<std::string> names;
    base::StepResult step;
    while ((step = columns->Step()) == base::StepResult::Row) {
        names.push_back(columns->ColumnText(0));
    }
    if (step != base::StepResult::Done) {
        return false;
    }
    return std::all_of(wanted.begin(), wanted.end(), [&](std::string_view column) {
        return std::find(names.begin(), names.end(), column) != names.end();
    });
}

}  // namespace

OpenedStore OpenCookieStore(platform::FileSystem& fs, platform::Clock& clock,
                            std::string_view path) {
    OpenedStore store;
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (!attributes || attributes->directory) {
        return store;
    }
    const std::optional<std::uint64_t> size = fs.FileSize(path);
    if (!size) {
        store.status = StoreOpenStatus::Unreadable;
        return store;
    }
    store.size = *size;
    store.lastWrite = attributes->lastWrite;
    if (*size > kLargestCookieStore) {
        store.status = StoreOpenStatus::TooLarge;
        return store;
    }
    const std::optional<std::string> image =
        fs.ReadFileRange(path, 0, static_cast<std::size_t>(*size));
    if (!image) {
        store.status = StoreOpenStatus::Unreadable;
        return store;
    }
    store.database = base::SqliteDatabase::FromImage(*image);
    if (store.database) {
        const std::uint64_t deadline = clock.TickCount() + kCookieStoreTimeLimitMs;
        store.database->LimitTime([&clock, deadline] { return clock.TickCount() > deadline; });
    }
    store.status = store.database ? StoreOpenStatus::Opened : StoreOpenStatus::NotAStore;
    return store;
}

std::optional<CookieTable> FindCookieTable(base::SqliteDatabase& database) {
    for (const KnownTable& known : kKnownTables) {
        std::optional<base::SqliteStatement> schema = database.Prepare(
            "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND lower(name) = ?1");
        if (!schema || !schema->BindText(1, known.name) ||
            schema->Step() != base::StepResult::Row) {
            continue;
        }
        if (!HasColumns(database, known.name, {known.hostColumn, "name", "path"})) {
            continue;
        }
        return CookieTable{std::string(known.name), std::string(known.hostColumn)};
    }
    return std::nullopt;
}

std::optional<std::vector<HostCookies>> ReadCookieHosts(base::SqliteDatabase& database,
                                                        const CookieTable& table) {
    std::optional<base::SqliteStatement> hosts =
        database.Prepare("SELECT CAST(" + table.hostColumn + " AS TEXT), count(*) FROM " +
                         table.name + " GROUP BY 1");
    if (!hosts) {
        return std::nullopt;
    }
    std::vector<HostCookies> result;
    base::StepResult step;
    while ((step = hosts->Step()) == base::StepResult::Row) {
        result.push_back({hosts->ColumnText(0), hosts->ColumnInt64(1)});
    }
    if (step != base::StepResult::Done) {
        return std::nullopt;
    }
    return result;
}

std::vector<std::string> BlockedDomains(const std::vector<std::string>& blockedList,
                                        platform::TextCodec& codec,
                                        const PublicSuffixes& suffixes) {
    std::vector<std::string> domains;
    for (const std::string& entry : blockedList) {
        std::string domain(base::Trim(entry));
        if (const std::size_t star = domain.find('*'); star != std::string::npos) {
            domain.erase(star, 1);
        }
        domain = WithoutTrailingDot(WithoutLeadingDots(domain));
        if (!base::IsAscii(domain)) {
            std::optional<std::string> ascii = codec.HostNameToAscii(codec.AnsiToUtf8(domain));
            if (!ascii || !base::IsAscii(*ascii)) {
                continue;
            }
            domain = std::move(*ascii);
        }
        domain = base::LowerCase(domain);
        const std::size_t dot = domain.find('.');
        if (dot == std::string::npos || dot + 1 >= domain.size() || domain.back() == '.' ||
            suffixes.IsPublicSuffix(domain)) {
            continue;
        }
        if (std::find(domains.begin(), domains.end(), domain) == domains.end()) {
            domains.push_back(std::move(domain));
        }
    }
    return domains;
}

bool HostIsUnder(std::string_view host, std::string_view domain) {
    const std::string bare = base::LowerCase(WithoutTrailingDot(WithoutLeadingDots(host)));
    const std::string lowerDomain = base::LowerCase(WithoutTrailingDot(std::string(domain)));
    if (lowerDomain.empty() || bare.size() < lowerDomain.size()) {
        return false;
    }
    if (bare == lowerDomain) {
        return true;
    }
    return bare.size() > lowerDomain.size() &&
           bare.compare(bare.size() - lowerDomain.size(), lowerDomain.size(), lowerDomain) == 0 &&
           bare[bare.size() - lowerDomain.size() - 1] == '.';
}

std::optional<std::string> BlockingDomain(const std::vector<std::string>& domains,
                                          std::string_view host) {
    std::optional<std::string> widest;
    for (const std::string& domain : domains) {
        if (HostIsUnder(host, domain) && (!widest || domain.size() < widest->size())) {
            widest = domain;
        }
    }
    return widest;
}

}  // namespace scan
