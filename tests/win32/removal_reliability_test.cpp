// A removal ended at a random moment must never lose a file: every file is
// either still in its place or complete in the quarantine. The removal runs in
// a program of its own, which the test ends at a moment drawn from a seeded
// generator, over and over.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "temp_folder.h"
#include "test_programs.h"

namespace {

using win32_tests::ProgramsFolder;

constexpr int kRounds = 30;
constexpr int kFiles = 24;
constexpr unsigned kSeed = 20261208;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Every file below the folder, by content: what the quarantine holds.
std::multiset<std::string> ContentsBelow(const std::filesystem::path& folder) {
    std::multiset<std::string> contents;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error)) {
            contents.insert(ReadFile(it->path()));
        }
    }
    return contents;
}

// One seeded machine: files with distinct contents, some of them large enough
// that copying takes a while, a folder tree and a cookie, listed for the
// runner.
struct Round {
    explicit Round(int number) {
        const std::filesystem::path items = folder.Path();
        std::filesystem::create_directories(items / "tree" / "sub");
        std::ofstream list(data / "list.txt", std::ios::binary);
        for (int i = 0; i < kFiles; ++i) {
            const std::filesystem::path path = items / ("item" + std::to_string(i) + ".dat");
            std::string content = "round " + std::to_string(number) + " file " + std::to_string(i);
            content.resize(i % 4 == 0 ? 256 * 1024 : content.size(), static_cast<char>('a' + i));
            WriteFile(path, content);
            originals[path.string()] = content;
            list << "F|" << path.string() << "\r\n";
        }
        for (const char* name : {"tree\\a.txt", "tree\\sub\\b.txt"}) {
            const std::filesystem::path path = items / name;
            const std::string content = "round " + std::to_string(number) + " " + name;
            WriteFile(path, content);
            originals[path.string()] = content;
        }
        list << "F|" << (items / "tree").string() << "\r\n";
        const std::filesystem::path cookie = items / "user@tracker[1].txt";
        WriteFile(cookie, "cookie of round " + std::to_string(number));
        originals[cookie.string()] = ReadFile(cookie);
        list << "C|" << cookie.string() << "\r\n";
    }

    // Runs the removal and ends it `delay` after the runner has begun its
    // work (never, when negative); returns how long the work ran.
    std::chrono::milliseconds Run(std::chrono::milliseconds delay) {
        const std::optional<std::chrono::milliseconds> ran = win32_tests::RunAndEnd(
            ProgramsFolder() + "\\removal_runner.exe",
            "\"" + data.Path() + "\" \"" + (data / "list.txt") + "\"", delay);
        if (!ran) {
            ADD_FAILURE() << "the runner did not start";
            return {};
        }
        return *ran;
    }

    // The files that are neither in their place nor whole in the quarantine.
    std::vector<std::string> LostFiles() {
        std::multiset<std::string> kept = ContentsBelow(data / "quarantine");
        std::vector<std::string> lost;
        for (const auto& [path, content] : originals) {
            std::error_code error;
            if (std::filesystem::exists(path, error) && ReadFile(path) == content) {
                continue;
            }
            if (const auto copy = kept.find(content); copy != kept.end()) {
                kept.erase(copy);
                continue;
            }
            lost.push_back(path);
        }
        return lost;
    }

    win32_tests::TempFolder folder;
    win32_tests::TempFolder data;
    std::map<std::string, std::string> originals;
};

TEST(RemovalReliability, ARemovalEndedAtAnyMomentLosesNoFile) {
    // A whole run first: it tells how long there is to interrupt.
    std::chrono::milliseconds whole{};
    {
        Round round(0);
        whole = round.Run(std::chrono::milliseconds(-1));
        EXPECT_TRUE(round.LostFiles().empty());
        EXPECT_TRUE(ContentsBelow(round.folder.Path()).empty()) << "a whole run removes all";
    }
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole.count());
    int interrupted = 0;
    for (int number = 1; number <= kRounds; ++number) {
        Round round(number);
        const std::chrono::milliseconds delay(moment(random));
        const std::chrono::milliseconds ran = round.Run(delay);
        interrupted += ran < whole ? 1 : 0;
        const std::vector<std::string> lost = round.LostFiles();
        EXPECT_TRUE(lost.empty()) << "round " << number << ", ended after " << delay.count()
                                  << " ms: " << ::testing::PrintToString(lost);
    }
    std::printf("A whole removal took %lld ms; %d of %d rounds were cut short.\n",
                static_cast<long long>(whole.count()), interrupted, kRounds);
}

}  // namespace
