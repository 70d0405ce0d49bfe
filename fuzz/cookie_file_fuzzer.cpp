// A cookie file in the browser's cookie folder: its name (the first line of
// the input) and its content (the rest), read as the cookie scan reads them
// and compared with a blocked-cookie list.

#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fuzz_target.h"
#include "scan/cookie_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    const std::size_t lineEnd = input.find('\n');
    const std::string_view name = input.substr(0, lineEnd);
    const std::string_view content =
        lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
    fakes::FakeFileSystem fs;
    const std::string path = "C:\\Cookies\\" + std::string(name);
    fs.AddFile(path, std::string(content));
    const std::string site = scan::CookieSite(fs, path);
    const std::vector<std::string> blocked{"tracker.example", "*.adserver.com", "pixel.net", ""};
    (void)scan::IsBlockedCookie(blocked, site);
    (void)scan::IsBlockedCookie(blocked, scan::CookieFileSite(path));
    return 0;
}
