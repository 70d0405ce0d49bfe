// An update ended at a random moment must leave every definition file (and
// the date) either as it was before or as it is after, never missing or
// half-written, and the next update must complete. The update runs in a
// program of its own against the reference server, and the test ends it at
// moments drawn from a seeded generator.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include "defserver_urls.h"
#include "temp_folder.h"
#include "test_programs.h"

namespace {

using win32_tests::ProgramsFolder;

constexpr int kRounds = 30;
constexpr unsigned kSeed = 20261208;
constexpr const char* kFiles[] = {"FileDefinition.dat",
                                  "ExeDefinition.dat",
                                  "RegistryDefinition.dat",
                                  "BlockedCookies.dat",
                                  "DirectoryDefinition.dat",
                                  "Safety.dat",
                                  "date.dat"};

using win32_tests::ServerUrl;

// A file's bytes; nullopt when it is missing.
std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

using Snapshot = std::map<std::string, std::optional<std::string>>;

Snapshot Take(const win32_tests::TempFolder& data) {
    Snapshot files;
    for (const char* name : kFiles) {
        files[name] = ReadFile(data / name);
    }
    return files;
}

void Restore(const win32_tests::TempFolder& data, const Snapshot& files) {
    for (const auto& [name, content] : files) {
        if (content) {
            std::ofstream(data / name, std::ios::binary) << *content;
        }
    }
}

// Runs the update into the folder; ends it `delay` after it began (never,
// when negative).
std::optional<std::chrono::milliseconds> RunUpdate(const std::string& folder,
                                                   const std::string& server,
                                                   std::chrono::milliseconds delay) {
    return win32_tests::RunAndEnd(ProgramsFolder() + "\\update_runner.exe",
                                  "\"" + folder + "\" \"" + server + "\"", delay);
}

TEST(UpdateReliability, AnUpdateEndedAtAnyMomentLeavesEachFileBeforeOrAfter) {
    const std::string first = ServerUrl("first");
    const std::string second = ServerUrl("second");
    ASSERT_FALSE(first.empty() || second.empty()) << "the fixture's servers are not running";

    // The state before: the sample definitions; the state after: the second
    // server's changes on top; and how long the second update takes.
    win32_tests::TempFolder reference;
    ASSERT_TRUE(RunUpdate(reference.Path(), first, std::chrono::milliseconds(-1)));
    const Snapshot before = Take(reference);
    const std::optional<std::chrono::milliseconds> whole =
        RunUpdate(reference.Path(), second, std::chrono::milliseconds(-1));
    ASSERT_TRUE(whole);
    const Snapshot after = Take(reference);
    ASSERT_NE(before, after);

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole->count());
    int interrupted = 0;
    for (int round = 1; round <= kRounds; ++round) {
        win32_tests::TempFolder data;
        Restore(data, before);
        const std::chrono::milliseconds delay(moment(random));
        const std::optional<std::chrono::milliseconds> ran = RunUpdate(data.Path(), second, delay);
        ASSERT_TRUE(ran);
        interrupted += *ran < *whole ? 1 : 0;
        const Snapshot cut = Take(data);
        for (const char* name : kFiles) {
            EXPECT_TRUE(cut.at(name) == before.at(name) || cut.at(name) == after.at(name))
                << "round " << round << ", ended after " << delay.count() << " ms: " << name
                << " is neither as before nor as after";
        }
        ASSERT_TRUE(RunUpdate(data.Path(), second, std::chrono::milliseconds(-1)));
        EXPECT_EQ(Take(data), after) << "round " << round << ": the next update did not complete";
    }
    std::printf("A whole update took %lld ms; %d of %d rounds were cut short.\n",
                static_cast<long long>(whole->count()), interrupted, kRounds);
}

}  // namespace
