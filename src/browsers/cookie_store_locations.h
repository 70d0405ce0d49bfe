#pragma once

// Where the browsers keep their cookie stores: one per profile of Chrome and
// Edge (each channel: stable, Beta, Dev and Canary), Brave and Vivaldi below
// the user's local application data, and of Firefox below the roaming one.

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class FileSystem;
class ShellFolders;
class TextCodec;
}  // namespace platform

namespace scan {

struct CookieStoreLocation {
    std::string browser;  // the browser's own name, as it calls itself
    std::string profile;  // the profile's folder name
    std::string path;     // the store file
};

// The stores that exist, browser by browser, profiles in listing order;
// for Firefox also the profiles its profiles.ini places elsewhere, and those
// of its Microsoft Store build. A profile folder that is a link is passed
// over: a store replaced through it would land outside the browser's folder.
[[nodiscard]] std::vector<CookieStoreLocation> FindCookieStores(platform::ShellFolders& folders,
                                                                platform::FileSystem& fs,
                                                                platform::TextCodec& codec);

// Firefox's profile folders: those below its Profiles folders and those its
// profiles.ini places elsewhere, of the usual build and the Microsoft
// Store's, each once; links passed over.
[[nodiscard]] std::vector<std::string> FindFirefoxProfiles(platform::ShellFolders& folders,
                                                           platform::FileSystem& fs,
                                                           platform::TextCodec& codec);

// The browser whose store lies at the path, by the folder it lies in
// ("Chrome" for ...\Google\Chrome\User Data\...); "" when none is known.
[[nodiscard]] std::string BrowserOfStore(std::string_view storePath);

}  // namespace scan
