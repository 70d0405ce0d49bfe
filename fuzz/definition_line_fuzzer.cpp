// A definition file of each layout, read line by line as the scanners read
// it. The first byte chooses the layout; the rest is the file's plain text.

#include <string>
#include <vector>

#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_folders.h"
#include "fuzz_target.h"
#include "scan/cookie_scan.h"
#include "scan/registry_scan.h"
#include "stored_text.h"

namespace {

enum class Layout { Registry, Files, Folders, Executables, Cookies, Count };

constexpr std::string_view kDrive = "C:\\";

void ReadRegistryLine(const std::string& line, platform::ShellFolders& shell,
                      fakes::FakeRegistry& registry) {
    const auto record = definitions::ParseRegistryRecord(line, kDrive, shell);
    if (!record) {
        return;
    }
    std::string rootName;
    const std::uint32_t root = scan::RegistryRootFromCode(record->rootCode, rootName);
    fuzz::Require((root == scan::kNoRoot) == rootName.empty(),
                  "a root code names a root exactly when it gives a handle");
    fuzz::Require(rootName == definitions::RootName(record->rootCode),
                  "the scan and the safe list agree on a root's name");
    if (root == scan::kNoRoot) {
        return;
    }
    if (record->valueName.empty()) {
        (void)scan::RegistryKeyExists(registry, root, record->keyPath);
    } else {
        std::string value;
        (void)scan::RegistryValueExists(registry, root, record->keyPath, record->valueName, value);
    }
}

void ReadLine(Layout layout, const std::string& line, platform::ShellFolders& shell,
              fakes::FakeRegistry& registry) {
    switch (layout) {
        case Layout::Registry:
            ReadRegistryLine(line, shell, registry);
            break;
        case Layout::Files:
            if (const auto record = definitions::ParseFileRecord(line, kDrive, shell)) {
                (void)definitions::IsAbsolutePath(record->path);
            }
            break;
        case Layout::Folders:
            if (const auto record = definitions::ParseDirectoryRecord(line, kDrive, shell)) {
                fuzz::Require(record->label.find_first_of("\r\n\t") == std::string::npos,
                              "a folder's label holds no line end or tab");
            }
            break;
        case Layout::Executables:
            (void)definitions::ParseExeRecord(line, shell);
            break;
        case Layout::Cookies:
            (void)scan::IsBlockedCookie(definitions::CookieEntries(line), "tracker.example");
            break;
        case Layout::Count:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto layout = static_cast<Layout>(data[0] % static_cast<int>(Layout::Count));
    fakes::FakeFileSystem fs;
    fakes::FakeShellFolders shell;
    fakes::FakeRegistry registry;
    registry.SetString(platform::RegistryRoot::LocalMachine, "Software\\Acme", "Run", "x");
    const std::string path = "C:\\Data\\Definitions.dat";
    fs.AddFile(path, fuzz::StoredDefinitionFile(fuzz::AsText(data + 1, size - 1)));
    for (const std::string& stored :
         core::ReadTextLines(fs, path).value_or(std::vector<std::string>{})) {
        const std::string line = definitions::DecodeDefinitionLine(stored);
        fuzz::Require(line.size() == stored.size(), "the line code keeps a line's length");
        ReadLine(layout, line, shell, registry);
    }
    return 0;
}
