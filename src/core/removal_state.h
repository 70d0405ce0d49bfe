#pragma once

// What the removal keeps between its steps while it runs.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace removal {

struct RemovalState {
    // Registry records go into the quarantine log only while this is set:
    // the first of the two passes sets it, so that an entry handled twice is
    // logged once. A copy's record is written once with the copy itself,
    // whichever pass made it.
    bool QuarantineLogging = false;
    // The open restore point's sequence number; 0 when none is open.
    std::int64_t RestorePointSequence = 0;
    // Paths that still existed after the second pass.
    int ProblemCount = 0;
    // A removal is running; a second one must wait for it to end.
    bool Running = false;
    // The copies made during this run, by upper-cased original path: an item
    // seen again in the second pass or in a later attempt is not copied twice,
    // and its record is written once.
    struct Copy {
        std::string storedName;  // the copy's name in the quarantine folder
        bool recorded = false;
        bool folder = false;
    };
    std::map<std::string, Copy> BackedUp;
    // Registry entries saved into the quarantine during this run, by
    // upper-cased root name, key and value: the second pass does not save
    // them again while the copy is still there as it was written.
    struct SavedCopy {
        std::string storedName;
        std::string content;
    };
    std::map<std::string, SavedCopy> SavedRegistry;
    // The threat name of the row being removed, for the quarantine's index.
    std::string CurrentThreat;
    // What the first pass could not do about the checked browser extensions:
    // each row's name and location, and what to tell the user in the second.
    struct ExtensionProblem {
        std::string name;
        std::string location;
        std::string text;
    };
    std::vector<ExtensionProblem> ExtensionProblems;
    // Libraries already unregistered during this run (upper-cased paths).
    std::set<std::string> Unregistered;
};

}  // namespace removal
