// The hosts file, read as a scan reads it: every line that maps names to an
// address is an entry unless it blocks them, and the entries and the count
// of blocking lines together never exceed the file's lines.

#include <algorithm>
#include <string>

#include "fuzz_target.h"
#include "startup_items/startup_places.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    std::size_t blocking = 0;
    const std::vector<startup_items::StartupEntry> entries =
        startup_items::ParseHostsFile("C:\\hosts", text, blocking);
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    fuzz::Require(entries.size() + blocking <= lines, "one entry at most per line");
    for (const startup_items::StartupEntry& entry : entries) {
        fuzz::Require(
            !startup_items::IsLoopbackOrNullAddress(entry.data.substr(0, entry.data.find(' '))),
            "a listed line does not block");
        fuzz::Require(entry.where.find('\n') == std::string::npos &&
                          entry.where.find('\r') == std::string::npos,
                      "a location is one line");
        fuzz::Require(!entry.name.empty(), "a listed line names something");
    }
    return 0;
}
