// Definition lines turned into changes, read back the way the program reads
// the update text: what it files for an ADD, and which line a DEL removes.

#include "definition_changes.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "definitions/line_code.h"

namespace defserver {
namespace {

// The line the program appends for an ADD, decoded.
std::string FiledLine(const Change& change) {
    std::string body;
    for (const char c : change.body) {
        body.push_back(c == '|' || c == '=' ? c : definitions::DecodeDefinitionChar(c));
    }
    if (change.kind == "REG") {
        // A=B|C|D becomes C^=B|D.
        const std::vector<std::string> fields = base::Split(body, "|");
        const std::string& first = fields.at(0);
        return fields.at(1) + "^=" + first.substr(first.find('=') + 1) + "|" + fields.at(2);
    }
    if (change.kind == "COOK") {
        return body.substr(0, body.find('='));
    }
    if (change.kind.find('S') != std::string::npos) {
        return change.kind + "|" + body;
    }
    return body;
}

// The key that the program compares, in lower case: a stored line's, and a
// DEL record's, whose body it decodes whole.
std::string LineKey(std::string_view line) {
    return base::LowerCase(line.substr(0, line.find('=')));
}
std::string DeletionKey(const Change& change) {
    return LineKey(definitions::DecodeDefinitionLine(change.body));
}

Change Added(std::string_view kind, std::string_view line) {
    Checked<Change> change = MakeAddition(kind, line);
    EXPECT_TRUE(change) << line << ": " << change.Error();
    return change ? *change : Change{};
}

Change Deleted(std::string_view kind, std::string_view line) {
    Checked<Change> change = MakeDeletion(kind, line);
    EXPECT_TRUE(change) << line << ": " << change.Error();
    return change ? *change : Change{};
}

struct Filing {
    std::string_view kind;
    std::string_view given;
    std::string_view filed;
};

TEST(Additions, EachKindIsFiledAsTheLineThatWasPublished) {
    const Filing cases[] = {
        {"FILE", "evil.dll=Demo.Threat|[windows]\\system32", ""},
        {"EXE", "EVIL.EXE=Demo.Threat|[progfil]Evil", ""},
        {"DLL", "hook.dll=Demo.Threat|[system]|Spyware", ""},
        {"DIR", "Evil folder=Demo.Threat|[progfil]Evil|Adware", ""},
        {"COOK", "tracker.example", ""},
        {"FILE", "caf\xE9.dll=D\xE9mo|[drive]x", ""},
        {"REG", "1^Software\\Acme^=Demo.Acme|Adware", ""},
        {"REG", "1^Software\\Acme^Run^=Demo.Acme|Adware", ""},
        {"REG", "4^Software\\Acme^=Demo.Acme", "4^Software\\Acme^=Demo.Acme|"},
        {"REG", "anything=Demo.Acme|2^SOFTWARE\\Acme|Adware", "2^SOFTWARE\\Acme^=Demo.Acme|Adware"},
        {"SFILE", "readme.txt=Read me|[appdata]Acme\\readme.txt",
         "SFILE|readme.txt=Read me|[appdata]Acme\\readme.txt"},
        {"sdir", "SDIR|Settings=Settings|[appdata]Acme", "SDIR|Settings=Settings|[appdata]Acme"},
        {"SREG", "Run=Run|2^Software\\Acme^Run", "SREG|Run=Run|2^Software\\Acme^Run"},
        {"EXT", "abcdefghijklmnopabcdefghijklmnop=EvilSearch|chromium|Hijacker", ""},
        {"ext", "{b1d2-addon}=Tracker|firefox", "{b1d2-addon}=Tracker|firefox"},
        {"SEXT", "abcdefghijklmnopabcdefghijklmnop=Kept|*",
         "SEXT|abcdefghijklmnopabcdefghijklmnop=Kept|*"},
    };
    for (const Filing& filing : cases) {
        const std::string expected(filing.filed.empty() ? filing.given : filing.filed);
        EXPECT_EQ(FiledLine(Added(filing.kind, filing.given)), expected) << filing.given;
    }
}

TEST(Additions, SeparatorsGoPlainAndEverythingElseCoded) {
    const Change change = Added("FILE", "a=b|c");
    EXPECT_EQ(change.body, "\xA1=\xA2|\xA3");

    std::string text;
    AppendUpdateRecord(text, change.kind, change.operation, change.body);
    AppendUpdateRecord(text, "COOK", Operation::Del, "\xA1");
    EXPECT_EQ(text, "\x86\x89\x8C\x85|ADD[DEF]\xA1=\xA2|\xA3[BR]\x83\x8F\x8F\x8B|DEL[DEF]\xA1");
}

TEST(Additions, RegistryLinesGoOutKeyedByTheirOwnLine) {
    // The program cancels a pending deletion by the text before "=", so an
    // ADD must carry the same key as a DEL of the line.
    const Change change = Added("REG", "1^Software\\Acme^=Demo.Acme|Adware");
    EXPECT_EQ(PlainBody(change.operation, change.body),
              "1^Software\\Acme^=Demo.Acme|1^Software\\Acme|Adware");
}

struct Refusal {
    std::string_view kind;
    std::string_view line;
    std::string_view reason;
};

TEST(Additions, RefuseWhatTheProgramWouldMisreadOrNotUse) {
    const Refusal cases[] = {
        {"FILE", "a<b.dll=x|y", "\"<\" at position 2"},
        {"FILE", "M\xFCller.dll=x|y", "\"\xC3\xBC\""},
        {"FILE", "a\xC9.dll=x|y", "line end"},
        {"FILE", "a\xCC.dll=x|y", "line end"},
        {"FILE", "a\xFF.dll=x|y", "null character"},
        {"FILE", "a\tb.dll=x|y", "control character 9"},
        {"FILE", "a.dll=x|Gro\xDF", "cannot end in"},
        {"FILE", "   ", "empty"},
        {"FILE", "evil.dll|folder", "file name=threat name"},
        {"EXE", "=x|y", "file name=threat name"},
        {"DIR", "label=Demo", "passes over"},
        {"COOK", "tracker.example=x", "domain alone"},
        {"REG", "HKLM^Software\\Acme^=x|y", "not \"HKLM\""},
        {"REG", "1^Software\\Acme^=|y", "threat name is empty"},
        {"REG", "1^^=x|y", "no key path"},
        {"REG", "no shape at all", "REG definition reads"},
        {"REG", "k=x|1^Software\\Acme|t|more", "fourth part"},
        {"REG", "k=x=y|1^Software\\Acme|t", "holds \"=\""},
        {"SREG", "Run=Run|HKCU^Software", "not \"HKCU\""},
        {"SDIR", "Settings=Settings", "name|folder"},
        {"EXT", "abcdefghijklmnopabcdefghijklmnop=EvilSearch", "extension ID=threat name"},
        {"EXT", "abcdefghijklmnopabcdefghijklmnop=|chromium", "extension ID=threat name"},
        {"EXT", "abcdefghijklmnopabcdefghijklmnop=E|chrome", "not \"chrome\""},
        {"EXT", "a=E|*|t|more", "extension ID=threat name"},
        {"SAFE", "x=y|z", "unknown kind"},
        {"S", "x=y|z", "unknown kind"},
    };
    for (const Refusal& refusal : cases) {
        const Checked<Change> change = MakeAddition(refusal.kind, refusal.line);
        ASSERT_FALSE(change) << refusal.line;
        EXPECT_NE(change.Error().find(refusal.reason), std::string::npos)
            << refusal.line << ": " << change.Error();
    }
}

struct Removal {
    std::string_view kind;
    std::string_view published;
    std::string_view given;
};

TEST(Deletions, NameTheKeyOfTheLineTheProgramFiled) {
    const Removal cases[] = {
        {"FILE", "evil.dll=Demo|[system]", "evil.dll"},
        {"FILE", "evil.dll=Demo|[system]", "EVIL.DLL"},
        {"FILE", "evil.dll=Demo|[system]", "evil.dll=Other|[windir]"},
        {"DIR", "Evil folder=Demo|[progfil]Evil", "Evil folder"},
        {"COOK", "tracker.example", "tracker.example"},
        {"REG", "1^Software\\Acme^=Demo|Adware", "1^Software\\Acme^"},
        {"REG", "1^Software\\Acme^=Demo|Adware", "1^Software\\Acme^=Demo|Adware"},
        {"REG", "1^Software\\Acme^=Demo|Adware", "k=Demo|1^Software\\Acme|Adware"},
        {"REG", "1^Software\\Acme^Run^=Demo|Adware", "1^software\\acme^run^"},
        {"SFILE", "readme.txt=Read me|[appdata]x", "readme.txt"},
        {"SFILE", "readme.txt=Read me|[appdata]x", "SFILE|readme.txt=Read me"},
    };
    for (const Removal& removal : cases) {
        EXPECT_EQ(DeletionKey(Deleted(removal.kind, removal.given)),
                  LineKey(FiledLine(Added(removal.kind, removal.published))))
            << removal.given;
    }
}

TEST(Deletions, AreCodedWholeSoThatASafetyKeyKeepsItsBar) {
    const Change change = Deleted("SFILE", "readme.txt");
    EXPECT_EQ(change.body.find('|'), std::string::npos);
    EXPECT_EQ(PlainBody(change.operation, change.body), "SFILE|readme.txt");
}

TEST(Deletions, RefuseKeysThatCouldNotMatchALine) {
    const Refusal cases[] = {
        {"REG", "1^Software\\Acme", "ends with \"^\""},
        {"REG", "HKCU^Software\\Acme^", "not \"HKCU\""},
        {"FILE", "", "nothing to remove"},
        {"FILE", "=Demo", "key"},
        {"FILE", "evil.dll|[system]", "holds \"|\""},
        {"FILE", "stra\xDF", "cannot end in"},
    };
    for (const Refusal& refusal : cases) {
        const Checked<Change> change = MakeDeletion(refusal.kind, refusal.line);
        ASSERT_FALSE(change) << refusal.line;
        EXPECT_NE(change.Error().find(refusal.reason), std::string::npos)
            << refusal.line << ": " << change.Error();
    }
}

}  // namespace
}  // namespace defserver
