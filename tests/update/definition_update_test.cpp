// Applying an update text to the definition files, and the dated exchange
// around it.

#include "update/definition_update.h"

#include "app/app_fixture.h"
#include "base/text.h"
#include "core/date_time_text.h"
#include "definitions/line_code.h"
#include "update/update_records.h"

namespace update {
namespace {

// Definition text as the server sends it: coded, with "|" and "=" plain.
std::string Body(std::string_view plain) {
    std::string body;
    for (const char c : plain) {
        body.push_back(c == '|' || c == '=' ? c : definitions::EncodeDefinitionChar(c));
    }
    return body;
}

std::string Record(std::string_view kind, std::string_view operation, std::string_view plainBody) {
    return definitions::EncodeDefinitionLine(kind) + "|" + std::string(operation) + "[DEF]" +
           Body(plainBody);
}

// A deletion as the server sends it: the key, coded whole.
std::string Deletion(std::string_view kind, std::string_view plainKey) {
    return definitions::EncodeDefinitionLine(kind) + "|DEL[DEF]" +
           definitions::EncodeDefinitionLine(plainKey);
}

class DefinitionUpdate : public core::testing::AppFixture {
protected:
    DefinitionUpdate() {
        app->DataFolder = "C:\\Data";
        machine.fileSystem.AddDirectory("C:\\Data");
    }

    std::int32_t Apply(std::string_view text) {
        return ApplyDefinitionUpdate(*app, text, *app->frmDownload.txtStatus).changeCount;
    }

    // The file's lines, decoded.
    std::vector<std::string> Lines(std::string_view name) {
        const std::optional<std::string> content =
            machine.fileSystem.ReadWholeFile("C:\\Data\\" + std::string(name));
        std::vector<std::string> lines;
        if (!content) {
            return lines;
        }
        for (const std::string& line : base::SplitLines(*content)) {
            if (!line.empty()) {
                lines.push_back(definitions::DecodeDefinitionLine(line));
            }
        }
        return lines;
    }

    void File(std::string_view name, const std::vector<std::string>& plainLines) {
        std::string content;
        for (const std::string& line : plainLines) {
            content += definitions::EncodeDefinitionLine(line) + "\r\n";
        }
        machine.fileSystem.AddFile("C:\\Data\\" + std::string(name), content);
    }

    using Lines_ = std::vector<std::string>;
};

TEST_F(DefinitionUpdate, EachKindBecomesTheLineOfItsFiles) {
    const std::int32_t changes = Apply(
        Record("FILE", "ADD", "a=b|c") + "[BR]" + Record("EXE", "ADD", "e.exe=T|p") + "[br]" +
        Record("REG", "ADD", "A=B|C|D|dropped") + "[Br]" + Record("COOK", "ADD", "name=x") +
        "[BR]" + Record("SFILE", "ADD", "p|q") + "[BR]" + Record("DIR", "ADD", "evil=T|[windows]") +
        "[BR]" +
        Record("EXT", "ADD", "abcdefghijklmnopabcdefghijklmnop=EvilSearch|chromium|Hijacker") +
        "[BR]" + Record("SEXT", "ADD", "ponmlkjihgfedcbaponmlkjihgfedcba=Kept|chromium"));

    EXPECT_EQ(changes, 9) << "an executable counts once in each of its two files";
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"a=b|c", "e.exe=T|p"}));
    EXPECT_EQ(Lines("ExeDefinition.dat"), (Lines_{"e.exe=T|p"}));
    EXPECT_EQ(Lines("RegistryDefinition.dat"), (Lines_{"C^=B|D"}));
    EXPECT_EQ(Lines("BlockedCookies.dat"), (Lines_{"name"}));
    EXPECT_EQ(Lines("Safety.dat"),
              (Lines_{"SFILE|p|q", "SEXT|ponmlkjihgfedcbaponmlkjihgfedcba=Kept|chromium"}));
    EXPECT_EQ(Lines("DirectoryDefinition.dat"), (Lines_{"evil=T|[windows]"}));
    EXPECT_EQ(Lines("ExtensionDefinition.dat"),
              (Lines_{"abcdefghijklmnopabcdefghijklmnop=EvilSearch|chromium|Hijacker"}));
}

TEST_F(DefinitionUpdate, AnExtensionDeletionRemovesItsIdOnlyAndAReAdditionBringsItBack) {
    File("ExtensionDefinition.dat",
         {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa=Old|chromium", "{b1d2-addon}=Tracker|firefox|Spyware"});
    File("Safety.dat", {"SEXT|cccccccccccccccccccccccccccccccc=Kept|*"});
    EXPECT_EQ(Apply(Deletion("EXT", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA") + "[BR]" +
                    Deletion("SEXT", "SEXT|cccccccccccccccccccccccccccccccc")),
              2);
    EXPECT_EQ(Lines("ExtensionDefinition.dat"), (Lines_{"{b1d2-addon}=Tracker|firefox|Spyware"}));
    EXPECT_TRUE(Lines("Safety.dat").empty());
    EXPECT_EQ(Apply(Record("EXT", "ADD", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa=New|*")), 1);
    EXPECT_EQ(Lines("ExtensionDefinition.dat"), (Lines_{"{b1d2-addon}=Tracker|firefox|Spyware",
                                                        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa=New|*"}));
}

TEST_F(DefinitionUpdate, AnEmptyAnswerOnlyCreatesTheMissingFiles) {
    File("FileDefinition.dat", {"keep=T|x"});
    EXPECT_EQ(Apply(""), 0);
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"keep=T|x"}));
    EXPECT_TRUE(machine.fileSystem.ReadWholeFile("C:\\Data\\Safety.dat").has_value());
}

TEST_F(DefinitionUpdate, DeletionsRemoveTheirKeysAndBlankLinesInOnePass) {
    machine.fileSystem.AddFile("C:\\Data\\ExeDefinition.dat",
                               definitions::EncodeDefinitionLine("one.exe=T|a") + "\r\n\r\n" +
                                   definitions::EncodeDefinitionLine("Two.EXE=T|b") + "\r\n \r\n" +
                                   definitions::EncodeDefinitionLine("three.exe=T|c") + "\r\n");
    const std::int32_t changes =
        Apply(Record("EXE", "DEL", "ONE.EXE") + "[BR]" + Record("EXE", "DEL", "two.exe"));
    EXPECT_EQ(Lines("ExeDefinition.dat"), (Lines_{"three.exe=T|c"}));
    EXPECT_EQ(changes, 2) << "one for each file that went through a deletion pass";
    const std::string raw = *machine.fileSystem.ReadWholeFile("C:\\Data\\ExeDefinition.dat");
    EXPECT_EQ(raw, definitions::EncodeDefinitionLine("three.exe=T|c") + "\r\n");
}

TEST_F(DefinitionUpdate, AnAdditionCancelsAnEarlierDeletionButNotALaterOne) {
    File("FileDefinition.dat", {"a.dll=Old|x", "b.dll=Old|y"});
    Apply(Record("DLL", "DEL", "A.DLL") + "[BR]" + Record("DLL", "ADD", "a.dll=New|x") + "[BR]" +
          Record("DLL", "ADD", "b.dll=New|y") + "[BR]" + Record("DLL", "DEL", "b.dll"));
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"a.dll=Old|x", "a.dll=New|x"}));
}

TEST_F(DefinitionUpdate, AReAdditionEndsTheSameWhetherTheChangesComeAtOnceOrOneByOne) {
    struct ReAddition {
        std::string_view kind;
        std::string_view added;  // the body
        std::string_view key;    // of the line it files
    };
    const ReAddition cases[] = {
        {"FILE", "a.dll=T|x", "a.dll"},
        {"EXE", "e.exe=T|p", "E.EXE"},
        {"REG", "1^Software\\Acme^=T|1^Software\\Acme|Adware", "1^Software\\Acme^"},
        {"DIR", "evil=T|[windows]", "evil"},
        {"COOK", "tracker.example", "tracker.example"},
        {"SFILE", "readme.txt=Read me|[appdata]Acme\\readme.txt", "SFILE|readme.txt"},
        {"SREG", "Run=Run|2^Software\\Acme^Run", "SREG|Run"},
        {"EXT", "abcdefghijklmnopabcdefghijklmnop=EvilSearch|chromium|Hijacker",
         "ABCDEFGHIJKLMNOPABCDEFGHIJKLMNOP"},
        {"SEXT", "abcdefghijklmnopabcdefghijklmnop=Kept|*",
         "SEXT|abcdefghijklmnopabcdefghijklmnop"},
    };
    for (const ReAddition& change : cases) {
        const std::string log[] = {Record(change.kind, "ADD", change.added),
                                   Deletion(change.kind, change.key),
                                   Record(change.kind, "ADD", change.added)};
        // A fresh install gets the whole log in one update, a client that was
        // there all along got each change on its own.
        app->DataFolder = "C:\\Fresh" + std::string(change.kind);
        machine.fileSystem.AddDirectory(app->DataFolder);
        Apply(log[0] + "[BR]" + log[1] + "[BR]" + log[2]);
        const std::string fresh = app->DataFolder;
        app->DataFolder = "C:\\Steps" + std::string(change.kind);
        machine.fileSystem.AddDirectory(app->DataFolder);
        for (const std::string& record : log) {
            Apply(record);
        }
        for (const TargetFile target : kTargetFiles) {
            const std::string name(TargetFileName(target));
            EXPECT_EQ(machine.fileSystem.ReadWholeFile(fresh + "\\" + name),
                      machine.fileSystem.ReadWholeFile(app->DataFolder + "\\" + name))
                << change.kind << " in " << name;
        }
    }
}

TEST_F(DefinitionUpdate, KindsOperationsAndBodyMarksAreCaseSensitive) {
    const std::int32_t changes =
        Apply(Record("file", "ADD", "a=b|c") + "[BR]" + Record("FILE", "add", "a=b|c") + "[BR]" +
              definitions::EncodeDefinitionLine("FILE") + "|ADD[def]" + Body("a=b|c") + "[BR]" +
              Record("FILE", "MOVE", "a=b|c") + "[BR]" + Record("ext", "ADD", "a=b|c") + "[BR]" +
              Record("XPI", "ADD", "a=b|c"));
    EXPECT_EQ(changes, 0) << "a kind this version does not know is skipped";
    EXPECT_TRUE(Lines("FileDefinition.dat").empty());
    EXPECT_TRUE(Lines("ExtensionDefinition.dat").empty());
}

TEST_F(DefinitionUpdate, MalformedRecordsAreSkippedAndTheRestAppliedOnce) {
    const std::int32_t changes = Apply(
        Record("FILE", "ADD", "first=T|x") + "[BR]" + definitions::EncodeDefinitionLine("FILE") +
        "|ADD" + "[BR]" + Record("REG", "ADD", "A=B|C") + "[BR]" + Record("REG", "ADD", "AB|C|D") +
        "[BR]" + definitions::EncodeDefinitionLine("FILE") + "[DEF]" + Body("x=y|z") + "[BR]" +
        Record("FILE", "ADD", "second=T|y"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"first=T|x", "second=T|y"}));
    EXPECT_TRUE(Lines("RegistryDefinition.dat").empty());
}

TEST_F(DefinitionUpdate, AnErrorPageChangesNoDefinition) {
    File("FileDefinition.dat", {"keep=T|x", "", "other=T|y"});
    const std::string before = *machine.fileSystem.ReadWholeFile("C:\\Data\\FileDefinition.dat");
    EXPECT_EQ(Apply("<html><body><h1>500 Internal Server Error</h1>DEL [BR] FILE|DEL "
                    "</body></html>"),
              0);
    EXPECT_EQ(*machine.fileSystem.ReadWholeFile("C:\\Data\\FileDefinition.dat"), before);
}

TEST_F(DefinitionUpdate, AStaleScratchFileNeverReachesTheDefinitions) {
    File("ExeDefinition.dat", {"one.exe=T|a", "two.exe=T|b"});
    File("temp.dat", {"left.exe=Over|from an interrupted pass"});
    Apply(Record("EXE", "DEL", "one.exe"));
    EXPECT_EQ(Lines("ExeDefinition.dat"), (Lines_{"two.exe=T|b"}));
    EXPECT_EQ(machine.fileSystem.Find("C:\\Data\\temp.dat"), nullptr);
}

TEST_F(DefinitionUpdate, AFileThatCannotBeReplacedKeepsItsContent) {
    machine.fileSystem
        .AddFile("C:\\Data\\ExeDefinition.dat",
                 definitions::EncodeDefinitionLine("one.exe=T|a") + "\r\n" +
                     definitions::EncodeDefinitionLine("two.exe=T|b") + "\r\n")
        .locked = true;
    Apply(Record("EXE", "DEL", "one.exe") + "[BR]" + Record("EXE", "ADD", "new.exe=T|c"));
    EXPECT_EQ(Lines("ExeDefinition.dat"), (Lines_{"one.exe=T|a", "two.exe=T|b"}));
    EXPECT_EQ(machine.fileSystem.Find("C:\\Data\\temp.dat"), nullptr);
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"new.exe=T|c"}));
}

TEST_F(DefinitionUpdate, AnUpdateAppliedTwiceAddsItsLinesOnce) {
    File("FileDefinition.dat", {"old=T|x"});
    const std::string text =
        Record("FILE", "ADD", "new=T|y") + "[BR]" + Record("FILE", "ADD", "old=T|x");
    EXPECT_EQ(Apply(text), 2);
    EXPECT_EQ(Apply(text), 2) << "counted as sent, so the date still moves on";
    EXPECT_EQ(Lines("FileDefinition.dat"), (Lines_{"old=T|x", "new=T|y"}));
}

TEST_F(DefinitionUpdate, ALongDeletionPassReportsEveryHundredLines) {
    std::vector<std::string> lines;
    for (int i = 0; i < 250; ++i) {
        lines.push_back("f" + std::to_string(i) + "=T|x");
    }
    File("ExeDefinition.dat", lines);
    std::vector<std::string> statuses;
    machine.eventLoop.onYield = [&] {
        statuses.push_back(app->frmDownload.txtStatus->Text());
    };
    Apply(Record("EXE", "DEL", "f7"));
    machine.eventLoop.onYield = nullptr;
    EXPECT_NE(std::find(statuses.begin(), statuses.end(),
                        "Removing outdated definitions: checking entry 200"),
              statuses.end());
    EXPECT_EQ(Lines("ExeDefinition.dat").size(), 249u);
}

TEST(DateAnswer, IsCutAfterTheFirstPmOrElseTheFirstAm) {
    EXPECT_EQ(CleanDateAnswer("  12/8/2026 3:04:05 PM\r\n<br>more\t"), "12/8/2026 3:04:05 PM");
    EXPECT_EQ(CleanDateAnswer("12/8/2026 9:00:00 AM then"), "12/8/2026 9:00:00 AM");
    EXPECT_EQ(CleanDateAnswer("1/2/2026\t10:00:00\r\nam"), "1/2/202610:00:00am");
    EXPECT_EQ(CleanDateAnswer("1/2/2026 1:00:00 AM (pm)"), "1/2/2026 1:00:00 AM (pm")
        << "the PM search comes first, and what lies between then spoils the date";
    EXPECT_FALSE(core::ParseDateTime(CleanDateAnswer("1/2/2026 1:00:00 AM (pm)")));
    EXPECT_EQ(CleanDateAnswer("not a date"), "not a date");
}

}  // namespace
}  // namespace update
