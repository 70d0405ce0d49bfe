#include "update/definition_update.h"

#include <array>
#include <iterator>
#include <optional>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"
#include "core/definition_files.h"
#include "core/definitions_date.h"
#include "update/date_answer.h"
#include "update/definition_file_pass.h"
#include "update/http_transfer.h"
#include "update/server_address.h"
#include "update/signed_answer.h"
#include "update/update_records.h"

namespace update {

namespace {

constexpr std::string_view kScratchFile = "temp.dat";
// How often a long deletion pass reports and lets the window repaint.
constexpr std::int64_t kLinesPerStatus = 100;

constexpr platform::DateTime kZeroDate{1899, 12, 30, 0, 0, 0, 6};

void ShowStatus(core::Application& app, ui::TextBox& status, std::string text) {
    WriteStatus(status, std::move(text));
    app.ports.eventLoop.YieldToMessageLoop();
}

}  // namespace

AppliedUpdate ApplyDefinitionUpdate(core::Application& app, std::string_view updateText,
                                    ui::TextBox& status) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::vector<UpdateRecord> records = ReadUpdateRecords(updateText);
    const std::array<FileChanges, std::size(kTargetFiles)> changesByFile = ChangesByFile(records);
    const std::string scratch = definitions::DataFile(app.DataFolder, kScratchFile);
    AppliedUpdate applied;
    PassProgress progress{kLinesPerStatus, [&](std::int64_t linesOfThisFile) {
                              ShowStatus(app, status,
                                         "Removing outdated definitions: checking entry " +
                                             std::to_string(linesOfThisFile));
                          }};
    for (std::size_t file = 0; file < std::size(kTargetFiles); ++file) {
        const std::string path =
            definitions::DataFile(app.DataFolder, TargetFileName(kTargetFiles[file]));
        const FileChanges& changes = changesByFile[file];
        ShowStatus(app, status, "Applying new updates...");
        if (changes.pendingDeletions.empty() && changes.added.empty() &&
            fs.Attributes(path).has_value()) {
            continue;
        }
        if (!RewriteDefinitionFile(fs, path, scratch, changes, progress)) {
            // Its changes count nowhere, and the date stays, so that the
            // next update brings them again.
            applied.complete = false;
            continue;
        }
        applied.changeCount += static_cast<std::int32_t>(changes.added.size());
        if (!changes.pendingDeletions.empty()) {
            ++applied.changeCount;  // the file lost lines
        }
    }
    return applied;
}

namespace {

// The product's identification in a request: spaces as "%20", nothing else
// escaped.
std::string ProductQuery(core::Application& app) {
    return "prog=" + base::ReplaceAll(app.branding.ProgramName, " ", "%20") +
           "&comp=" + base::ReplaceAll(app.branding.CompanyName, " ", "%20");
}

bool IsLater(const platform::DateTime& a, const platform::DateTime& b) {
    return core::SecondsSinceZeroDate(a) > core::SecondsSinceZeroDate(b);
}

}  // namespace

DefinitionUpdateResult RunDefinitionUpdate(core::Application& app) {
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
    DefinitionUpdateResult result;
    // A refused certificate is no "most recent definitions": someone may
    // stand between the program and its server.
    result.untrusted =
        !answeredDate && app.ports.http.LastFailure() == platform::HttpFailure::Certificate;
    bool storeDate = true;
    // The newest date the signed changes cover, which is stored when known.
    std::optional<platform::DateTime> signedNewest;
    if (IsLater(serverDate, clientDate)) {
        const Transfer changes = TransferText(app.ports,
                                              server + "/asp/getDefsNEW.asp?" + ProductQuery(app) +
                                                  "&date=" + core::GeneralDateText(clientDate),
                                              download.txtStatus);
        result.untrusted = changes.end == TransferEnd::NoAnswer &&
                           app.ports.http.LastFailure() == platform::HttpFailure::Certificate;
        // The server has newer definitions and could not hand them over:
        // neither "most recent" nor a fault of the publisher's signature.
        result.incomplete = changes.end != TransferEnd::Whole && !result.untrusted;
        // Only a whole answer is applied: a cut one ends in the middle of a
        // record, and storing a date past the changes it lost would lose
        // them for good.
        std::optional<std::string_view> body;
        if (changes.end == TransferEnd::Whole && app.PublisherKey) {
            // Nothing reaches the files that the publisher did not sign for
            // this very date; and an answer that covers less than the files
            // hold is an old one, replayed.
            const std::optional<VerifiedChanges> verified = VerifyChanges(
                app.ports.signatureVerifier, *app.PublisherKey, clientDate, changes.text);
            if (verified && !IsLater(clientDate, verified->newest)) {
                body = verified->body;
                signedNewest = verified->newest;
            } else {
                result.unverified = true;
            }
        } else if (changes.end == TransferEnd::Whole) {
            body = changes.text;
            // A build without a key cannot check the signature record, but
            // the date it names is never later than what the answer holds,
            // while the end date may be: a cache's copy of the changes can
            // be older than the server's date at the end.
            if (const std::optional<SignedChanges> named = ReadSignedChanges(changes.text);
                named && !IsLater(clientDate, named->newest)) {
                signedNewest = named->newest;
            }
        }
        if (body) {
            const AppliedUpdate applied = ApplyDefinitionUpdate(app, *body, *download.txtStatus);
            result.changeCount = applied.changeCount;
            storeDate = applied.complete;
        }
    }
    // 5.
    if (result.changeCount > 0 && storeDate) {
        // Without a date in this answer the date of the first one stands: it
        // is known good, and the zero date would make the next update fetch
        // (and append) every change the server ever made.
        const platform::DateTime endDate =
            DateOfAnswer(DownloadText(app.ports, server + "/asp/date.asp")).value_or(serverDate);
        // What the signed changes cover is stored when known: a change
        // published since they were sent is later than that, and the next
        // update asks for it.
        const std::string text = core::GeneralDateText(signedNewest.value_or(endDate));
        definitions::WriteDefinitionsDate(app.ports.fileSystem, app.DataFolder, text);
        app.frmMain.lblDefVersion->SetCaption(core::UserDateTextOf(app.ports.localeFormats, text) +
                                              " PST");
    }
    // 6.
    return result;
}

}  // namespace update
