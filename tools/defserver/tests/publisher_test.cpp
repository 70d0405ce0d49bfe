// The publisher's commands as a publisher types them: what they store,
// what they print, and what they refuse without storing anything.

#include "publisher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "change_log.h"
#include "definitions/line_code.h"
#include "temp_folder.h"

namespace defserver {
namespace {

constexpr UnixSeconds kNow = 1796083200 + 7 * 86400;  // 12/8/2026 12:00:00 AM

class Publishing : public ::testing::Test {
protected:
    int Run(std::vector<std::string> arguments, UnixSeconds now = kNow) {
        arguments.insert(arguments.begin(), {"--db", Db()});
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunPublisher(arguments, out, err, now);
        m_out = out.str();
        m_err = err.str();
        return code;
    }

    std::string Db() const { return m_folder.Path("defs.sqlite"); }

    // The log as `list` shows it, without the ids.
    std::vector<std::string> Listed() {
        EXPECT_EQ(Run({"list"}), 0) << m_err;
        std::vector<std::string> lines;
        std::istringstream text(m_out);
        for (std::string line; std::getline(text, line);) {
            lines.push_back(line.substr(line.find('\t') + 1));
        }
        return lines;
    }

    testing::TempFolder m_folder;
    std::string m_out;
    std::string m_err;
};

TEST_F(Publishing, AddAndDelAreListedWithTheirDates) {
    ASSERT_EQ(Run({"add", "FILE", "evil.dll=Demo.Threat|[windows]\\system32", "--date",
                   "2026-12-08 10:00:00"}),
              0)
        << m_err;
    EXPECT_EQ(m_out,
              "ADD FILE evil.dll=Demo.Threat|[windows]\\system32, dated 2026-12-08 10:00:00 UTC "
              "(12/8/2026 10:00:00 AM)\n");
    ASSERT_EQ(Run({"del", "file", "evil.dll", "--date=12/8/2026 3:04:05 PM"}), 0) << m_err;
    ASSERT_EQ(Run({"add", "REG", "1^Software\\Acme^=Demo.Acme|Adware"}, kNow + 86400), 0) << m_err;

    EXPECT_EQ(Listed(),
              (std::vector<std::string>{
                  "2026-12-08 10:00:00\tFILE\tADD\tevil.dll=Demo.Threat|[windows]\\system32",
                  "2026-12-08 15:04:05\tFILE\tDEL\tevil.dll",
                  "2026-12-09 00:00:00\tREG\tADD\t1^Software\\Acme^=Demo.Acme|"
                  "1^Software\\Acme|Adware",
              }));
    ASSERT_EQ(Run({"list", "--since", "2026-12-08 15:04:05"}), 0);
    EXPECT_EQ(m_out.find("evil.dll"), std::string::npos);
}

TEST_F(Publishing, TextIsTakenAsUtf8AndStoredInTheProgramsCodePage) {
    ASSERT_EQ(Run({"add", "FILE", "caf\xC3\xA9.dll=D\xC3\xA9mo|\xE2\x82\xAC"}), 0) << m_err;
    EXPECT_EQ(Listed().back(),
              "2026-12-08 00:00:00\tFILE\tADD\tcaf\xC3\xA9.dll=D\xC3\xA9mo|\xE2\x82\xAC");

    EXPECT_EQ(Run({"add", "FILE", "\xE4\xB8\xAD.dll=x|y"}), 1);
    EXPECT_NE(m_err.find("Windows-1252"), std::string::npos) << m_err;
    EXPECT_EQ(Run({"add", "FILE", "\xC3.dll=x|y"}), 1);
    EXPECT_NE(m_err.find("not UTF-8"), std::string::npos) << m_err;
}

TEST_F(Publishing, BadInputIsRefusedAndNothingIsStored) {
    ASSERT_EQ(Run({"init"}), 0);
    const std::vector<std::vector<std::string>> refused = {
        {"add", "FIEL", "a=b|c"},
        {"add", "FILE", ""},
        {"add", "REG", "HKLM^Software^=x|y"},
        {"add", "REG", "k=x|1^Software"},
        {"add", "FILE", "a=b|c", "--date", "next tuesday"},
        {"del", "REG", "1^Software\\Acme"},
    };
    for (const std::vector<std::string>& command : refused) {
        EXPECT_EQ(Run(command), 1) << command[2];
        EXPECT_EQ(m_err.rfind("defpublish: ", 0), 0u) << m_err;
    }
    EXPECT_TRUE(Listed().empty());
}

TEST_F(Publishing, ADateNotAfterTheNewestChangeIsRefused) {
    ASSERT_EQ(Run({"add", "COOK", "a.example", "--date", "2026-12-08 10:00:00"}), 0);
    EXPECT_EQ(Run({"add", "COOK", "b.example", "--date", "2026-12-08 10:00:00"}), 1);
    EXPECT_NE(m_err.find("would never receive it"), std::string::npos) << m_err;
    EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(Publishing, CommandLinesItCannotReadExitWithTwo) {
    EXPECT_EQ(Run({"add", "FILE"}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_EQ(Run({"list", "--colour"}), 2);
    EXPECT_EQ(Run({"list", "--since"}), 2);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunPublisher({"list"}, out, err, kNow), 2);
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST_F(Publishing, AnImportIsAllOrNothingAndNamesEveryBadLine) {
    m_folder.Write("bad.txt", "good.dll=T|f\r\nbad\r\n\r\nalso<bad.dll=T|f\r\n");
    EXPECT_EQ(Run({"import", "FILE", m_folder.Path("bad.txt")}), 1);
    EXPECT_NE(m_err.find("bad.txt:2: FILE: a FILE definition"), std::string::npos) << m_err;
    EXPECT_NE(m_err.find("bad.txt:4: FILE: \"<\""), std::string::npos) << m_err;
    EXPECT_NE(m_err.find("nothing published"), std::string::npos) << m_err;

    m_folder.Write("safety.txt", "\xEF\xBB\xBFSFILE|a=b|c\nSDIR|d=e|f\n");
    ASSERT_EQ(Run({"import", "safety", m_folder.Path("safety.txt")}), 0) << m_err;
    EXPECT_EQ(Listed(), (std::vector<std::string>{"2026-12-08 00:00:00\tSFILE\tADD\ta=b|c",
                                                  "2026-12-08 00:00:00\tSDIR\tADD\td=e|f"}));
}

TEST_F(Publishing, ExtensionsComeFromTheConfirmedLinesOfTheTableOrNotAtAllWithABadLine) {
    // Columns in another order than the data set's, and one it does not
    // name: they are found by their header names.
    m_folder.Write(
        "list.csv",
        "\xEF\xBB\xBF\"BROWSER\",\"EXTID\",\"EXTID-NAME\",\"CONFIRM-MAL\",\"NOTES\","
        "\"THREAT-TYPE\",\"EXTRA\"\r\n"
        "\"chrome\",\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\",\"Search \"\"Plus\"\", 2\",\"1\","
        "\"a note, with a comma\nand a line\",\"browser-hijack, adware\",\"x\"\r\n"
        "\"edge\",\"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb\",\"UNKNOWN\",\"2\","
        "\"Palant cluster. 109 extensions\",\"unknown\",\"\"\r\n"
        "\"both\",\"cccccccccccccccccccccccccccccccc\",\"Maybe\",\"0\",\"\",\"adware\",\"\"\r\n"
        "\"chrome\",\"kgmlodoegkmpfkbepkfhgeldido\",\"Short\",\"1\",\"\",\"spyware\",\"\"\r\n"
        "\"chrome\",\"dddddddddddddddddddddddddddddddd\",\"UNKNOWN\",\"3\","
        "\"Stub entry imported from elsewhere. Name pending\",\"\",\"\"\r\n");
    EXPECT_EQ(Run({"import-extensions", m_folder.Path("list.csv")}), 1);
    EXPECT_NE(
        m_err.find("list.csv:6: EXTID \"kgmlodoegkmpfkbepkfhgeldido\" is not an extension ID"),
        std::string::npos)
        << m_err;
    EXPECT_NE(m_err.find("nothing published"), std::string::npos) << m_err;
    EXPECT_FALSE(std::filesystem::exists(Db())) << "nothing is stored";

    ASSERT_EQ(Run({"import-extensions", m_folder.Path("list.csv"), "--skip-bad"}), 0) << m_err;
    EXPECT_EQ(Listed(),
              (std::vector<std::string>{
                  "2026-12-08 00:00:00\tEXT\tADD\taaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa=Search "
                  "\"Plus\", 2|chromium|browser-hijack",
                  "2026-12-08 00:00:00\tEXT\tADD\tbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb=Palant "
                  "cluster|chromium",
                  "2026-12-08 00:00:00\tEXT\tADD\tdddddddddddddddddddddddddddddddd=Malicious "
                  "extension|chromium"}));

    m_folder.Write("other.csv", "\"ID\",\"NAME\"\r\n\"x\",\"y\"\r\n");
    EXPECT_EQ(Run({"import-extensions", m_folder.Path("other.csv")}), 1);
    EXPECT_NE(m_err.find("no column EXTID"), std::string::npos) << m_err;
}

TEST_F(Publishing, TheSamplesAreSeededUnderTheDateTheProgramIsPlantedWith) {
    ASSERT_EQ(Run({"seed-samples", SAMPLE_DEFINITIONS}), 0) << m_err;
    EXPECT_NE(m_out.find("dated 2026-12-01 00:00:00 UTC (12/1/2026 12:00:00 AM)"),
              std::string::npos)
        << m_out;
    const std::vector<std::string> listed = Listed();
    ASSERT_FALSE(listed.empty());
    for (const std::string_view kind :
         {"\tFILE\t", "\tEXE\t", "\tREG\t", "\tCOOK\t", "\tDIR\t", "\tSFILE\t", "\tSDIR\t"}) {
        EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const std::string& line) {
            return line.find(kind) != std::string::npos;
        })) << kind;
    }
    // Seeding again would date the samples before what is already there.
    EXPECT_EQ(Run({"seed-samples", SAMPLE_DEFINITIONS}), 1);
}

TEST_F(Publishing, SubmissionsAreListedAsTheirDecodedNames) {
    ASSERT_EQ(Run({"submissions"}), 1) << "no database yet";
    {
        Checked<ChangeLog> log = ChangeLog::Open(Db(), Database::Opening::CreateIfMissing);
        ASSERT_TRUE(log) << log.Error();
        using definitions::EncodeDefinitionLine;
        const std::string data =
            EncodeDefinitionLine("tool.exe") + "|" + EncodeDefinitionLine("caf\xE9.exe") + "|";
        ASSERT_TRUE(log->AddSubmission(SubmittedData{kNow, "10.0.0.1", "", data, "x"}, 0));
        ASSERT_TRUE(log->AddSubmission(SubmittedData{kNow + 1, "10.0.0.2", "", "|", "y"}, 0));
    }
    ASSERT_EQ(Run({"submissions"}), 0) << m_err;
    EXPECT_EQ(m_out,
              "1\t2026-12-08 00:00:00\t10.0.0.1\ttool.exe|caf\xC3\xA9.exe\n"
              "2\t2026-12-08 00:00:01\t10.0.0.2\t\n");
    EXPECT_EQ(Run({"submissions", "extra"}), 2);
}

}  // namespace
}  // namespace defserver
