#include "report/scan_report.h"

#include <vector>

#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/text_lines.h"
#include "removal/quarantine_log.h"
#include "startup_items/startup_report.h"

namespace report {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRule = "-----------------------";

// The report is made of line writes: each puts out its text and a line end.
// Most texts end in a line end of their own, which double-spaces the file.
class ReportWriter {
public:
    template <typename... Parts>
    void Write(const Parts&... parts) {
        (m_text.append(parts), ...);
        m_text.append(kLineEnd);
    }

    [[nodiscard]] const std::string& Text() const noexcept { return m_text; }

private:
    std::string m_text;
};

// The lines of a file that exists and can be read; none otherwise.
std::vector<std::string> LinesOfExistingFile(platform::FileSystem& fs, platform::TextCodec& codec,
                                             std::string_view path) {
    if (!core::FileExists(fs, path)) {
        return {};
    }
    return core::ReadStoredTextLines(fs, codec, path).value_or(std::vector<std::string>{});
}

// Every line of the quarantine log, blank ones too, each set off by an
// empty line.
std::string QuarantineText(platform::FileSystem& fs, platform::TextCodec& codec,
                           std::string_view dataFolder) {
    std::string text;
    for (const std::string& line :
         LinesOfExistingFile(fs, codec, removal::QuarantineLogPath(dataFolder))) {
        text.append(line).append(kLineEnd).append(kLineEnd);
    }
    return text;
}

// The exclusion file's entries. Only lines that are empty or a single space
// are left out; other blank lines are kept as they are.
std::string ExclusionText(platform::FileSystem& fs, platform::TextCodec& codec,
                          std::string_view dataFolder) {
    std::string text;
    for (const std::string& line : LinesOfExistingFile(
             fs, codec, definitions::DataFile(dataFolder, definitions::kExclusions))) {
        if (line.empty() || line == " ") {
            continue;
        }
        text.append(line).append(kLineEnd);
    }
    return text;
}

}  // namespace

std::string ReportPath(std::string_view dataFolder) {
    return definitions::DataFile(dataFolder, kReportFileName);
}

void MakeReport(core::Application& app) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const ui::FrmMain& main = app.frmMain;
    const std::string path = ReportPath(app.DataFolder);
    if (core::FileExists(fs, path)) {
        [[maybe_unused]] const bool removed = fs.RemoveFile(path);
    }
    const std::string quarantine = QuarantineText(fs, app.ports.textCodec, app.DataFolder);
    const std::string exclusions = ExclusionText(fs, app.ports.textCodec, app.DataFolder);
    // The report is in the program's code page, as its texts are: UTF-8
    // without a byte order mark where the manifest's code page holds, which
    // the system's editor reads as such there.
    const platform::VersionResource version = app.ports.programFile.ReadVersionResource();
    const ui::ListView& found = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    ReportWriter report;
    report.Write(kLineEnd);
    report.Write(std::string(19, ' '), app.branding.ProgramName, "v", std::to_string(version.major),
                 ".", std::to_string(version.minor), "   Scan Report.", kLineEnd);
    report.Write(kLineEnd);
    report.Write(kRule, kLineEnd);
    report.Write(" Scan Started at  : ", app.scan.ScanStartedAt, kLineEnd);
    report.Write(" Scan Finished at : ", app.scan.ScanFinishedAt, kLineEnd);
    report.Write(kRule, kLineEnd);
    report.Write(kLineEnd);
    report.Write(kLineEnd);
    report.Write(kLineEnd);
    report.Write(" 1)Total Number of Cookies and Processes inspected: ",
                 main.lblMemoryInspected->Caption(), kLineEnd);
    report.Write(" 2)Total Number of Registry entries inspected: ",
                 main.lblRegistryInspected->Caption(), kLineEnd);
    report.Write(" 3)Total Number of Files/Folders inspected: ",
                 main.lblFilesFolderInspected->Caption(), kLineEnd);
    report.Write(kLineEnd);
    report.Write("[Threats Detected]", kLineEnd, kLineEnd);
    for (int row = 0; row < found.ItemCount(); ++row) {
        const ui::ListItem& item = found.Item(row);
        report.Write(item.text, kLineEnd);
        report.Write(item.SubItem(1), kLineEnd, kLineEnd);
    }
    report.Write("Total = ", std::to_string(found.ItemCount()), kLineEnd);
    if (!exclusions.empty()) {
        report.Write(kLineEnd, "[Files Currently Excluded]", kLineEnd, kLineEnd, exclusions,
                     kLineEnd);
    }
    if (!quarantine.empty()) {
        report.Write(kLineEnd, "[Current Quarantine Log]", kLineEnd, kLineEnd, quarantine, kLineEnd,
                     kLineEnd);
    }
    report.Write(kLineEnd);
    report.Write("=====================End Of Report.");
    // The startup places follow the report, so that everything above stays
    // as readers of the report know it.
    if (const std::string startup = startup_items::StartupReportSection(app); !startup.empty()) {
        report.Write(kLineEnd, startup);
    }
    // A report that cannot be written is skipped; the program goes on.
    [[maybe_unused]] const bool written = fs.WriteWholeFile(path, report.Text());
}

}  // namespace report
