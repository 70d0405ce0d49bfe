#include "report/scan_report.h"

#include <fstream>
#include <sstream>

#include "report_fixture.h"

namespace report {
namespace {

std::string Golden(std::string_view name) {
    std::ifstream file(std::string(REPORT_GOLDEN_DIR) + "/" + std::string(name), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class ScanReport : public testing::ReportFixture {
protected:
    // The run of "with_findings.txt".
    void RunWithFindings() {
        Counters("57", "1204", "8311");
        Finding("Evil Toolbar", "C:\\Program Files\\EvilBar\\evilbar.dll");
        Finding("Spy Cookie", "alice@spy.example");
        machine.fileSystem.AddFile(ExclusionFile(),
                                   "C:\\Safe\\tool.exe\r\n\r\n \r\n  \r\nHarmless Helper\r\n");
        machine.fileSystem.AddFile(
            QuarantineLog(),
            "12/1/2026 10:00:00 AM - File: 1evil.exe\r\n - Location: C:\\Evil\\evil.exe\r\n\r\n\r\n"
            "12/1/2026 10:00:01 AM - Key: HKEY_CURRENT_USER\\Software\\Evil\r\nValue: "
            "Run\r\n\r\n\r\n");
    }
};

TEST_F(ScanReport, ARunWithFindingsExclusionsAndAQuarantineLogWritesEverySection) {
    RunWithFindings();
    MakeReport(*app);
    EXPECT_EQ(Report(), Golden("with_findings.txt"));
}

TEST_F(ScanReport, ARunWithoutFindingsOrFilesLeavesTheirSectionsOut) {
    MakeReport(*app);
    EXPECT_EQ(Report(), Golden("no_findings.txt"));
}

TEST_F(ScanReport, SourcesWithNothingToSayLeaveTheirSectionsOut) {
    const struct {
        const char* situation;
        std::string exclusions;
        std::string quarantine;
        bool unreadable;
        bool hidden;
    } cases[] = {
        {"empty files", "", "", false, false},
        {"only empty and single-space lines", "\r\n \r\n\r\n \r\n", "", false, false},
        {"unreadable files", "evil.exe\r\n", "record\r\n", true, false},
        {"hidden files", "evil.exe\r\n", "record\r\n", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        fakes::FakeFileSystem::File& exclusions =
            machine.fileSystem.AddFile(ExclusionFile(), c.exclusions);
        fakes::FakeFileSystem::File& quarantine =
            machine.fileSystem.AddFile(QuarantineLog(), c.quarantine);
        exclusions.unreadable = quarantine.unreadable = c.unreadable;
        exclusions.hidden = quarantine.hidden = c.hidden;
        MakeReport(*app);
        EXPECT_EQ(Report(), Golden("no_findings.txt"));
    }
}

TEST_F(ScanReport, ASecondReportReplacesTheFirstWhole) {
    RunWithFindings();
    MakeReport(*app);
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->Clear();
    Counters("Not Selected", "312", "0");
    machine.fileSystem.Remove(ExclusionFile());
    machine.fileSystem.Remove(QuarantineLog());
    MakeReport(*app);
    EXPECT_EQ(Report(), Golden("no_findings.txt"));
}

TEST_F(ScanReport, AReportThatCannotBeReplacedIsLeftAsItWas) {
    machine.fileSystem.AddFile(ReportFile(), "old report\r\n").locked = true;
    MakeReport(*app);
    EXPECT_EQ(Report(), "old report\r\n");
}

}  // namespace
}  // namespace report
