#include "scan/cookie_scan.h"

#include "base/text.h"
#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "scan/cookie_fields.h"
#include "scan/cookie_store_scan.h"
#include "scan/finding_lists.h"
#include "scan/scan_progress.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

// The text without its last "."-separated part.
std::string WithoutLastPart(std::string text) {
    const std::size_t dot = text.rfind('.');
    if (dot != std::string::npos) {
        text.resize(dot);
    }
    return text;
}

}  // namespace

std::vector<std::string> BlockedCookieList(core::Application& app) {
    std::vector<std::string> blocked;
    const std::string path = definitions::DataFile(app.DataFolder, definitions::kBlockedCookies);
    if (!core::FileExists(app.ports.fileSystem, path)) {
        return blocked;
    }
    std::string joined;
    for (const std::string& line :
         core::ReadTextLines(app.ports.fileSystem, path).value_or(std::vector<std::string>{})) {
        joined += definitions::DecodeDefinitionText(line, app.ports.textCodec) + "|";
        app.ports.eventLoop.YieldToMessageLoop();
        if (app.Ending()) {
            return {};
        }
    }
    return base::Split(joined, "|");
}

namespace {

// One file of the cookie folder (its number n from 1); false when the scan
// ends with it.
bool ExamineCookieFile(core::Application& app, std::string_view folder,
                       const std::vector<std::string>& files,
                       const std::vector<std::string>& blocked, std::size_t n,
                       std::int32_t& cookieCounter) {
    ScanState& state = app.scan;
    ui::FrmMain& main = app.frmMain;
    const std::string& name = files[n - 1];
    const std::string path = std::string(folder) + "\\" + name;
    ++cookieCounter;
    UpdateScanProgress(
        app, [&] { return state.ScanPhaseText + "\r\n" + name; }, -1, -1);
    std::string site = CookieSite(app.ports.fileSystem, path);
    if (site.find('.') != std::string::npos) {
        site = WithoutLastPart(site);
    }
    if (base::StartsWithIgnoreCase(site, "www.")) {
        site.erase(0, 4);
    }
    const bool isBlocked = IsBlockedCookie(blocked, site);
    const auto highestIndex = static_cast<double>(blocked.empty() ? 0 : blocked.size() - 1);
    state.MemoryItemsInspected = static_cast<std::int32_t>(base::RoundHalfEven(
        highestIndex / static_cast<double>(files.size()) * static_cast<double>(n)));
    UpdateScanProgress(
        app, [&] { return state.ScanPhaseText + "\r\n" + name; }, -1, -1);
    if (!isBlocked) {
        return true;
    }
    if (app.exclusions.IsExcluded(path)) {
        AddExcludedRow(app, path);
        return true;
    }
    main.lvwSpywareFound->AddItem("Cookie Found: " + name, kIconCookie);
    if (main.cmdScan->Enabled()) {
        return false;
    }
    main.lvwCookiesToDelete->AddItem(path);
    ui::ListView& removal = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    const int row = removal.AddItem("Cookie: " + name, kIconCookie);
    removal.SetSubItem(row, 1, path);
    removal.SetSubItem(row, 2, "Tracking Cookie");
    ++state.ThreatsFound;
    return true;
}

}  // namespace

std::string CookieFileSite(std::string_view path) {
    const std::size_t at = path.find('@');
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = path.substr(at + 1);
    if (const std::size_t round = rest.find('('); round != std::string_view::npos) {
        return std::string(rest.substr(0, round));
    }
    if (const std::size_t square = rest.find('['); square != std::string_view::npos) {
        return std::string(rest.substr(0, square));
    }
    const std::size_t dot = rest.rfind('.');
    return std::string(dot == std::string_view::npos ? std::string_view() : rest.substr(0, dot));
}

std::string CookieSite(platform::FileSystem& fs, std::string_view path) {
    std::string result = "False";
    const std::string site = CookieFileSite(path);
    if (site.empty() || !fs.FirstNormalFileName(path)) {
        return result;
    }
    const std::optional<std::string> content = fs.ReadWholeFile(path);
    if (!content) {
        return result;
    }
    for (const std::string& field : ReadFields(*content)) {
        const std::size_t found = field.find(site);
        if (found == std::string::npos) {
            continue;
        }
        const std::string fromSite = field.substr(found);
        const std::size_t slash = fromSite.find('/');
        if (slash != std::string::npos) {
            return fromSite.substr(0, slash);
        }
    }
    return result;
}

bool IsBlockedCookie(const std::vector<std::string>& blocked, std::string_view site) {
    // An empty site would be found in every entry.
    if (site.empty()) {
        return false;
    }
    const std::string lowerSite = base::LowerCase(site);
    for (const std::string& entry : blocked) {
        if (entry.find(site) == std::string::npos) {
            continue;
        }
        std::string candidate = WithoutLastPart(entry);
        if (const std::size_t star = candidate.find('*'); star != std::string::npos) {
            candidate.erase(star, 1);
        }
        if (base::LowerCase(candidate) == lowerSite) {
            return true;
        }
    }
    return false;
}

void ScanCookies(core::Application& app, std::int32_t& cookieCounter) {
    const std::optional<std::string> folder = app.ports.shellFolders.FolderPath(33);
    if (folder && !base::Trim(*folder).empty()) {
        ScanCookieFolder(app, folder->substr(0, folder->find('\0')), cookieCounter);
    }
    // Without Internet Explorer's folder the other browsers still have theirs.
    if (!ScanMustEnd(app)) {
        ScanCookieStores(app, BlockedCookieList(app), cookieCounter);
    }
}

void ScanCookieFolder(core::Application& app, std::string_view folder,
                      std::int32_t& cookieCounter) {
    platform::Platform& ports = app.ports;
    // 1. and 2.
    const std::vector<std::string> files = ports.fileSystem.ListFiles(folder);
    const std::vector<std::string> blocked = BlockedCookieList(app);
    // 3.
    for (std::size_t n = 1; n <= files.size(); ++n) {
        if (ScanMustEnd(app)) {
            return;
        }
        if (!ExamineCookieFile(app, folder, files, blocked, n, cookieCounter)) {
            return;
        }
        // After every file, found or not, so that Stop and Pause stay live
        // in a large cookie folder.
        ports.eventLoop.YieldToMessageLoop();
    }
}

}  // namespace scan
