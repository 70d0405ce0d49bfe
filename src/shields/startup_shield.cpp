#include "shields/startup_shield.h"

#include <map>
#include <utility>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "removal/quarantine_log.h"
#include "removal/startup_item_removal.h"
#include "startup_items/startup_places.h"
#include "startup_items/startup_rules.h"
#include "startup_items/startup_scan.h"

namespace shields {

namespace {

using startup_items::Category;
using startup_items::JudgedEntry;
using startup_items::StartupEntry;

bool IsWatched(Category category) {
    switch (category) {
        case Category::Run:
        case Category::RunOnce:
        case Category::RunOnceEx:
        case Category::PoliciesRun:
        case Category::WinlogonShell:
        case Category::WinlogonUserinit:
        case Category::AppInit:
        case Category::Debugger:
        case Category::MonitorProcess:
        case Category::Proxy:
        case Category::ProxyScript:
        case Category::Hosts:
            return true;
        default:
            return false;
    }
}

// The hosts file's entries, read again only when the file changed.
const std::vector<StartupEntry>& HostsEntries(core::Application& app) {
    ShieldState& state = app.shields;
    platform::FileSystem& fs = app.ports.fileSystem;
    if (state.hostsFile.empty()) {
        state.hostsFile = startup_items::HostsFilePath(app.ports.registry, app.ports.shellFolders,
                                                       app.ports.environment);
    }
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(state.hostsFile);
    const std::optional<std::uint64_t> size =
        attributes && !attributes->directory ? fs.FileSize(state.hostsFile) : std::nullopt;
    if (!size || *size > startup_items::kLargestHostsFile) {
        state.hostsStamp.reset();
        state.hostsEntries.clear();
        return state.hostsEntries;
    }
    const std::pair<std::uint64_t, std::uint64_t> stamp{*size, attributes->lastWrite};
    // Without a time of last write, a change of the same size shows only in
    // the content.
    if (state.hostsStamp == stamp && attributes->lastWrite != 0) {
        return state.hostsEntries;
    }
    state.hostsEntries.clear();
    state.hostsStamp.reset();
    if (const std::optional<std::string> content = fs.ReadWholeFile(state.hostsFile)) {
        std::size_t blocking = 0;
        state.hostsEntries = startup_items::ParseHostsFile(state.hostsFile, *content, blocking);
        state.hostsStamp = stamp;
    }
    return state.hostsEntries;
}

std::vector<StartupEntry> WatchedEntries(core::Application& app) {
    std::vector<StartupEntry> entries;
    for (StartupEntry& entry : startup_items::ReadRegistryPlaces(app.ports.registry)) {
        if (IsWatched(entry.category)) {
            entries.push_back(std::move(entry));
        }
    }
    const std::vector<StartupEntry>& hosts = HostsEntries(app);
    entries.insert(entries.end(), hosts.begin(), hosts.end());
    return entries;
}

std::map<std::string, std::string> Noted(const std::vector<StartupEntry>& entries) {
    std::map<std::string, std::string> seen;
    for (const StartupEntry& entry : entries) {
        seen[base::UpperCase(entry.where)] = startup_items::KeptValue(entry);
    }
    return seen;
}

bool LeftAlone(const core::Application& app, const JudgedEntry& judged) {
    return app.SafeList.IsSafeListed(judged.entry.where) ||
           app.exclusions.IsExcluded(judged.entry.where) ||
           app.exclusions.IsExcluded(judged.findingName) ||
           startup_items::KeptByUser(app, judged.entry);
}

void Ask(core::Application& app, const JudgedEntry& judged) {
    ShieldState& state = app.shields;
    ui::FrmHomePageChangedAlert& alert = app.frmHomePageChangedAlert;
    state.askedStartupItem = judged;
    alert.lblHomePageInfo->SetCaption(StartupItemQuestion(app, judged));
    alert.ShowModal();
    // Closed without an answer, the entry stays as it is, and is not asked
    // about again until it changes.
    state.askedStartupItem.reset();
}

}  // namespace

std::string StartupItemQuestion(const core::Application& app, const JudgedEntry& judged) {
    std::string question = app.Message("MSG_SHIELD_SI_CHANGED") + "\r\n\r\n" + judged.findingName +
                           "\r\n" + judged.entry.where;
    if (!judged.entry.data.empty() && judged.entry.category != Category::Hosts) {
        question += "\r\n" + judged.entry.data;
    }
    return question + "\r\n\r\n" + app.Message("MSG_SHIELD_POLICY_KEEP") + "\r\n\r\n" +
           app.Message("MSG_SHIELD_POLICY_REMOVE");
}

void CheckStartupPlaces(core::Application& app) {
    ShieldState& state = app.shields;
    std::vector<StartupEntry> entries = WatchedEntries(app);
    std::map<std::string, std::string> seen = Noted(entries);
    if (!state.knownStartupEntries) {
        state.knownStartupEntries = std::move(seen);
        return;
    }
    // Known from now on, whatever the answers: a question left unanswered is
    // not asked again every five seconds.
    const std::map<std::string, std::string> before =
        std::exchange(*state.knownStartupEntries, seen);
    std::optional<startup_items::RuleContext> context;
    for (StartupEntry& entry : entries) {
        const auto known = before.find(base::UpperCase(entry.where));
        if (known != before.end() && known->second == startup_items::KeptValue(entry)) {
            continue;
        }
        // The folders and the management are asked only when something
        // changed: a quiet tick costs the reads alone.
        if (!context) {
            context.emplace();
            context->folders = startup_items::FoldersOf(app.ports);
            context->managed = app.ports.deviceManagement.ManagedByOrganisation();
        }
        startup_items::CompleteEntry(app.ports, entry);
        std::optional<startup_items::Verdict> verdict = startup_items::Judge(entry, *context);
        if (!verdict) {
            continue;
        }
        JudgedEntry judged{entry, verdict, startup_items::FindingNameOf(app, entry, *verdict)};
        if (!LeftAlone(app, judged)) {
            Ask(app, judged);
        }
    }
}

void KeepAskedStartupItem(core::Application& app) {
    const std::optional<JudgedEntry>& judged = app.shields.askedStartupItem;
    if (judged) {
        app.WriteUserSetting(startup_items::kKeptStartupItemsSection, judged->entry.where,
                             startup_items::KeptValue(judged->entry));
    }
}

void RemoveAskedStartupItem(core::Application& app) {
    const std::optional<JudgedEntry> judged = app.shields.askedStartupItem;
    if (!judged) {
        return;
    }
    removal::RemovalState& removal = app.removal;
    // Its own removal: the copy is saved whatever an earlier removal saved,
    // and the index names the entry's finding as its threat.
    auto saved = std::exchange(removal.SavedRegistry, {});
    std::string threat = std::exchange(removal.CurrentThreat, judged->findingName);
    removal::CreateQuarantineFolder(app.ports.fileSystem, app.DataFolder);
    const std::optional<std::string_view> reason =
        removal::RemoveStartupEntry(app, *judged, app.shields.hostsFile);
    removal.SavedRegistry = std::move(saved);
    removal.CurrentThreat = std::move(threat);
    // Set again later, even as it was, it is a new question.
    NoteStartupPlaces(app);
    if (reason) {
        app.ports.dialogs.ShowMessage(judged->entry.where + "\r\n\r\n" + app.Message(*reason),
                                      app.branding.ProgramName, platform::MessageButtons::Ok,
                                      platform::MessageIcon::Exclamation);
    }
}

void NoteStartupPlaces(core::Application& app) {
    // Before the first tick nothing is known yet, and that tick takes note.
    if (app.shields.knownStartupEntries) {
        app.shields.knownStartupEntries = Noted(WatchedEntries(app));
    }
}

}  // namespace shields
