#pragma once

// The main window: a banner, the page buttons down the left side, and the
// four pages (status, scan, results, options) of which one is shown at a
// time. The options page holds a tab strip whose tabs show the frames of the
// frmView array. Subsystems add their own controls to the pages they own.

#include <array>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace ui {

class FrmMain : public Form {
public:
    explicit FrmMain(FormContext& context);

    // --- Banner and side bar.
    Label* Label22;  // the welcome text
    Label* lblHide;  // "X": closes the program without asking
    Shape* shpCircle;
    CommandButton* cmdStatus;
    CommandButton* cmdScan;
    CommandButton* cmdResults;
    CommandButton* cmdSettings;
    CommandButton* cmdUpdate;  // "Live Update"
    CommandButton* cmdWebsite;
    CommandButton* Command5;  // "Send to Tray"
    Label* lblExit;

    // --- Pages, and the second names they go by.
    Frame* frmStatus;
    Frame* frmScan;
    Frame* frmResults;
    Frame* frmOptions;
    Frame*& PicStartUp = frmStatus;
    Frame*& PicSweepNow = frmScan;
    Frame*& PicResults = frmResults;
    Frame*& PicOptions = frmOptions;
    // The navigation that the removal enables: the page buttons by second names.
    CommandButton*& lblSweepNow = cmdScan;
    CommandButton*& lblResult = cmdResults;
    CommandButton*& lblOptions = cmdSettings;

    // --- Status page.
    Label* lblDefCount;
    Label* lblDefVersion;
    Label* lblVersion;
    Label* lblLastScan;
    Label* lblLastFullScan;
    Label* lblDefRemoved;
    CheckBox* chkHomePage;
    CheckBox* chkAutoProtect;
    CheckBox* chkBrowserShield;
    Label* lblViewLogFile;  // "Show Report"

    // --- Scan page.
    Label* lblPercentageCompleted;  // the phase's title
    Label* lblStatus0;              // the progress line: lblStatus(0)
    ProgressBar* pb1;               // the phase
    ProgressBar* pb2;               // the whole run
    Label* lblMemoryInspected;
    Label* lblRegistryInspected;
    Label* lblFilesFolderInspected;
    Label* lblSoftwareFound;
    Label* lbltracesFound;
    Label* lblTotalNoOfRunningItems;
    ListView* lvwSpywareFound;
    CommandButton* cmdScanNow;  // "Start"
    CommandButton* cmdPause;
    CommandButton* cmdStop;
    CommandButton* cmdRemove;  // "Click Here to Continue"
    CommandButton* cmdLog;     // "View Log"
    // The scan page's clickable labels, which the skin offers beside the
    // buttons; they stay out of sight here, where the buttons carry the clicks.
    Label* lblStart;
    Label* lblStop;
    Label* lblPause;

    // --- Results page.
    ListView* lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    Label* lblRemovePicSoftwareFound;
    CommandButton* cmdSelectAll;
    CommandButton* cmdExclude;
    CommandButton* Command4;  // "Delete"
    Label* lblRemove;         // "Remove": starts the removal without asking
    // The traces behind the rows of the removal list, one row per trace.
    ListView* lvwRegistryToBeDeleted;
    ListView* lvwFilesToBeDeleted;
    ListView* lvwCookiesToDelete;
    ProgressBar* pgbDeleteSpywaresFound;
    Label* lblDeletingPercentageCompleted;
    Label* lblDeletingCaption;

    // --- Options page: its tabs and the frames they show (tab i shows
    // frmView(i - 1)).
    TabStrip* TabStrip1;
    std::array<Frame*, 4> frmView;

    // Protection tab.
    OptionButton* optIEHomePageSheildOn;
    OptionButton* optIEHomePageSheildOff;
    OptionButton* optAlwaysnotifybeforerestoring;
    OptionButton* optRestoredefaultwithoutnotification;
    OptionButton* optMemorySheildOn;
    OptionButton* optMemorySheildOff;
    OptionButton* optBrowserShieldOn;
    OptionButton* optBrowserShieldOff;

    // Scanning tab.
    OptionButton* optScanOnlyKnownSoftwares;
    OptionButton* optScanAllSelectedHardDrive;
    ListView* lvwHardDrives;
    CheckBox* chkSweepMemory;
    CheckBox* chkScanRegistry;
    CheckBox* chkScanCookies;
    CheckBox* chkMakeLog;

    // Schedule tab.
    CheckBox* chkAutomaticScanYesOrNo;
    ComboBox* cmbDays;
    DateTimePicker* dtpScheduleDate;
    DateTimePicker* dtpScheduleTime;
    CheckBox* chkAutoDel;
    CommandButton* CmdProceed;         // "Apply"
    CommandButton* cmdDefaultSetting;  // "Reset"

    // General tab.
    CheckBox* chkRunAtStartup;
    CheckBox* chkAutomaticUpdate;
    CommandButton* cmdLiveUpdate;  // "Run Live Update Now"
    Label* lblLastUpdate;
    CheckBox* chkSendData;
    TextBox* txtFilename;  // the name of a suspicious file, to submit by hand
    CommandButton* cmdSubmit;
    Label* Label26;  // how the submission went
    // Quarantined items older than the number of days are deleted at start-up.
    CheckBox* chkPurgeQuarantine;
    TextBox* txtPurgeQuarantineDays;

    // --- The File menu: "Scan Now", "View Log", "Run Live Update",
    // "Minimize to Tray" and "Exit", with separators between them.
    Menu* mnuFile;
    std::array<Menu*, 9> mnuFileItem;
    static constexpr int kFileScanNow = 0;
    static constexpr int kFileViewLog = 2;
    static constexpr int kFileRunLiveUpdate = 4;
    static constexpr int kFileMinimizeToTray = 6;
    static constexpr int kFileExit = 8;

    // --- The Quarantine menu: "View Quarantine", "View Exclusions" and the
    // quarantine window.
    Menu* mnuQuar;
    std::array<Menu*, 3> mnuQuarItem;
    static constexpr int kQuarView = 0;
    static constexpr int kQuarExclusions = 1;
    static constexpr int kQuarRestoreOrDelete = 2;

    // --- The Language menu: "Change Language" opens the language chooser.
    Menu* mnuLanguage;
    Menu* mnuLanguageItem;

    // --- The Help menu: the help file and the about window.
    Menu* mnuHelp;
    std::array<Menu*, 2> mnuHelpItem;
    static constexpr int kHelpContents = 0;
    static constexpr int kHelpAbout = 1;

    // --- Timers.
    Timer* tmrScroll;
    Timer* tmrScheduler;
    Timer* tmrCheckHomePage;
    Timer* tmrMemoryInspected;
    Timer* timUpdate;
    Timer* tmrTimeOut;

    // Geometry shared by the builders of the pages.
    static constexpr int kWidth = 780;
    static constexpr int kHeight = 540;
    static constexpr int kBannerHeight = 64;
    static constexpr Bounds kPage{184, kBannerHeight + 12, kWidth - 184 - 12,
                                  kHeight - kBannerHeight - 24};
    // The area inside a tab of the options page, relative to the page.
    static constexpr Bounds kTabArea{16, 64, kPage.width - 32, kPage.height - 84};

private:
    void BuildSideBar();
    void BuildMenu();
    void BuildTimers();
    void BuildStatusPage();
    void BuildScanPage();
    void BuildResultsPage();
    void BuildOptionsPage();
    void BuildProtectionTab(Frame& tab);
    void BuildScanningTab(Frame& tab);
    void BuildScheduleTab(Frame& tab);
    void BuildGeneralTab(Frame& tab);
};

}  // namespace ui
