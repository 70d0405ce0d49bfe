#pragma once

// The cookie phase of a scan: the browser's cookie files whose site the
// blocked-cookie list names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace core {
class Application;
}

namespace scan {

// The site in a cookie file's name ("user@site[1].txt" gives "site").
[[nodiscard]] std::string CookieFileSite(std::string_view path);

// The site as the cookie file writes it: the host of its host/path field, or
// "False" when the file gives none.
[[nodiscard]] std::string CookieSite(platform::FileSystem& fs, std::string_view path);

// True when a list entry names the same domain as the site, without its last
// part; the first filter compares letter case exactly.
[[nodiscard]] bool IsBlockedCookie(const std::vector<std::string>& blocked, std::string_view site);

// The blocked-cookie list: one entry per line of its definition file and an
// empty one after them; empty when the file is missing.
[[nodiscard]] std::vector<std::string> BlockedCookieList(core::Application& app);

// The phase: finds the cookie folder and scans it, then the cookie stores of
// today's browsers.
void ScanCookies(core::Application& app, std::int32_t& cookieCounter);

void ScanCookieFolder(core::Application& app, std::string_view folder, std::int32_t& cookieCounter);

}  // namespace scan
