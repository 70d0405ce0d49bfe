#pragma once

// A synthetic set of definitions for the scan benchmark, with the machine
// state that makes about one record in a hundred present, and the plain
// registry and file-system lookups that a bare loop makes for the same
// records.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace bench {

struct SetSizes {
    int registryRecords = 100'000;
    int fileRecords = 100'000;
    int folderRecords = 10'000;
    int executableRecords = 10'000;
    int safeEntries = 1'000;
    int exclusionEntries = 1'000;
};

// One registry lookup of a bare loop: the key, and the value for value records.
struct RegistryProbe {
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::string keyPath;
    std::string valueName;  // empty for a key record
};

struct PresentValue {
    std::string keyPath;  // below HKEY_CURRENT_USER
    std::string name;
    std::string text;
};

// What a scan of the set must report, per kind of record.
struct ExpectedFindings {
    int registryTraces = 0;
    int registryExcluded = 0;
    int fileTraces = 0;
    int fileExcluded = 0;
    int folderTraces = 0;
    int folderExcluded = 0;
    int runningExecutables = 0;
};

struct SyntheticSet {
    // The plain lines of each data file; all but the exclusions are stored coded.
    std::vector<std::string> registryLines;
    std::vector<std::string> fileLines;
    std::vector<std::string> folderLines;
    std::vector<std::string> executableLines;
    std::vector<std::string> cookieLines;
    std::vector<std::string> safetyLines;
    std::vector<std::string> exclusionLines;

    // The machine state: keys and values below HKEY_CURRENT_USER, files and
    // folders, each with every macro resolved.
    std::vector<std::string> presentKeys;
    std::vector<PresentValue> presentValues;
    std::vector<std::string> presentFiles;
    std::vector<std::string> presentFolders;
    std::vector<std::string> presentExecutables;

    // The lookups of a bare loop, one per record, with every macro resolved.
    std::vector<RegistryProbe> registryProbes;
    std::vector<std::string> fileProbes;
    std::vector<std::string> folderProbes;

    ExpectedFindings expected;
};

// Where the absent file and folder records point, for the report.
inline constexpr std::string_view kAbsentPlaces =
    "absent files and folders: 10% missing from the set's folders, 20% below special folders\n"
    "     named by macros, 69% in folders that do not exist";

// The registry key below HKEY_CURRENT_USER that holds every key the set creates.
inline constexpr std::string_view kBenchRegistryKey = "Software\\BenchScan";

// Makes the set for traces under `traceRoot` (a folder that the benchmark owns).
[[nodiscard]] SyntheticSet MakeSyntheticSet(const SetSizes& sizes, std::string_view traceRoot,
                                            platform::ShellFolders& shell);

// Writes the seven data files into `dataFolder`, which must exist.
[[nodiscard]] bool WriteDataFiles(platform::FileSystem& fs, std::string_view dataFolder,
                                  const SyntheticSet& set);

// Creates the present keys, values, files and folders through the ports.
[[nodiscard]] bool CreateTraces(platform::Platform& ports, const SyntheticSet& set);

// Creates the folder and any missing parents.
[[nodiscard]] bool MakeDirectories(platform::FileSystem& fs, std::string_view path);

}  // namespace bench
