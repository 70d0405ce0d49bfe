#pragma once

// The part of the cookie phase that reads today's browsers: every cookie
// store of every profile, one finding per browser, profile and blocked
// domain, with the number of its cookies.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {
class Application;
}

namespace scan {

// A finding's location, the text that stands for it in the lists and the
// exclusions: the store's path and the domain in brackets.
[[nodiscard]] std::string StoreCookieLocation(std::string_view storePath, std::string_view domain);

// What a store finding's row in the hidden cookie list holds beside its
// location (sub-items 1 to 3), and how its threat reads.
inline constexpr int kStorePathSubItem = 1;
inline constexpr int kStoreDomainSubItem = 2;
inline constexpr int kStoreBrowserSubItem = 3;
[[nodiscard]] std::string StoreCookieName(std::string_view domain, std::string_view browser,
                                          std::string_view profile);

// Reads the stores and adds their findings; `cookieCounter` rises by the
// cookies looked at.
void ScanCookieStores(core::Application& app, const std::vector<std::string>& blockedList,
                      std::int32_t& cookieCounter);

}  // namespace scan
