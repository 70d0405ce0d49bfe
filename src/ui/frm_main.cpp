#include "ui/frm_main.h"

namespace ui {

namespace {

Frame& Page(Form& form, std::string name, std::string caption) {
    Frame& page = form.AddFrame(std::move(name), std::move(caption), FrmMain::kPage);
    page.border = false;
    page.SetLook(Look::Title);
    return page;
}

CommandButton& SideButton(Form& form, std::string name, std::string caption, int top, Look look) {
    CommandButton& button = form.AddButton(std::move(name), std::move(caption), {12, top, 160, 36});
    button.SetLook(look);
    return button;
}

}  // namespace

FrmMain::FrmMain(FormContext& context) : Form(context, "FrmMain") {
    SetCaption("Anti-Spyware");
    SetSize(kWidth, kHeight);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    bannerHeight = kBannerHeight;

    BuildSideBar();
    BuildStatusPage();
    BuildScanPage();
    BuildResultsPage();
    BuildOptionsPage();
    BuildMenu();
    BuildTimers();

    AddAlias("PicStartUp", *frmStatus);
    AddAlias("PicSweepNow", *frmScan);
    AddAlias("PicResults", *frmResults);
    AddAlias("PicOptions", *frmOptions);
    AddAlias("lblSweepNow", *cmdScan);
    AddAlias("lblResult", *cmdResults);
    AddAlias("lblOptions", *cmdSettings);
}

void FrmMain::BuildSideBar() {
    Label22 = &AddLabel("Label22", "", {20, 14, kWidth - 80, 36});
    Label22->SetLook(Look::Banner);
    lblHide = &AddSkinLabel("lblHide", "X", {kWidth - 36, 18, 20, 24});
    lblHide->SetLook(Look::Banner);
    lblHide->align = Label::Align::Center;
    lblHide->SetToolTip("Close");
    shpCircle = &AddShape("shpCircle", {kWidth - 64, 12, 40, 40});

    const int first = kBannerHeight + 12;
    cmdStatus = &SideButton(*this, "cmdStatus", "Status", first, Look::Nav);
    cmdScan = &SideButton(*this, "cmdScan", "Scan Now", first + 44, Look::Nav);
    cmdResults = &SideButton(*this, "cmdResults", "Results/Removal", first + 88, Look::Nav);
    cmdSettings = &SideButton(*this, "cmdSettings", "Options", first + 132, Look::Nav);
    cmdUpdate = &SideButton(*this, "cmdUpdate", "Live Update", first + 176, Look::Nav);

    cmdWebsite = &SideButton(*this, "cmdWebsite", "", kHeight - 120, Look::Normal);
    Command5 = &SideButton(*this, "Command5", "Send to Tray", kHeight - 78, Look::Normal);
    lblExit = &AddSkinLabel("lblExit", "Exit", {12, kHeight - 32, 160, 20});
    lblExit->SetLook(Look::Link);
    lblExit->align = Label::Align::Center;
}

void FrmMain::BuildMenu() {
    mnuFile = &AddMenu("mnuFile", "&File");
    static constexpr std::array<const char*, 9> kItems{
        "Scan Now", "-", "View Log", "-", "Run Live Update", "-", "Minimize to Tray", "-", "Exit"};
    for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
        mnuFileItem[i] = &AddMenu("mnuFileItem", kItems[i], mnuFile, i);
    }
    mnuQuar = &AddMenu("mnuQuar", "&Quarantine");
    mnuQuarItem[0] = &AddMenu("mnuQuarItem", "View Quarantine", mnuQuar, 0);
    mnuQuarItem[1] = &AddMenu("mnuQuarItem", "View Exclusions", mnuQuar, 1);
    mnuQuarItem[2] = &AddMenu("mnuQuarItem", "Restore or delete quarantined items...", mnuQuar, 2);
    mnuLanguage = &AddMenu("mnuLanguage", "&Language");
    mnuLanguageItem = &AddMenu("mnuLanguageItem", "Change Language", mnuLanguage);
    mnuHelp = &AddMenu("mnuHelp", "&Help");
    mnuHelpItem[kHelpContents] = &AddMenu("mnuHelpItem", "Help Topics", mnuHelp, kHelpContents);
    mnuHelpItem[kHelpAbout] = &AddMenu("mnuHelpItem", "About", mnuHelp, kHelpAbout);
}

void FrmMain::BuildScanPage() {
    frmScan = &Page(*this, "frmScan", "Scan");
    const int width = kPage.width - 32;
    lblPercentageCompleted = &AddLabel("lblPercentageCompleted", "", {16, 52, width, 22}, frmScan);
    lblPercentageCompleted->SetLook(Look::Heading);
    lblStatus0 = &AddLabel("lblStatus", "", {16, 76, width, 34}, frmScan, 0);
    lblStatus0->wordWrap = false;
    pb1 = &AddProgressBar("pb1", {16, 114, width, 14}, frmScan);
    pb2 = &AddProgressBar("pb2", {16, 134, width, 14}, frmScan);

    const auto counter = [this](const char* titleName, const char* title, const char* valueName,
                                int index) -> Label* {
        const int column = index % 2;
        const int top = 160 + (index / 2) * 24;
        const int left = 16 + column * 280;
        AddLabel(titleName, title, {left, top, 190, 20}, frmScan).SetLook(Look::Muted);
        Label& value = AddLabel(valueName, "0", {left + 194, top, 80, 20}, frmScan);
        value.SetLook(Look::Strong);
        return &value;
    };
    lblMemoryInspected =
        counter("lblMemoryInspectedTitle", "Cookies and programs:", "lblMemoryInspected", 0);
    lblRegistryInspected =
        counter("lblRegistryInspectedTitle", "Registry entries:", "lblRegistryInspected", 1);
    lblFilesFolderInspected =
        counter("lblFilesFolderInspectedTitle", "Files and folders:", "lblFilesFolderInspected", 2);
    lblTotalNoOfRunningItems = counter("lblTotalNoOfRunningItemsTitle",
                                       "Running programs:", "lblTotalNoOfRunningItems", 3);
    lblSoftwareFound = counter("lblSoftwareFoundTitle", "Threats found:", "lblSoftwareFound", 4);
    lbltracesFound = counter("lbltracesFoundTitle", "Traces found:", "lbltracesFound", 5);

    lvwSpywareFound = &AddListView("lvwSpywareFound", {16, 238, width, 150}, frmScan);
    lvwSpywareFound->showHeaders = false;
    lvwSpywareFound->AddColumn("Found", width - 24);

    const int buttons = 400;
    cmdScanNow = &AddButton("cmdScanNow", "Start", {16, buttons, 110, 30}, frmScan);
    cmdScanNow->isDefault = true;
    cmdPause = &AddButton("cmdPause", "Pause", {134, buttons, 110, 30}, frmScan);
    cmdStop = &AddButton("cmdStop", "Stop", {252, buttons, 110, 30}, frmScan);
    cmdPause->SetEnabled(false);
    cmdStop->SetEnabled(false);
    cmdLog = &AddButton("cmdLog", "View Log", {width - 84, 10, 100, 28}, frmScan);
    cmdRemove =
        &AddButton("cmdRemove", "Click Here to Continue", {width - 184, buttons, 200, 30}, frmScan);
    cmdRemove->SetVisible(false);

    lblStart = &AddSkinLabel("lblStart", "Start", {0, 0, 0, 0}, frmScan);
    lblStop = &AddSkinLabel("lblStop", "Stop", {0, 0, 0, 0}, frmScan);
    lblPause = &AddSkinLabel("lblPause", "Pause", {0, 0, 0, 0}, frmScan);
    for (Label* label : {lblStart, lblStop, lblPause}) {
        label->SetVisible(false);
    }
}

void FrmMain::BuildTimers() {
    tmrScroll = &AddTimer("tmrScroll", 200, true);
    tmrScheduler = &AddTimer("tmrScheduler", 10, true);
    tmrCheckHomePage = &AddTimer("tmrCheckHomePage", 5000, true);
    tmrMemoryInspected = &AddTimer("tmrMemoryInspected", 10000, true);
    timUpdate = &AddTimer("timUpdate", 1000, false);
    tmrTimeOut = &AddTimer("tmrTimeOut", 30000, true);
}

void FrmMain::BuildStatusPage() {
    frmStatus = &Page(*this, "frmStatus", "Status");
    const auto row = [this](const char* titleName, const char* title, const char* valueName,
                            int index) -> Label* {
        const int top = 60 + index * 28;
        AddLabel(titleName, title, {16, top, 200, 22}, frmStatus).SetLook(Look::Muted);
        Label& value = AddLabel(valueName, "", {224, top, 340, 22}, frmStatus);
        value.SetLook(Look::Strong);
        return &value;
    };
    lblDefCount = row("lblDefCountTitle", "Definitions installed:", "lblDefCount", 0);
    lblDefVersion = row("lblDefVersionTitle", "Definitions dated:", "lblDefVersion", 1);
    lblVersion = row("lblVersionTitle", "Program version:", "lblVersion", 2);
    lblLastScan = row("lblLastScanTitle", "Last scan:", "lblLastScan", 3);
    lblLastFullScan = row("lblLastFullScanTitle", "Last complete scan:", "lblLastFullScan", 4);
    lblDefRemoved = row("lblDefRemovedTitle", "Threats removed:", "lblDefRemoved", 5);

    AddLabel("lblProtectionTitle", "Real-time protection", {16, 250, 400, 22}, frmStatus)
        .SetLook(Look::Heading);
    AddLabel("lblHomePageShieldTitle", "Home page shield", {16, 280, 200, 22}, frmStatus)
        .SetLook(Look::Muted);
    chkHomePage = &AddCheckBox("chkHomePage", "Enable", {224, 278, 200, 24}, frmStatus);
    AddLabel("lblMemoryShieldTitle", "Memory shield", {16, 308, 200, 22}, frmStatus)
        .SetLook(Look::Muted);
    chkAutoProtect = &AddCheckBox("chkAutoProtect", "Enable", {224, 306, 200, 24}, frmStatus);
    AddLabel("lblBrowserShieldTitle", "Browser policy shield", {16, 336, 200, 22}, frmStatus)
        .SetLook(Look::Muted);
    chkBrowserShield = &AddCheckBox("chkBrowserShield", "Enable", {224, 334, 200, 24}, frmStatus);

    lblViewLogFile = &AddSkinLabel("lblViewLogFile", "Show Report", {16, 378, 200, 22}, frmStatus);
}

void FrmMain::BuildResultsPage() {
    frmResults = &Page(*this, "frmResults", "Results");
    const int width = kPage.width - 32;
    ListView& found = AddListView("lvwPicRemoveListOfSpywareFoundAndToBeRemoved",
                                  {16, 56, width, 266}, frmResults);
    found.checkBoxes = true;
    found.AddColumn("Spyware/Adware Found", 200);
    found.AddColumn("Location", 240);
    found.AddColumn("Type", 100);
    lvwPicRemoveListOfSpywareFoundAndToBeRemoved = &found;

    constexpr int kButtonRow = 330;
    AddLabel("lblRemovePicSoftwareFoundTitle", "Threats found:", {16, kButtonRow + 4, 110, 22},
             frmResults)
        .SetLook(Look::Muted);
    lblRemovePicSoftwareFound =
        &AddLabel("lblRemovePicSoftwareFound", "0", {128, kButtonRow + 4, 60, 22}, frmResults);
    lblRemovePicSoftwareFound->SetLook(Look::Strong);
    cmdSelectAll =
        &AddButton("cmdSelectAll", "Select All", {width - 312, kButtonRow, 100, 28}, frmResults);
    cmdExclude =
        &AddButton("cmdExclude", "Exclude", {width - 204, kButtonRow, 100, 28}, frmResults);
    Command4 = &AddButton("Command4", "Delete", {width - 96, kButtonRow, 100, 28}, frmResults);
    // The removal's own clickable label; the Delete button carries the click
    // here, after its question.
    lblRemove = &AddSkinLabel("lblRemove", "Remove", {0, 0, 0, 0}, frmResults);
    lblRemove->SetVisible(false);

    // The traces behind the rows: kept in lists the user does not see.
    ListView& registry = AddListView("lvwRegistryToBeDeleted", {0, 0, 10, 10}, frmResults);
    for (const char* column : {"Main Key", "KeyValue", "Value", "SpywareName"}) {
        registry.AddColumn(column, 100);
    }
    ListView& files = AddListView("lvwFilesToBeDeleted", {0, 0, 10, 10}, frmResults);
    files.AddColumn("Path", 200);
    files.AddColumn("SpywareName", 100);
    ListView& cookies = AddListView("lvwCookiesToDelete", {0, 0, 10, 10}, frmResults);
    cookies.AddColumn("Cookie Name", 200);
    cookies.AddColumn("CookieLocation", 200);
    for (ListView* hidden : {&registry, &files, &cookies}) {
        hidden->checkBoxes = true;
        hidden->SetVisible(false);
    }
    lvwRegistryToBeDeleted = &registry;
    lvwFilesToBeDeleted = &files;
    lvwCookiesToDelete = &cookies;

    lblDeletingCaption = &AddLabel("lblDeletingCaption", "", {16, 370, width, 20}, frmResults);
    lblDeletingCaption->wordWrap = false;
    pgbDeleteSpywaresFound =
        &AddProgressBar("pgbDeleteSpywaresFound", {16, 392, width, 18}, frmResults);
    lblDeletingPercentageCompleted =
        &AddLabel("lblDeletingPercentageCompleted", "", {16, 414, width, 20}, frmResults);
    for (Control* control :
         {static_cast<Control*>(lblDeletingCaption), static_cast<Control*>(pgbDeleteSpywaresFound),
          static_cast<Control*>(lblDeletingPercentageCompleted)}) {
        control->SetVisible(false);
    }
}

void FrmMain::BuildOptionsPage() {
    frmOptions = &Page(*this, "frmOptions", "Options");
    TabStrip1 =
        &AddTabStrip("TabStrip1", {12, 36, kPage.width - 24, kPage.height - 48}, frmOptions);
    for (const char* tab : {"Protection", "Scanning", "Schedule", "General"}) {
        TabStrip1->AddTab(tab);
    }
    for (int i = 0; i < static_cast<int>(frmView.size()); ++i) {
        frmView[i] = &AddFrame("frmView", "", kTabArea, frmOptions, i);
        frmView[i]->border = false;
        frmView[i]->SetVisible(i == 0);
    }
    BuildProtectionTab(*frmView[0]);
    BuildScanningTab(*frmView[1]);
    BuildScheduleTab(*frmView[2]);
    BuildGeneralTab(*frmView[3]);
}

void FrmMain::BuildProtectionTab(Frame& tab) {
    const int width = kTabArea.width - 16;
    Frame& homePage = AddFrame("fraHomePageShield", "Home page shield", {8, 8, width, 176}, &tab);
    optIEHomePageSheildOn =
        &AddOptionButton("optIEHomePageSheildOn", "Enabled", {16, 28, 140, 22}, &homePage);
    optIEHomePageSheildOff =
        &AddOptionButton("optIEHomePageSheildOff", "Disabled", {170, 28, 140, 22}, &homePage);
    optIEHomePageSheildOn->group = optIEHomePageSheildOff->group = "homePageShield";
    AddLabel("lblRestoreModeTitle", "When the home page has been changed:", {16, 64, 400, 20},
             &homePage)
        .SetLook(Look::Muted);
    optAlwaysnotifybeforerestoring =
        &AddOptionButton("optAlwaysnotifybeforerestoring", "Ask me what I would like to do",
                         {32, 88, 420, 22}, &homePage);
    optRestoredefaultwithoutnotification =
        &AddOptionButton("optRestoredefaultwithoutnotification",
                         "Silently restore my original home page", {32, 116, 420, 22}, &homePage);
    optAlwaysnotifybeforerestoring->group = optRestoredefaultwithoutnotification->group =
        "restoreMode";

    Frame& memory = AddFrame("fraMemoryShield", "Memory shield", {8, 196, width, 64}, &tab);
    optMemorySheildOn =
        &AddOptionButton("optMemorySheildOn", "Enabled", {16, 28, 140, 22}, &memory);
    optMemorySheildOff =
        &AddOptionButton("optMemorySheildOff", "Disabled", {170, 28, 140, 22}, &memory);

    // Guarded on the home page shield's tick, so only while that shield is on.
    Frame& browser =
        AddFrame("fraBrowserShield", "Browser policy shield (Chrome, Edge, Brave, Firefox)",
                 {8, 272, width, 64}, &tab);
    optBrowserShieldOn =
        &AddOptionButton("optBrowserShieldOn", "Enabled", {16, 28, 140, 22}, &browser);
    optBrowserShieldOff =
        &AddOptionButton("optBrowserShieldOff", "Disabled", {170, 28, 140, 22}, &browser);
}

void FrmMain::BuildScanningTab(Frame& tab) {
    AddLabel("lblScanTypeTitle", "Scan type", {8, 8, 240, 20}, &tab).SetLook(Look::Heading);
    optScanOnlyKnownSoftwares =
        &AddOptionButton("optScanOnlyKnownSoftwares", "Quick Scan", {16, 34, 240, 22}, &tab);
    optScanAllSelectedHardDrive = &AddOptionButton("optScanAllSelectedHardDrive",
                                                   "Complete System Scan", {16, 60, 240, 22}, &tab);
    lvwHardDrives = &AddListView("lvwHardDrives", {280, 34, 200, 120}, &tab);
    lvwHardDrives->checkBoxes = true;
    lvwHardDrives->AddColumn("Drives", 170);

    AddLabel("lblScanPartsTitle", "What to scan", {8, 170, 240, 20}, &tab).SetLook(Look::Heading);
    chkSweepMemory =
        &AddCheckBox("chkSweepMemory", "Scan Proccesses and Files", {16, 196, 440, 22}, &tab);
    chkScanRegistry =
        &AddCheckBox("chkScanRegistry", "Scan Windows Registry", {16, 222, 440, 22}, &tab);
    chkScanCookies =
        &AddCheckBox("chkScanCookies", "Scan Internet Cookies", {16, 248, 440, 22}, &tab);
    chkMakeLog = &AddCheckBox("chkMakeLog", "Save scan results to log", {16, 284, 440, 22}, &tab);
}

void FrmMain::BuildScheduleTab(Frame& tab) {
    chkAutomaticScanYesOrNo =
        &AddCheckBox("chkAutomaticScanYesOrNo", "Enable Scheduled Scans", {8, 8, 440, 22}, &tab);
    AddLabel("lblScheduleDayTitle", "When:", {24, 44, 100, 20}, &tab).SetLook(Look::Muted);
    cmbDays = &AddComboBox("cmbDays", {130, 40, 180, 24}, &tab);
    for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
                            "Sunday", "Daily", "Date & Time", "Never"}) {
        cmbDays->AddItem(day);
    }
    AddLabel("lblScheduleDateTitle", "Date:", {24, 80, 100, 20}, &tab).SetLook(Look::Muted);
    dtpScheduleDate = &AddDateTimePicker("dtpScheduleDate", {130, 76, 180, 24}, &tab);
    AddLabel("lblScheduleTimeTitle", "Time:", {24, 116, 100, 20}, &tab).SetLook(Look::Muted);
    dtpScheduleTime = &AddDateTimePicker("dtpScheduleTime", {130, 112, 180, 24}, &tab);
    dtpScheduleTime->format = DateTimePicker::Format::Time;
    chkAutoDel = &AddCheckBox("chkAutoDel", "Delete spyware automatically after scheduled scan",
                              {8, 156, 460, 22}, &tab);
    CmdProceed = &AddButton("CmdProceed", "Apply", {8, 196, 100, 28}, &tab);
    CmdProceed->SetEnabled(false);
    cmdDefaultSetting = &AddButton("cmdDefaultSetting", "Reset", {116, 196, 100, 28}, &tab);
}

void FrmMain::BuildGeneralTab(Frame& tab) {
    chkRunAtStartup =
        &AddCheckBox("chkRunAtStartup", "Run at Startup and protect my computer automatically",
                     {8, 8, 480, 22}, &tab);
    chkAutomaticUpdate = &AddCheckBox(
        "chkAutomaticUpdate", "Enable automatic Live update (recommended)", {8, 44, 286, 22}, &tab);
    lblLastUpdate = &AddLabel("lblLastUpdate", "", {26, 70, 460, 20}, &tab);
    lblLastUpdate->SetLook(Look::Muted);
    cmdLiveUpdate = &AddButton("cmdLiveUpdate", "Run Live Update Now", {300, 40, 180, 28}, &tab);
    chkSendData =
        &AddCheckBox("chkSendData", "Send anonymous data to help identify unknown spyware",
                     {8, 106, 480, 22}, &tab);

    AddLabel("lblSubmitTitle", "Submit a suspicious file", {8, 150, 480, 20}, &tab)
        .SetLook(Look::Heading);
    AddLabel("lblSubmitHint",
             "You may submit the name of a file that you suspect to be spyware, so that it can "
             "be examined.",
             {26, 174, 460, 36}, &tab)
        .SetLook(Look::Muted);
    txtFilename = &AddTextBox("txtFilename", {26, 216, 340, 24}, &tab);
    cmdSubmit = &AddButton("cmdSubmit", "Submit", {376, 214, 104, 28}, &tab);
    Label26 = &AddLabel("Label26", "", {26, 250, 460, 52}, &tab);

    AddLabel("lblQuarantineTitle", "Quarantine", {8, 306, 480, 20}, &tab).SetLook(Look::Heading);
    chkPurgeQuarantine = &AddCheckBox("chkPurgeQuarantine", "Delete quarantined items after",
                                      {26, 332, 228, 22}, &tab);
    txtPurgeQuarantineDays = &AddTextBox("txtPurgeQuarantineDays", {258, 331, 52, 24}, &tab);
    txtPurgeQuarantineDays->SetEnabled(false);
    AddLabel("lblPurgeQuarantineDays", "days", {318, 334, 160, 20}, &tab);
}

}  // namespace ui
