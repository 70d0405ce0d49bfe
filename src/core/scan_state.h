#pragma once

// The state of the scan run that the phases share; it is reset at the start
// of every run.

#include <cstdint>
#include <string>
#include <vector>

namespace scan {

// A browser extension the scan lists: its removal-list row's text and
// location, and the browser that holds it.
struct ExtensionFinding {
    std::string name;
    std::string location;
    std::string browser;
};

struct ScanState {
    // Raised by Stop; every phase tests it before each definition line.
    bool ScanStopRequested = false;
    // The running phase's title and ": ", in front of every progress line.
    std::string ScanPhaseText;

    std::int32_t MemoryItemsInspected = 0;
    std::int32_t RegistryEntriesInspected = 0;
    std::int32_t FilesFoldersInspected = 0;
    std::int32_t ThreatsFound = 0;
    std::int32_t ProgressCallCount = 0;

    std::string ScanStartedAt;
    std::string ScanFinishedAt;

    // A scheduled scan whose findings are removed without questions.
    bool AutoRemoveAfterScan = false;

    // The registry scan: the root key's name of the record in hand.
    std::string CurrentRootName;
    // The memory scan on the 9x family: the decoded executable definitions,
    // kept for the rest of the program run once read.
    std::string MemoryScanText9x;

    // The last run found definition files missing (and deleted the set); the
    // status page says so until an update brings the whole set back.
    bool definitionFilesMissing = false;

    // The browser extensions of the last run's removal list.
    std::vector<ExtensionFinding> extensionFindings;

    // Phases that ran, so that their counters are shown at the end.
    bool memoryPhaseRan = false;
    bool registryPhaseRan = false;
};

// Small-icon numbers of the finding lists.
inline constexpr int kIconCookie = 1;
inline constexpr int kIconRegistry = 2;
inline constexpr int kIconFile = 3;
inline constexpr int kIconFolder = 4;
inline constexpr int kIconExcluded = 5;

}  // namespace scan
