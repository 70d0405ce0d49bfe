#include "update/definition_update.h"

#include <optional>
#include <unordered_set>
#include <vector>

#include "core/application.h"
#include "core/date_time_text.h"
#include "core/file_replace.h"
#include "core/text.h"
#include "definitions/definition_files.h"
#include "definitions/definitions_date.h"
#include "update/http_transfer.h"
#include "update/update_records.h"

namespace update {

namespace {

constexpr std::string_view kScratchFile = "temp.dat";
// How often a long deletion pass reports and lets the window repaint.
constexpr std::int64_t kLinesPerStatus = 100;

constexpr platform::DateTime kZeroDate{1899, 12, 30, 0, 0, 0, 6};

void ShowStatus(core::Application& app, ui::TextBox& status, std::string text) {
    status.SetText(std::move(text));
    app.ports.eventLoop.YieldToMessageLoop();
}

// Calls `visit` with each line of a file's content, without its line end.
template <typename Visit>
void ForEachLine(std::string_view content, Visit&& visit) {
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        visit(line);
        start = end + 1;
    }
}

bool IsEmptyLine(std::string_view line) {
    return line.empty() || line == " ";
}

// What an update does to one file: the lines it adds and the keys whose
// lines it removes.
struct FileChanges {
    std::vector<std::string> added;
    std::unordered_set<std::string> pendingDeletions;
};

FileChanges ChangesFor(TargetFile target, const std::vector<UpdateRecord>& records) {
    FileChanges changes;
    for (const UpdateRecord& record : records) {
        if (!Accepts(target, record.kind)) {
            continue;
        }
        if (record.operation == Operation::Delete) {
            changes.pendingDeletions.insert(RecordKey(record.body));
            continue;
        }
        changes.added.push_back(DefinitionLineOf(record));
        // An addition after a deletion of the same key takes it back.
        if (record.body.find('=') != std::string::npos) {
            changes.pendingDeletions.erase(RecordKey(record.body));
        }
    }
    return changes;
}

}  // namespace

std::string DefinitionServer(core::Application& app) {
    std::string server = core::Trim(app.ReadUserSetting("Settings", "DefinitionServer", ""));
    if (server.empty()) {
        server = DEFINITIONS_SERVER;
    }
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    return server;
}

std::int32_t ApplyDefinitionUpdate(core::Application& app, std::string_view updateText,
                                   ui::TextBox& status) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::vector<UpdateRecord> records = ReadUpdateRecords(updateText);
    const std::string scratch = definitions::DataFile(app.DataFolder, kScratchFile);
    std::int32_t changeCount = 0;
    std::int64_t linesChecked = 0;  // over every deletion pass of this update
    for (const TargetFile target : kTargetFiles) {
        const std::string path = definitions::DataFile(app.DataFolder, TargetFileName(target));
        const FileChanges changes = ChangesFor(target, records);
        changeCount += static_cast<std::int32_t>(changes.added.size());
        ShowStatus(app, status, "Applying new updates...");

        const std::optional<std::string> existing = fs.ReadWholeFile(path);
        const std::string_view old = existing ? std::string_view(*existing) : std::string_view();
        if (changes.pendingDeletions.empty() && changes.added.empty() && existing) {
            continue;
        }
        // A line already there is not added again: an update interrupted
        // before its date was stored is sent again in full next time.
        std::unordered_set<std::string_view> notYetThere(changes.added.begin(),
                                                         changes.added.end());
        if (!notYetThere.empty()) {
            ForEachLine(old, [&](std::string_view line) { notYetThere.erase(line); });
        }
        const auto forEachNewLine = [&](auto&& visit) {
            for (const std::string& line : changes.added) {
                if (notYetThere.erase(line) > 0) {
                    visit(line);
                }
            }
        };
        std::string content;
        content.reserve(old.size() + changes.added.size() * 64 + 2);
        if (changes.pendingDeletions.empty()) {
            content.append(old);
            if (!content.empty() && content.back() != '\n') {
                content.append("\r\n");
            }
            forEachNewLine([&](std::string_view line) { content.append(line).append("\r\n"); });
        } else {
            ++changeCount;
            std::int64_t linesOfThisFile = 0;
            std::string key;
            const auto keep = [&](std::string_view line) {
                ++linesOfThisFile;
                if (++linesChecked % kLinesPerStatus == 0) {
                    ShowStatus(app, status,
                               "Removing outdated definitions: checking entry " +
                                   std::to_string(linesOfThisFile));
                }
                if (IsEmptyLine(line)) {
                    return;
                }
                LineKeyInto(line, key);
                if (!changes.pendingDeletions.contains(key)) {
                    content.append(line).append("\r\n");
                }
            };
            ForEachLine(old, keep);
            forEachNewLine(keep);
        }
        [[maybe_unused]] const bool replaced = core::ReplaceFileContent(fs, path, content, scratch);
    }
    return changeCount;
}

namespace {

// The product's identification in a request: spaces as "%20", nothing else
// escaped.
std::string ProductQuery(core::Application& app) {
    return "prog=" + core::ReplaceAll(app.branding.ProgramName, " ", "%20") +
           "&comp=" + core::ReplaceAll(app.branding.CompanyName, " ", "%20");
}

std::optional<platform::DateTime> DateOfAnswer(std::string_view answer) {
    return core::ParseDateTime(CleanDateAnswer(answer));
}

bool IsLater(const platform::DateTime& a, const platform::DateTime& b) {
    return core::SecondsSinceZeroDate(a) > core::SecondsSinceZeroDate(b);
}

}  // namespace

std::int32_t RunDefinitionUpdate(core::Application& app) {
    ui::FrmDownload& download = app.frmDownload;
    const std::string server = DefinitionServer(app);
    // 1.
    download.Show();
    ShowStatus(app, *download.txtStatus, "Connecting to the definition server, please wait.");
    // 2.
    const platform::DateTime clientDate =
        core::ParseDateTime(definitions::ReadDefinitionsDate(app.ports.fileSystem, app.DataFolder))
            .value_or(kZeroDate);
    // 3.
    const std::optional<platform::DateTime> answeredDate = DateOfAnswer(DownloadTextWithProgress(
        app.ports, server + "/asp/currentDateNEW.asp?" + ProductQuery(app), *download.txtStatus));
    const platform::DateTime serverDate = answeredDate.value_or(clientDate);
    // 4.
    std::int32_t changeCount = 0;
    if (IsLater(serverDate, clientDate)) {
        const std::string updateText =
            DownloadTextWithProgress(app.ports,
                                     server + "/asp/getDefsNEW.asp?" + ProductQuery(app) +
                                         "&date=" + core::GeneralDateText(clientDate),
                                     *download.txtStatus);
        changeCount = ApplyDefinitionUpdate(app, updateText, *download.txtStatus);
    }
    // 5.
    if (changeCount > 0) {
        // Without a date in this answer the date of the first one stands: it
        // is known good, and the zero date would make the next update fetch
        // (and append) every change the server ever made.
        const platform::DateTime newDate =
            DateOfAnswer(DownloadText(app.ports, server + "/asp/date.asp")).value_or(serverDate);
        const std::string text = core::GeneralDateText(newDate);
        definitions::WriteDefinitionsDate(app.ports.fileSystem, app.DataFolder, text);
        app.frmMain.lblDefVersion->SetCaption(text + " PST");
    }
    // 6.
    return changeCount;
}

}  // namespace update
