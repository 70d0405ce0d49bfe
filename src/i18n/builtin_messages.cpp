#include <array>
#include <string_view>
#include <utility>

#include "i18n/languages.h"

namespace i18n {

namespace {

// The order is part of the catalogue: slots are filled in it.
constexpr std::array<std::pair<std::string_view, std::string_view>, 65> kBuiltInMessages{{
    {"MSG_THANK1", "Thank you for using [ProgramName]!"},
    {"MSG_THANK2",
     "Because this is the first time you have used [ProgramName] we recommend running Live "
     "Update now to download the most recent adware and spyware definitions."},
    {"MSG_THANK3", "Would you like to run Live Update now?"},
    {"MSG_THANK4", "Update Now?"},
    {"MSG_MISSING",
     "Definition files are missing or they have been corrupted. Please run Live Update."},
    {"MSG_PAUSED", "[ProgramName] has been paused.  Click OK to resume."},
    {"MSG_SURE", "Are you sure?"},
    {"MSG_EXCLUDE1", "No exclusion file exists yet."},
    {"MSG_EXCLUDE2", "No Exclusion File"},
    {"MSG_INTERNET", "Definitions could not be downloaded. Please check your internet connection."},
    {"MSG_ANON1", "By sending anonymous data you can help us identify new spyware more quickly."},
    {"MSG_ANON2",
     "No personal information is collected, the only information sent is executable names "
     "that are currently loaded into memory."},
    {"MSG_ANON3", "Do you really want to turn off anonymous data collection?"},
    {"MSG_ANON4", "Really turn off anonymous data collection?"},
    {"MSG_SORRY", "Sorry, there are no entries to be excluded."},
    {"MSG_SORRY2", "Sorry, there are no entries to be removed."},
    {"MSG_EXC_SURE1", "Are you sure you want to exclude the selected files?"},
    {"MSG_EXC_SURE2", "Excluded files will not show up as Adware/Spyware on future scans."},
    {"MSG_EXC_SURE3", "You can edit the list of excluded files through the Quarantine menu."},
    {"MSG_EXC_SURE4", "Really Exclude?"},
    {"MSG_DATE", "Please select the date that you want to scan."},
    {"MSG_STOP", "Are you sure you want to stop the scan?"},
    {"MSG_SELECTED",
     "No entries are selected.  You must check the box next to at least one item in the list."},
    {"MSG_CONFIRM1", "Are you sure you want to delete the selected files?"},
    {"MSG_CONFIRM2",
     "Deleted files will be backed up in the following folder in case you need to recover "
     "them:"},
    {"MSG_CONFIRM3",
     "In addition, a System Restore Point will be created using Windows System Restore, "
     "accessible through:"},
    {"MSG_CONFIRM4", "Start > Programs > Accessories > System Tools > System Restore"},
    {"MSG_ERROR_STOPPED",
     "could not be stopped.  You should try again after saving your work and closing any open "
     "applications."},
    {"MSG_FOUND1", "[ProgramName] has found ["},
    {"MSG_FOUND2", "] using you system memory. Click YES to stop ["},
    {"MSG_FOUND3", "] from using your system memory. Otherwise click No."},
    {"MSG_CLOSING",
     "Closing [ProgramName] may leave your system vulnerable to malicious programs. Are you "
     "sure you want to exit?"},
    {"MSG_REALLY", "Really Delete?"},
    {"MSG_REMOVING", "Removing : 0% Completed."},
    {"MSG_REMOVING2", "Removing"},
    {"MSG_COMPLETED", "Completed."},
    {"MSG_MISSINGFILES", "Files Missing, Run Live Update"},
    {"MSG_NOCOMPANY", "No Company name available for"},
    {"MSG_DOWNLOADING", "Connecting to server/downloading....."},
    {"MSG_CONNECTING", "Connecting to server....."},
    {"MSG_CHECKING", "Checking for Definitions....."},
    {"MSG_CONNECTING2", "Connecting to the Server."},
    {"MSG_SENDING", "Sending and receiving data, please wait."},
    {"MSG_SENT", "Successfully sent the request."},
    {"MSG_RECEIVING", "Receiving a response from the Server."},
    {"MSG_SCAN_CANCELLED", "Scanning was cancelled."},
    {"MSG_SCAN_COMPLETED", "Scanning complete."},
    {"MSG_RESULTS", "Results:"},
    {"MSG_RESULTS_THANK", "submitted.  Thank you!"},
    {"MSG_PROBLEM", "There was a problem submitting"},
    {"MSG_PROBLEM2", "Please make sure you are connected to the internet, or try again later."},
    {"MSG_UPDATED_DEFS", "Your [ProgramName] definitions have been updated!"},
    {"MSG_RECENT_DEFS", "You are using the most recent [ProgramName] definitions."},
    {"MSG_WEBSITE", "Visit [Website]"},
    // The company placeholder is the one that is substituted, so the window
    // caption names the company.
    {"MSG_CAPTION", "[ProgramName] by [CompanyName]"},
    {"MSG_CAPTION2", "Welcome to [ProgramName]"},
    {"MSG_COOKIES", "Inspecting Cookies"},
    {"MSG_COOKIES_FINISHED", "Finished Inpecting Cookies"},
    {"MSG_MEMORY", "Inspecting memory"},
    {"MSG_NOTSELECED", "Not Selected"},
    {"MSG_REGISTRY", "Scanning registry"},
    {"MSG_SPYWARE", "Scanning known Spyware/Adware"},
    {"MSG_INFORMATION", "Gathering information..."},
    {"MSG_RESTOREPOINT", "Creating Restore Point..."},
    {"MSG_COMPLETE", "complete"},
}};

// Texts of the language window that the list above lacks: without them its
// caption and its download confirmation would be empty, and a download that
// could not be stored, or arrived only in part, would pass in silence.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kLanguageWindowMessages{{
    {"MSG_TITLELANGUAGE", "Language Selection"},
    {"MSG_DOWNLOADED",
     "The language file has been updated. The new texts appear when you choose a language "
     "or start the program again."},
    {"MSG_LANGUAGE_NOT_SAVED",
     "The new language file could not be saved. The current translations are kept."},
    {"MSG_LANGUAGE_INCOMPLETE",
     "The language update failed: the new language file did not arrive whole. The current "
     "translations are kept."},
}};

// Texts of the signature check of what the servers send: without them a
// refused update would read as an empty notice.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kSignatureMessages{{
    {"MSG_UPDATE_NOT_VERIFIED",
     "The definitions update could not be verified as coming from the publisher of "
     "[ProgramName], so nothing was changed. Please run Live Update again later; if this "
     "keeps happening, the network you are on may be altering what it carries."},
    {"MSG_LANGUAGE_NOT_VERIFIED",
     "The language update failed: the new language file could not be verified as coming from "
     "the publisher of [ProgramName]. Nothing was changed; the current translations are kept."},
    {"MSG_UPDATES_UNSIGNED",
     "This copy was built without the publisher's key: it cannot check that its updates come "
     "from the publisher."},
    {"MSG_SERVER_NOT_TRUSTED",
     "[ProgramName] could not connect securely to its update server: the server's security "
     "certificate was refused, so nothing was downloaded or changed. Check that the computer's "
     "date and time are right and run Live Update again; if this keeps happening, the network "
     "you are on may be intercepting the connection, so try another one."},
}};

// Texts of the Run at Startup tool, which shares the catalogue with the
// program so that it speaks the user's language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kRunAtStartupToolMessages{{
    {"MSG_STARTUP_TITLE", "[ProgramName] Run at Startup"},
    {"MSG_STARTUP_EXPLAIN",
     "This tool puts [ProgramName] in the list of programs that Windows starts when a user "
     "logs on, or takes it out of that list. The list is the same for every user of this "
     "computer. Press Add to have Windows run this command at every logon, or Remove to take "
     "it out:"},
    {"MSG_STARTUP_ON", "[ProgramName] is in the Run at Startup list."},
    {"MSG_STARTUP_OFF", "[ProgramName] is not in the Run at Startup list."},
    {"MSG_STARTUP_OTHER",
     "The Run at Startup list holds another command for [ProgramName]; Add replaces it:"},
    {"MSG_STARTUP_ADDED",
     "Done: [ProgramName] was added to the Run at Startup list. Windows starts it when a user "
     "logs on."},
    {"MSG_STARTUP_REMOVED", "Done: [ProgramName] was removed from the Run at Startup list."},
    {"MSG_STARTUP_DENIED",
     "Windows did not allow the change, so nothing was changed. Close this tool, then right "
     "click RunAtStartupTool.exe and select 'Run As Administrator'."},
    {"MSG_STARTUP_NOPROGRAM",
     "[ProgramName] was not found in the folder where its Setup installed it, so it was not "
     "added to the Run at Startup list. Nothing was changed. Run Setup again to repair the "
     "installation."},
}};

// Texts of the quarantine window and of the questions its commands ask.
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kQuarantineMessages{{
    {"MSG_QUARANTINE_TITLE", "[ProgramName] Quarantine"},
    {"MSG_QUARANTINE_FILE", "File"},
    {"MSG_QUARANTINE_FOLDER", "Folder"},
    {"MSG_QUARANTINE_COOKIE", "Cookie"},
    {"MSG_QUARANTINE_REGKEY", "Registry key"},
    {"MSG_QUARANTINE_REGVALUE", "Registry value"},
    {"MSG_RESTORE_SURE1",
     "Are you sure you want to restore the checked items to the places they were removed "
     "from?"},
    {"MSG_RESTORE_EXCLUDE",
     "Add the restored items to the exclusions, so that later scans do not find them again"},
    {"MSG_RESTORE_SURE2", "Really Restore?"},
    {"MSG_RESTORE_CONFLICT1", "Something already stands where this item was:"},
    {"MSG_RESTORE_CONFLICT2",
     "Click Yes to restore the item beside it under a free name, or No to skip it."},
    {"MSG_RESTORE_CONFLICT3", "Restore Beside It?"},
    {"MSG_QDELETE_SURE1", "Are you sure you want to delete the checked items permanently?"},
    {"MSG_QDELETE_SURE2",
     "They are removed from the quarantine and cannot be restored afterwards."},
    {"MSG_QDELETE_SURE3", "Delete Permanently?"},
    {"MSG_QDELETE_FAILED",
     "Some of the checked items could not be deleted and are still in the quarantine. Close "
     "any program that may be using them and try again."},
    {"MSG_RESTORE_NOT_DONE",
     "Some of the checked items were not restored and are still in the quarantine:"},
    {"MSG_RESTORE_WHY_CHANGED",
     "Its saved copy is missing or has changed since it was saved, so it was not put back. Delete "
     "it permanently."},
    {"MSG_RESTORE_WHY_LINK",
     "A link now stands on the way to its place, and a restore never writes through a link. Remove "
     "the link, then restore the item again."},
    {"MSG_RESTORE_WHY_PLACE",
     "Its place is not one it can safely be written back to. Copy it from the quarantine folder by "
     "hand if you need it."},
    {"MSG_RESTORE_WHY_EXISTS",
     "A registry entry of that name is there already and was not overwritten. Compare it with the "
     "item's .reg file in the quarantine folder."},
    {"MSG_RESTORE_WHY_FAILED",
     "It could not be written there. Make sure the disk has room and no program is using the place "
     "(or ask an administrator for the right to write there), then restore the item again."},
}};

// Browser policies: the type and names of their findings, and the word on
// a managed computer.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kBrowserPolicyMessages{{
    {"MSG_POLICY_TYPE", "Browser policy"},
    {"MSG_POLICY_STARTPAGE", "[Browser] start page set to [Value]"},
    {"MSG_POLICY_STARTUPPAGE", "[Browser] opens [Value] at start"},
    {"MSG_POLICY_STARTUPMODE", "[Browser] start-up set to [Value]"},
    {"MSG_POLICY_NEWTAB", "[Browser] new tab page set to [Value]"},
    {"MSG_POLICY_SEARCH", "[Browser] search engine set to [Value]"},
    {"MSG_POLICY_SEARCHSETTING", "[Browser] search setting [Setting] set to [Value]"},
    {"MSG_POLICY_ADDSEARCH", "[Browser] adds search engine [Value]"},
    {"MSG_POLICY_EXTENSION", "[Browser] forces extension [Value]"},
    {"MSG_POLICY_MANAGED",
     "An organisation manages this computer: the browsers' policies are its settings and are not "
     "listed as findings."},
}};

// Texts of the cookie stores of today's browsers: what a scan could not read,
// what a removal could not finish, and the restore of saved cookies.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kCookieStoreMessages{{
    {"MSG_COOKIE_STORE_TOO_LARGE",
     "Cookies not checked: this cookie store is larger than [ProgramName] reads."},
    {"MSG_COOKIE_STORE_UNREADABLE",
     "Cookies not checked: a running browser keeps this cookie store closed to others. Close the "
     "browser and scan again."},
    {"MSG_COOKIE_STORE_IN_USE",
     "[Browser] is running and keeps its cookies open, so they were not changed. Close [Browser] "
     "and try again."},
    {"MSG_COOKIE_STORE_NOT_SAVED",
     "These cookies could not be saved in the quarantine, so none of them were removed. Make room "
     "on the disk and try again."},
    {"MSG_QUARANTINE_COOKIEROWS", "Browser cookies"},
    {"MSG_RESTORE_COOKIES_FAILED",
     "The saved cookies could not be put back, and the browser's cookies were not changed. The "
     "saved copy stays in the quarantine."},
    {"MSG_RESTORE_COOKIES_SKIPPED",
     "Some saved cookies were not put back, because the browser already has a cookie of the same "
     "site, name and path; the browser's own ones were kept."},
}};

// The browser policy shield's question about a policy set while the program
// runs, and what it says when the answer's removal fails.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPolicyShieldMessages{{
    {"MSG_SHIELD_POLICY_CHANGED", "[ProgramName] has detected that a browser policy has been set:"},
    {"MSG_SHIELD_POLICY_KEEP", "Click YES to keep it."},
    {"MSG_SHIELD_POLICY_REMOVE",
     "Click No to remove it. A copy is kept in the quarantine, from which you can put it back."},
    {"MSG_SHIELD_POLICY_NOT_REMOVED",
     "The browser policy could not be removed: [Policy]. Nothing was changed. Run [ProgramName] "
     "as an administrator and remove it from a scan's results."},
}};

// What a cookie store's removal or restore says when the store itself
// stands in the way; after the others, so that their slots stay.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kCookieStoreRefusals{{
    {"MSG_RESTORE_COOKIES_OTHER_VERSION",
     "The saved cookies were not put back: the browser has changed the layout of its cookie store "
     "since they were removed, and they could be misread. The browser's cookies were not changed, "
     "and the saved copy stays in the quarantine."},
    {"MSG_COOKIE_STORE_UNWORKABLE",
     "This cookie store is damaged or made to take too long to work on, so none of its cookies "
     "were removed and it was not changed."},
}};

// What Live Update says when the server's newer definitions did not arrive,
// and the language download when the server's file is older than the one
// the program came with.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kTransferMessages{{
    {"MSG_UPDATE_INCOMPLETE",
     "The definitions update could not be completed: the update server has newer definitions "
     "but did not send them whole. Nothing was changed. Please run Live Update again later."},
    {"MSG_LANGUAGE_OLDER",
     "The language file on the server is older than the one that came with [ProgramName], so "
     "it was not used. The current translations are kept."},
}};

// Why the Run at Startup tool refuses to add the program.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kStartupToolRefusals{{
    {"MSG_STARTUP_NOTINSTALLED",
     "[ProgramName] is not installed on this computer: Setup's record of its folder was not "
     "found, so nothing was added to the Run at Startup list. Install [ProgramName] with its "
     "Setup program, then run this tool again."},
    {"MSG_STARTUP_UNSAFE",
     "[ProgramName] was not added to the Run at Startup list: users who are not administrators "
     "can change the folder it is installed in, so the program there could be replaced by "
     "another that would then start for every user. Nothing was changed. Install [ProgramName] "
     "into the Program Files folder, then run this tool again."},
}};

// A browser policy the scan cannot read within its limits, named as a
// finding.
constexpr std::array<std::pair<std::string_view, std::string_view>, 1> kUnreadablePolicyMessages{{
    {"MSG_POLICY_UNREADABLE", "[Browser] policy that cannot be read: [Value]"},
}};

// Browser extensions: the type of their findings, why one that no definition
// names is listed, and why the removal leaves one in place.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kExtensionMessages{{
    {"MSG_EXT_TYPE", "Browser extension"},
    {"MSG_EXT_RISKY", "Risky extension"},
    {"MSG_EXT_RISK_SEARCH", "Changes the search engine"},
    {"MSG_EXT_RISK_HOMEPAGE", "Changes the home page"},
    {"MSG_EXT_RISK_STARTUP", "Changes the startup pages"},
    {"MSG_EXT_RISK_NEWTAB", "Changes the new tab page"},
    {"MSG_EXT_RISK_REGISTRY", "Installed by another program through the registry"},
    {"MSG_EXT_RISK_EXTERNAL", "Installed by another program through an extensions file"},
    {"MSG_EXT_RISK_COMMANDLINE", "Loaded through the browser's command line"},
    {"MSG_EXT_RISK_UNPACKED", "Loaded from a folder outside your own"},
    {"MSG_EXT_NOT_REMOVED",
     "[ProgramName] cannot remove browser extensions yet, so nothing was changed. Remove it in "
     "[Browser]'s extensions page."},
}};

// The startup places: the phase's title, the findings' types and reasons,
// and why a removal leaves some kinds alone.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kStartupItemMessages{{
    {"MSG_STARTUPITEMS", "Scanning startup items"},
    {"MSG_SI_TYPE_STARTUP", "Startup item"},
    {"MSG_SI_TYPE_HIJACK", "Hijack point"},
    {"MSG_SI_WRITABLE",
     "starts a program that is not validly signed from a folder that any user can write"},
    {"MSG_SI_SCRIPT",
     "has a script host or system tool run something fetched from the Internet or hidden"},
    {"MSG_SI_SHELL", "starts another program than Explorer as the Windows shell"},
    {"MSG_SI_USERINIT", "starts more or other than the system's userinit at logon"},
    {"MSG_SI_APPINIT", "loads a library into every program that has windows"},
    {"MSG_SI_DEBUGGER", "starts another program in place of this one or when it ends"},
    {"MSG_SI_HOSTS", "sends these names to another address than their own"},
    {"MSG_SI_PROXY", "sends the browser's traffic through a program on this computer"},
    {"MSG_SI_PROXYSCRIPT", "lets a script choose where the browser's traffic goes"},
    {"MSG_SI_BROWSERARGS", "makes the browser open an address or load an extension at every start"},
    {"MSG_SI_FAKEBROWSER", "bears a browser's name but starts another program"},
    {"MSG_SI_TASKHIDDEN",
     "is a hidden task that starts a script host, a system tool or an unsigned program from a "
     "folder any user can write"},
    {"MSG_SI_TASKREPEAT", "starts a program from a folder any user can write every few minutes"},
    {"MSG_SI_NOT_REMOVED",
     "[ProgramName] cannot change this kind of entry yet, so nothing was changed. Change it by "
     "hand, or with the program that set it."},
    {"MSG_SI_NOT_REMOVED_HOSTS",
     "[ProgramName] cannot change the hosts file yet, so nothing was changed. Open the file in a "
     "text editor run as an administrator and put a # in front of the line."},
}};

// The About window's credit to the public lists that definitions come from,
// as their licences ask.
constexpr std::array<std::pair<std::string_view, std::string_view>, 1> kCreditMessages{{
    {"MSG_EXTENSION_DEFINITIONS_CREDIT",
     "Browser extension definitions converted from chrome-mal-ids by Mallory Bowes Brown and "
     "contributors (github.com/mallorybowes/chrome-mal-ids), licensed under CC BY 4.0."},
}};

// Why a startup entry was left as it was, how its restore went, the
// quarantine's names of what those removals saved, and the shield's question
// about an entry that appears while the program runs.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kStartupRemovalMessages{{
    {"MSG_SI_RUN_AS_ADMIN",
     "Only an administrator can change this entry, so nothing was changed. Close [ProgramName], "
     "start it again with a right-click and \"Run as administrator\", and remove the entry again."},
    {"MSG_SI_NOT_SAVED",
     "[ProgramName] could not save this entry in the quarantine, so nothing was changed. Make sure "
     "the disk has room, then remove it again."},
    {"MSG_SI_NOT_CHANGED",
     "[ProgramName] could not change this entry, so it was left as it was. Close the program that "
     "uses it, then remove it again."},
    {"MSG_RESTORE_SI_CHANGED",
     "It has been changed since the removal, so it was not put back: the setting there now stays."},
    {"MSG_RESTORE_HOSTS_LINES",
     "The hosts file has changed since the removal, so only the lines that the removal had "
     "commented out were put back; its other changes stay."},
    {"MSG_RESTORE_HOSTS_GONE",
     "The hosts file has changed since the removal, and the lines that the removal had commented "
     "out no longer stand there as it left them, so nothing was changed."},
    {"MSG_QUARANTINE_REGRESET", "Registry value (reset)"},
    {"MSG_QUARANTINE_HOSTSLINES", "Hosts file lines"},
    {"MSG_QUARANTINE_SHORTCUTARGS", "Shortcut arguments"},
    {"MSG_QUARANTINE_SERVICE", "Service start type"},
    {"MSG_QUARANTINE_TASK", "Scheduled task"},
    {"MSG_SHIELD_SI_CHANGED",
     "[ProgramName] has detected a new or changed entry that starts a program or redirects the "
     "browser:"},
}};

// Why a restored item stays in the quarantine although it was written back.
constexpr std::array<std::pair<std::string_view, std::string_view>, 1> kRestoreCheckMessages{{
    {"MSG_RESTORE_WHY_NOT_BACK",
     "It was written back, but is not in its place now; a program may have removed it again. It "
     "stays in the quarantine: restore it again, or copy it from the quarantine folder by hand."},
}};

// The removal and restore of browser extensions.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kExtensionRemovalMessages{{
    {"MSG_EXT_BROWSER_RUNNING",
     "[Browser] is running and keeps its settings open, so the extension was not changed. Close "
     "[Browser] and try again."},
    {"MSG_EXT_NOT_SAVED",
     "The extension could not be saved in the quarantine, so nothing was changed."},
    {"MSG_EXT_BY_POLICY",
     "An organisation's policy installs this extension in [Browser], so nothing was changed. "
     "Remove the policy first."},
    {"MSG_EXT_UNWORKABLE",
     "The settings of [Browser] could not be read or written, so the extension was not changed."},
    {"MSG_EXT_REINSTALLER_KEPT",
     "This would install the extension in [Browser] again and could not be removed. Remove it by "
     "hand."},
    {"MSG_QUARANTINE_EXTSETTINGS", "Browser extension settings"},
    {"MSG_EXT_RESTORE_RUNNING",
     "The browser is running with this profile and would overwrite its settings when it ends. "
     "Close the browser and try again."},
    {"MSG_EXT_RESTORE_ENTRIES_ONLY",
     "The browser has changed this settings file since the removal: only the extension's own "
     "entries were put back, and its other changes kept."},
    {"MSG_EXT_RESTORE_ALREADY",
     "The browser holds this extension again, so its settings file was left as it is."},
    {"MSG_EXT_RESTORE_NOT_SETTINGS",
     "The settings file is missing or not as the browser writes it, so it was left as it is."},
    {"MSG_SHIELD_EXT_NEW",
     "[ProgramName] has detected that a browser extension has been installed:"},
}};

}  // namespace

void LoadBuiltInMessages(clsLanguages& catalogue) {
    for (const auto& [name, text] : kBuiltInMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kLanguageWindowMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kRunAtStartupToolMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kSignatureMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kQuarantineMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kBrowserPolicyMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kCookieStoreMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kPolicyShieldMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kCookieStoreRefusals) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kTransferMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kStartupToolRefusals) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kUnreadablePolicyMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kExtensionMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kStartupItemMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kCreditMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kStartupRemovalMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kRestoreCheckMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
    for (const auto& [name, text] : kExtensionRemovalMessages) {
        catalogue.setMessage(std::string(name), std::string(text));
    }
}

}  // namespace i18n
