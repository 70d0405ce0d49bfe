// Every reader of outside input gets random and truncated input: it may give
// nothing, but it must neither crash nor hang.

#include <gtest/gtest.h>

#include <random>

#include "base/text.h"
#include "core/date_time_text.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "fakes/fake_shell_folders.h"
#include "i18n/localization_file.h"
#include "scan/company_name.h"
#include "scan/cookie_fields.h"
#include "scan/cookie_scan.h"
#include "scan/status_word_filter.h"

namespace {

constexpr int kCases = 3000;

// Random texts made mostly of the characters the formats give meaning to.
class InputMaker {
public:
    explicit InputMaker(unsigned seed) : m_random(seed) {}

    std::string Next() {
        static const std::vector<std::string> kPieces{"=",
                                                      "|",
                                                      "^",
                                                      "\\",
                                                      "\\\\",
                                                      "/",
                                                      "[drive]",
                                                      "[windir]",
                                                      "[user]",
                                                      "[recycle]",
                                                      "\"",
                                                      ",",
                                                      "\r\n",
                                                      "\n",
                                                      "\r",
                                                      std::string(1, '\0'),
                                                      "<",
                                                      ">",
                                                      "</",
                                                      "<K>",
                                                      "</K>",
                                                      "<LANGUAGE_GROUP",
                                                      "</LANGUAGE_GROUP>",
                                                      "<LANGUAGE_NAME>",
                                                      "<TRANSLATION_ITEMS>",
                                                      "StringFileInfo",
                                                      "CompanyName",
                                                      "FileDescription",
                                                      std::string("\x01\0C", 3),
                                                      "@",
                                                      "[1]",
                                                      "(",
                                                      ".",
                                                      "www.",
                                                      "*",
                                                      "SREG",
                                                      "SFILE",
                                                      "HKLM",
                                                      "2",
                                                      "AM",
                                                      "PM",
                                                      ":",
                                                      "12/31/2026",
                                                      "abc",
                                                      " ",
                                                      "\t",
                                                      "\xFF",
                                                      "\xC0",
                                                      "sex"};
        std::uniform_int_distribution<std::size_t> length(0, 24);
        std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
        std::uniform_int_distribution<int> byte(0, 255);
        std::string text;
        const std::size_t count = length(m_random);
        for (std::size_t i = 0; i < count; ++i) {
            if (byte(m_random) < 32) {
                text.push_back(static_cast<char>(byte(m_random)));
            } else {
                text += kPieces[piece(m_random)];
            }
        }
        return text;
    }

private:
    std::mt19937 m_random;
};

// Every prefix of a text, to catch readers that trust what follows.
std::vector<std::string> Prefixes(std::string_view text) {
    std::vector<std::string> prefixes;
    for (std::size_t length = 0; length <= text.size(); ++length) {
        prefixes.emplace_back(text.substr(0, length));
    }
    return prefixes;
}

void FeedDefinitionReaders(const std::string& text, platform::ShellFolders& shell) {
    for (const std::string& line : {text, definitions::DecodeDefinitionLine(text)}) {
        (void)definitions::ParseRegistryRecord(line, "C:\\", shell);
        (void)definitions::ParseFileRecord(line, "C:\\", shell);
        (void)definitions::ParseDirectoryRecord(line, "C:\\", shell);
        (void)definitions::ParseExeRecord(line, shell);
        (void)definitions::ParseSafetyLine(line, "C:\\", shell);
        (void)definitions::CookieEntries(line);
        (void)definitions::RootName(line);
    }
}

void FeedOtherReaders(const std::string& text) {
    for (const auto& group : i18n::ReadLanguageGroups(text)) {
        if (const auto block = i18n::TranslationBlock(group.text)) {
            for (const std::string& line : base::SplitLines(*block)) {
                (void)i18n::ItemText(line, "K");
            }
        }
    }
    (void)i18n::ItemText(text, "K");
    scan::BufferSource bytes(text);
    (void)scan::CompanyNameIn(bytes);
    (void)scan::ReadFields(text);
    (void)scan::CookieFileSite(text);
    (void)scan::IsBlockedCookie(definitions::CookieEntries(text), text);
    (void)scan::FilterStatusWords(text);
    (void)core::ParseDateTime(text);
    (void)core::TextLines(text);
}

TEST(ParsersRobustness, RandomInputNeitherCrashesNorHangs) {
    fakes::FakeShellFolders shell;
    InputMaker maker(20261208);
    for (int i = 0; i < kCases; ++i) {
        const std::string text = maker.Next();
        FeedDefinitionReaders(text, shell);
        FeedOtherReaders(text);
    }
}

TEST(ParsersRobustness, EveryTruncationOfValidInputIsReadSafely) {
    fakes::FakeShellFolders shell;
    const std::vector<std::string> samples{
        "2^Software\\Evil=Odd^Value^=Evil|Adware|x",
        "tool.exe=Evil Tool|[progfil]Acme\\|Adware",
        "Evil folder=Evil|[drive]Evil\\Data|Spyware",
        "EVIL.EXE=Evil|[windir]",
        "SREG|x|2^Software\\Acme^Run",
        "<LANGUAGE_GROUP><LANGUAGE_NAME>E</LANGUAGE_NAME><TRANSLATION_ITEMS>\r\n\t<KEY>t</KEY>\r\n"
        "</TRANSLATION_ITEMS></LANGUAGE_GROUP>",
        std::string("xx StringFileInfo yy CompanyName\0Evil Inc.\0\0\0FileDescription", 60),
        "\"quoted, field\",plain\r\nnext",
        "12/31/2026 11:59:59 PM",
    };
    for (const std::string& sample : samples) {
        for (const std::string& prefix : Prefixes(sample)) {
            FeedDefinitionReaders(prefix, shell);
            FeedOtherReaders(prefix);
        }
    }
}

TEST(ParsersRobustness, LongInputStaysFast) {
    const std::string longLine(200000, '|');
    fakes::FakeShellFolders shell;
    FeedDefinitionReaders(longLine, shell);
    FeedOtherReaders(std::string(100000, '<') + std::string(100000, '>'));
}

}  // namespace
