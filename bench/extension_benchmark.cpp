// Measures the browser extension inventory: 10 Chrome profiles of 50
// extensions each (settings in Secure Preferences, a manifest and locale
// messages per extension), against the baseline of reading those same files
// once, in the same run, on the tests' in-memory ports. Prints both times and
// the ratio next to the target, after checking that every extension was
// found with its name (a wrong result fails the run). Run by hand; ctest
// never runs it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "browsers/extension_inventory.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_folders.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kProfiles = 10;
constexpr int kExtensions = 50;
constexpr int kRuns = 5;
constexpr double kTarget = 3.0;

// A Chromium ID from a number: 32 letters a to p.
std::string Id(int number) {
    std::string id(32, 'a');
    for (int i = 0; i < 8; ++i) {
        id[static_cast<std::size_t>(31 - i)] = static_cast<char>('a' + ((number >> (4 * i)) & 15));
    }
    return id;
}

}  // namespace

int main() {
    fakes::FakeFileSystem fs;
    fakes::FakeRegistry registry;
    fakes::FakeShellFolders folders;
    fakes::Windows1252Codec codec;
    const std::string userData = "C:\\Users\\alice\\AppData\\Local\\Google\\Chrome\\User Data";
    std::vector<std::string> files;
    // Real settings carry much besides the extensions; a busy profile's
    // pass 1 MiB.
    const std::string padding(std::size_t{1} << 20, ' ');
    for (int p = 0; p < kProfiles; ++p) {
        const std::string profile = userData + "\\Profile " + std::to_string(p);
        std::string settings;
        for (int e = 0; e < kExtensions; ++e) {
            const std::string id = Id(p * kExtensions + e);
            settings += (e == 0 ? "" : ", ") + ("\"" + id + "\": {\"location\": 1, \"path\": \"" +
                                                id + "\\\\1.0_0\", \"disable_reasons\": []}");
            const std::string folder = profile + "\\Extensions\\" + id + "\\1.0_0";
            fs.AddFile(folder + "\\manifest.json",
                       R"({"name": "__MSG_name__", "version": "1.0", "default_locale": "en",)"
                       R"( "permissions": ["tabs", "storage", "<all_urls>"]})");
            fs.AddFile(folder + "\\_locales\\en\\messages.json",
                       R"({"name": {"message": "Extension )" + id + R"("}})");
            files.push_back(folder + "\\manifest.json");
            files.push_back(folder + "\\_locales\\en\\messages.json");
        }
        fs.AddFile(
            profile + "\\Secure Preferences",
            "{\"extensions\": {\"settings\": {" + settings + "}}, \"pad\": \"" + padding + "\"}");
        fs.AddFile(profile + "\\Preferences", "{\"pad\": \"" + padding + "\"}");
        files.push_back(profile + "\\Secure Preferences");
        files.push_back(profile + "\\Preferences");
    }

    double inventory = 1e300;
    double baseline = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        std::size_t bytes = 0;
        for (const std::string& file : files) {
            bytes += fs.ReadWholeFile(file).value_or("").size();
        }
        const Clock::time_point read = Clock::now();
        const std::vector<browsers::InstalledExtension> found =
            browsers::FindExtensions(folders, fs, registry, codec);
        const Clock::time_point done = Clock::now();
        baseline = std::min(baseline, std::chrono::duration<double>(read - start).count());
        inventory = std::min(inventory, std::chrono::duration<double>(done - read).count());
        const bool named = std::all_of(found.begin(), found.end(), [](const auto& f) {
            return f.extension.name == "Extension " + f.extension.id;
        });
        if (found.size() != static_cast<std::size_t>(kProfiles * kExtensions) || !named ||
            bytes == 0) {
            std::printf("wrong result: %zu extensions found\n", found.size());
            return 1;
        }
    }
    const double ratio = inventory / baseline;
    std::printf("inventory %.3f s, reading the files %.3f s: %.2f times (target within %.0f)\n",
                inventory, baseline, ratio, kTarget);
    return ratio <= kTarget ? 0 : 2;
}
