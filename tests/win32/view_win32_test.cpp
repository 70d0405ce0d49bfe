// The Win32 view against real windows and common controls: the model's
// changes reach the windows, and the user's input reaches the model.

#include "ui/win32/view.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "platform/win32/event_loop_win32.h"
#include "platform/win32/handles.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/frm_quarantine.h"
#include "ui/frm_restore_question.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/timer.h"
#include "ui/win32/window_identity.h"

namespace ui::win32 {
namespace {

HWND WindowOf(const Control& control) {
    return static_cast<HWND>(control.viewData);
}

std::string TextOf(HWND window) {
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string IdentityOf(HWND window) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::GetPropA(window, kIdentityProperty)));
    char name[256] = {};
    const UINT length = ::GlobalGetAtomNameA(atom, name, sizeof(name));
    return std::string(name, length);
}

// The DPI the user set for the screen, read where the system keeps it rather
// than from the view under test; 96 where it was never set.
int ScreenDpiSetting() {
    const std::pair<HKEY, const char*> places[] = {
        {HKEY_CURRENT_USER, "Control Panel\\Desktop"},
        {HKEY_LOCAL_MACHINE,
         "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"},
    };
    for (const auto& [root, path] : places) {
        DWORD dpi = 0;
        DWORD size = sizeof(dpi);
        if (::RegGetValueA(root, path, "LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi, &size) ==
                ERROR_SUCCESS &&
            dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return 96;
}

// A control's rectangle in its parent's client area.
RECT PlaceOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A control's font, selected into a device context of its window.
class ControlFontDc {
public:
    explicit ControlFontDc(HWND window)
        : m_window(window),
          m_dc(::GetDC(window)),
          m_font(m_dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0))) {}
    ~ControlFontDc() { ::ReleaseDC(m_window, m_dc); }
    ControlFontDc(const ControlFontDc&) = delete;
    ControlFontDc& operator=(const ControlFontDc&) = delete;

    [[nodiscard]] HDC Get() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
    platform::win32::SelectedObject m_font;
};

// The height of the font a control draws its text in.
int FontHeightOf(HWND window) {
    ControlFontDc dc(window);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmHeight;
}

// The width a control's one-line caption needs in its font.
int TextWidthOf(HWND window) {
    char text[256] = {};
    const int length = ::GetWindowTextA(window, text, sizeof(text));
    ControlFontDc dc(window);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc.Get(), text, length, &extent);
    return extent.cx;
}

int ColumnWidthOf(HWND list, int column) {
    return static_cast<int>(
        ::SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

class ViewWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
            GTEST_SKIP() << "no display";
        }
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
        ::InitCommonControlsEx(&controls);
        context.SetHost(&view);
    }

    void TearDown() override {
        form.Unload();
        Pump();
        context.SetHost(nullptr);
    }

    // Handles what the windows posted to themselves.
    void Pump(int milliseconds = 50) {
        const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        do {
            loop.YieldToMessageLoop();
            ::Sleep(5);
        } while (::GetTickCount64() < end);
    }

    // Sends a control's notification to its window, as the control would.
    void Notify(const Control& control, WORD code) {
        HWND window = WindowOf(control);
        ::SendMessageA(::GetParent(window), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window), code),
                       reinterpret_cast<LPARAM>(window));
    }

    platform::win32::EventLoopWin32 loop;
    FormContext context{loop};
    View view{::GetModuleHandleA(nullptr), {}};
    Form form{context, "frmTest"};
};

TEST_F(ViewWin32Test, WindowsCarryTheNamesOfTheirFormAndControls) {
    Frame& page = form.AddFrame("frmPage", "Page", {0, 0, 200, 100});
    form.AddLabel("lblStatus", "Ready", {10, 10, 100, 20}, &page, 0);
    form.Show();

    HWND window = view.HandleOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(IdentityOf(window), "frmTest");
    HWND label = WindowOf(*form.Find("lblStatus", 0));
    EXPECT_EQ(IdentityOf(label), "lblStatus(0)");
    EXPECT_EQ(TextOf(label), "Ready");
    EXPECT_EQ(::GetParent(label), WindowOf(page)) << "a control sits in its frame";
}

TEST_F(ViewWin32Test, ModelChangesReachTheWindows) {
    Label& label = form.AddLabel("lblCount", "0", {0, 0, 100, 20});
    CheckBox& box = form.AddCheckBox("chkLog", "Log", {0, 30, 100, 20});
    OptionButton& quick = form.AddOptionButton("optQuick", "Quick", {0, 60, 100, 20});
    OptionButton& full = form.AddOptionButton("optFull", "Full", {0, 90, 100, 20});
    ProgressBar& bar = form.AddProgressBar("pb1", {0, 120, 100, 20});
    TextBox& text = form.AddTextBox("txtStatus", {0, 150, 100, 20});
    form.Show();

    label.SetCaption("42");
    label.SetEnabled(false);
    box.SetValue(1);
    quick.SetValue(true);
    full.SetValue(true);
    bar.SetValue(37);
    text.SetText("Downloaded 100 bytes.");
    form.SetCaption("Scanner");

    EXPECT_EQ(TextOf(WindowOf(label)), "42");
    EXPECT_FALSE(::IsWindowEnabled(WindowOf(label)));
    EXPECT_EQ(::SendMessageA(WindowOf(box), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(WindowOf(quick), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageA(WindowOf(full), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(WindowOf(bar), PBM_GETPOS, 0, 0), 37);
    EXPECT_EQ(TextOf(WindowOf(text)), "Downloaded 100 bytes.");
    EXPECT_EQ(TextOf(view.HandleOf(form)), "Scanner");

    label.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(WindowOf(label)));
}

TEST_F(ViewWin32Test, UserInputReachesTheModel) {
    int clicks = 0;
    CommandButton& button = form.AddButton("cmdScan", "Scan", {0, 0, 80, 24});
    button.onClick = [&] {
        ++clicks;
    };
    CheckBox& box = form.AddCheckBox("chkLog", "Log", {0, 30, 100, 20});
    int boxClicks = 0;
    box.onClick = [&] {
        ++boxClicks;
    };
    OptionButton& quick = form.AddOptionButton("optQuick", "Quick", {0, 60, 100, 20});
    OptionButton& full = form.AddOptionButton("optFull", "Full", {0, 90, 100, 20});
    TextBox& text = form.AddTextBox("txtFilename", {0, 120, 100, 20});
    ComboBox& days = form.AddComboBox("cmbDays", {0, 150, 100, 20});
    days.AddItem("Monday");
    days.AddItem("Daily");
    TabStrip& tabs = form.AddTabStrip("TabStrip1", {0, 180, 200, 60});
    tabs.AddTab("One");
    tabs.AddTab("Two");
    quick.SetValue(true);
    form.Show();

    ::SendMessageA(WindowOf(button), BM_CLICK, 0, 0);
    ::SendMessageA(WindowOf(box), BM_CLICK, 0, 0);
    ::SendMessageA(WindowOf(full), BM_CLICK, 0, 0);
    ::SetWindowTextA(WindowOf(text), "evil.exe");
    ::SendMessageA(WindowOf(days), CB_SETCURSEL, 1, 0);
    Notify(days, CBN_SELCHANGE);
    ::SendMessageA(WindowOf(tabs), TCM_SETCURFOCUS, 1, 0);
    Pump();

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(boxClicks, 1);
    EXPECT_TRUE(full.Value());
    EXPECT_FALSE(quick.Value());
    EXPECT_EQ(::SendMessageA(WindowOf(quick), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(text.Text(), "evil.exe");
    EXPECT_EQ(days.ListIndex(), 1);
    EXPECT_EQ(tabs.SelectedTab(), 2);
}

TEST_F(ViewWin32Test, ACheckBoxsMouseUpSeesItsNewValueAndATextBoxGetsItsEnterKey) {
    CheckBox& box = form.AddCheckBox("chkSendData", "Send", {0, 0, 100, 20});
    box.SetValue(1);
    std::vector<int> valuesAtMouseUp;
    box.onMouseUp = [&](const MouseEvent&) {
        valuesAtMouseUp.push_back(box.Value());
    };
    TextBox& text = form.AddTextBox("txtFilename", {0, 30, 100, 20});
    std::vector<int> keys;
    text.onKeyPress = [&](int key) {
        keys.push_back(key);
    };
    form.Show();

    ::SendMessageA(WindowOf(box), BM_CLICK, 0, 0);
    ::SendMessageA(WindowOf(text), WM_CHAR, VK_RETURN, 1);
    Pump();
    EXPECT_EQ(valuesAtMouseUp, std::vector<int>{0});
    EXPECT_EQ(keys, std::vector<int>{13});
}

TEST_F(ViewWin32Test, ACheckBoxReportsTheUsersChangesByKeyAndMouseAndNothingElse) {
    CheckBox& box = form.AddCheckBox("chkSendData", "Send", {0, 0, 100, 20});
    std::vector<int> valuesAtChange;
    box.onUserChange = [&] {
        valuesAtChange.push_back(box.Value());
    };
    form.Show();
    HWND window = WindowOf(box);

    ::SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    box.SetValue(1);
    Pump();
    EXPECT_TRUE(valuesAtChange.empty()) << "a right click and code change nothing of the user's";

    ::SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(window, WM_KEYUP, VK_SPACE, 0);
    Pump();
    ::SendMessageA(window, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(valuesAtChange, (std::vector<int>{0, 1}));
    EXPECT_EQ(::SendMessageA(window, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ViewWin32Test, ListViewsShowColumnsRowsAndCheckMarks) {
    ListView& list = form.AddListView("lvwFound", {0, 0, 300, 200});
    list.checkBoxes = true;
    list.AddColumn("Spyware/Adware Found", 150);
    list.AddColumn("Location", 100);
    list.AddColumn("Type", 50);
    std::vector<int> userChecks;
    list.onItemCheck = [&](int row) {
        userChecks.push_back(row);
    };
    form.Show();

    const int row = list.AddItem("Evil", 3);
    list.SetSubItem(row, 1, "C:\\evil.exe");
    list.SetSubItem(row, 2, "Adware");
    list.AddItem("Other");
    list.SetChecked(1, true);
    list.SetColumnText(0, "Found");
    Pump();

    HWND window = WindowOf(list);
    EXPECT_EQ(::SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 2);
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ::SendMessageA(window, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "C:\\evil.exe");
    EXPECT_EQ(::SendMessageA(window, LVM_GETCOLUMNWIDTH, 1, 0), 100);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof(text);
    ::SendMessageA(window, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(text, "Found");
    EXPECT_EQ(::SendMessageA(window, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK),
              INDEXTOSTATEIMAGEMASK(2));
    EXPECT_TRUE(userChecks.empty()) << "checks made by code run no handler";

    // The user ticks the first row.
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(2);
    ::SendMessageA(window, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    Pump();
    EXPECT_EQ(userChecks, std::vector<int>{0});
    EXPECT_TRUE(list.Item(0).checked);

    list.RemoveItem(0);
    EXPECT_EQ(::SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 1);
    list.Clear();
    EXPECT_EQ(::SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ViewWin32Test, MenusMakeTheMenuBarAndTheirCommandsClick) {
    Menu& file = form.AddMenu("mnuFile", "&File");
    Menu& scan = form.AddMenu("mnuFileItem", "Scan Now", &file, 0);
    form.AddMenu("mnuFileItem", "-", &file, 1);
    Menu& exit = form.AddMenu("mnuFileItem", "Exit", &file, 2);
    int scans = 0;
    scan.onClick = [&] {
        ++scans;
    };
    form.Show();

    HMENU bar = ::GetMenu(view.HandleOf(form));
    ASSERT_NE(bar, nullptr);
    HMENU popup = ::GetSubMenu(bar, 0);
    ASSERT_EQ(::GetMenuItemCount(popup), 3);
    char text[64] = {};
    ::GetMenuStringA(popup, 2, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "Exit");

    ::SendMessageA(view.HandleOf(form), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(popup, 0), 0), 0);
    EXPECT_EQ(scans, 1);

    exit.SetEnabled(false);
    popup = ::GetSubMenu(::GetMenu(view.HandleOf(form)), 0);
    EXPECT_TRUE(::GetMenuState(popup, 2, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(ViewWin32Test, AModalWindowReturnsWhenItIsHiddenAndFreesTheOthers) {
    form.Show();
    Form dialog(context, "frmDialog");
    dialog.AddButton("Command2", "OK", {0, 0, 80, 24}).onClick = [&] {
        dialog.Hide();
    };
    bool ownerDisabledMeanwhile = false;
    const auto timer = loop.StartTimer(std::chrono::milliseconds(50), [&] {
        ownerDisabledMeanwhile = !::IsWindowEnabled(view.HandleOf(form));
        dialog.Find("Command2")->Click();
    });
    dialog.ShowModal();
    loop.StopTimer(timer);

    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(::IsWindowEnabled(view.HandleOf(form)));
    EXPECT_FALSE(dialog.Visible());
    dialog.Unload();
    Pump();
}

TEST_F(ViewWin32Test, AWindowMayUnloadItselfFromItsOwnHandler) {
    CommandButton& button = form.AddButton("Command1", "Close", {0, 0, 80, 24});
    button.onClick = [&] {
        form.Unload();
    };
    form.Show();
    HWND window = view.HandleOf(form);

    ::SendMessageA(WindowOf(button), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    Pump();
    EXPECT_FALSE(::IsWindow(window)) << "the window is destroyed once its handler is done";

    form.Show();  // and it can be loaded again
    EXPECT_TRUE(::IsWindowVisible(view.HandleOf(form)));
}

TEST_F(ViewWin32Test, WindowStateFollowsTheModelAndTheUser) {
    form.borderStyle = BorderStyle::Sizable;
    std::vector<WindowState> resizes;
    form.onResize = [&] {
        resizes.push_back(form.State());
    };
    form.Show();
    HWND window = view.HandleOf(form);

    form.SetWindowState(WindowState::Minimized);
    EXPECT_TRUE(::IsIconic(window));
    ::ShowWindow(window, SW_MAXIMIZE);
    Pump();
    EXPECT_EQ(form.State(), WindowState::Maximized);
    // The first show, the model's minimize and the user's maximize.
    ASSERT_GE(resizes.size(), 3u);
    EXPECT_EQ(resizes[0], WindowState::Normal);
    EXPECT_EQ(resizes[1], WindowState::Minimized);
    EXPECT_EQ(resizes.back(), WindowState::Maximized);
}

TEST_F(ViewWin32Test, ARedrawLockLeavesTheWindowVisibleOnceLifted) {
    form.Show();
    HWND window = view.HandleOf(form);
    form.SetRedrawLocked(true);
    form.SetRedrawLocked(false);
    EXPECT_TRUE(::IsWindowVisible(window));
    form.SetRedrawLocked(true);
    form.Hide();
    form.SetRedrawLocked(false);
    EXPECT_FALSE(::IsWindowVisible(window)) << "a window hidden meanwhile stays hidden";
    form.Show();
    EXPECT_TRUE(::IsWindowVisible(window));
}

TEST_F(ViewWin32Test, TimersTickThroughTheMessageLoop) {
    Timer& timer = form.AddTimer("tmrScroll", 20, true);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
    };
    form.Show();
    Pump(400);
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    const int stopped = ticks;
    Pump(200);
    EXPECT_EQ(ticks, stopped);
}

// Run at 96 DPI and at 144 (see the CMake file): a page of the main window's
// kinds of control, each sized at 96 DPI with a little room for its text.
TEST_F(ViewWin32Test, WindowsAreLaidOutAsAt96DpiOnlyLargerAndFollowAChangeOfDpi) {
    form.SetSize(420, 300);
    form.bannerHeight = 40;
    Label& banner = form.AddLabel("lblBanner", "Scanner", {10, 4, 140, 34});
    banner.SetLook(Look::Banner);
    CommandButton& nav = form.AddButton("cmdScan", "Scan", {10, 60, 90, 28});
    nav.SetLook(Look::Nav);
    Frame& page = form.AddFrame("frmScan", "Scan for threats", {110, 50, 300, 240});
    Label& status = form.AddLabel("lblStatus", "Scanning complete.", {12, 30, 150, 16}, &page, 0);
    Label& count = form.AddLabel("lblSoftwareFound", "1,234", {170, 30, 60, 16}, &page);
    count.SetLook(Look::Strong);
    CheckBox& box = form.AddCheckBox("chkLog", "Write a log", {12, 54, 130, 20}, &page);
    CommandButton& scan = form.AddButton("cmdScanNow", "Scan Now", {200, 54, 88, 26}, &page);
    ListView& list = form.AddListView("lvwFound", {12, 90, 276, 140}, &page);
    list.AddColumn("Found", 120);
    list.AddColumn("Location", 150);
    form.Show();
    Pump();

    const int dpi = ScreenDpiSetting();
    const std::vector<Control*> controls{&banner, &nav, &page, &status, &count, &box, &scan, &list};
    // Where each control's window is, and how large its letters, at `at`.
    const auto expectLaidOutAt = [&](int at) {
        for (const Control* control : controls) {
            HWND window = WindowOf(*control);
            const Bounds& bounds = control->Position();
            const RECT place = PlaceOf(window);
            SCOPED_TRACE(control->Identity() + " at " + std::to_string(at) + " DPI");
            EXPECT_NEAR(place.left, bounds.left * at / 96, 1);
            EXPECT_NEAR(place.top, bounds.top * at / 96, 1);
            EXPECT_NEAR(place.right - place.left, bounds.width * at / 96, 2);
            EXPECT_NEAR(place.bottom - place.top, bounds.height * at / 96, 2);
            if (control == &page || control == &list) {
                continue;
            }
            RECT client{};
            ::GetClientRect(window, &client);
            // A check box's text stands beside its box.
            const int room = control == &box ? client.right - 16 * at / 96 : client.right;
            EXPECT_LE(TextWidthOf(window), room) << "the text is clipped";
            EXPECT_LE(FontHeightOf(window), client.bottom) << "the text is clipped";
        }
        EXPECT_NEAR(ColumnWidthOf(WindowOf(list), 0), 120 * at / 96, 1);
        EXPECT_NEAR(ColumnWidthOf(WindowOf(list), 1), 150 * at / 96, 1);
    };

    RECT client{};
    ::GetClientRect(view.HandleOf(form), &client);
    EXPECT_NEAR(client.right, 420 * dpi / 96, 2);
    EXPECT_NEAR(client.bottom, 300 * dpi / 96, 2);
    expectLaidOutAt(dpi);
    std::vector<int> fontHeights;
    for (const Control* control : controls) {
        fontHeights.push_back(FontHeightOf(WindowOf(*control)));
    }

    // The window is moved to a monitor of twice the DPI; Windows suggests
    // its new rectangle, twice as large.
    const int doubled = dpi * 2;
    RECT suggested{};
    ::GetWindowRect(view.HandleOf(form), &suggested);
    suggested.right = suggested.left + (suggested.right - suggested.left) * 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 2;
    ::SendMessageA(view.HandleOf(form), WM_DPICHANGED, MAKEWPARAM(doubled, doubled),
                   reinterpret_cast<LPARAM>(&suggested));
    Pump();
    RECT moved{};
    ::GetWindowRect(view.HandleOf(form), &moved);
    EXPECT_EQ(moved.right - moved.left, suggested.right - suggested.left);
    expectLaidOutAt(doubled);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == &page) {
            continue;  // it draws its caption itself
        }
        EXPECT_NEAR(FontHeightOf(WindowOf(*controls[i])), fontHeights[i] * 2, 3)
            << controls[i]->Identity() << ": its letters grow with the window";
    }

    // The user widens a column: the model keeps it in its own pixels, as the
    // settings store it.
    ::SendMessageA(WindowOf(list), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(200 * doubled / 96, 0));
    Pump();
    EXPECT_NEAR(list.Column(1).width, 200, 1);
    EXPECT_EQ(list.Column(0).width, 120) << "a change of DPI is not the user's resizing";
}

// Run at 96 and at 144 DPI: the quarantine window with its list and buttons,
// none of its texts cut off, and the user's check mark frees its commands.
TEST_F(ViewWin32Test, TheQuarantineWindowIsRealisedWholeAndItsCommandsFollowTheChecksAtAnyDpi) {
    FrmQuarantine window(context);
    window.Show();
    window.SetRows({{"Evil", "File", "C:\\X\\evil.exe", "12/8/2026 10:00:00", "2 KB", false, "1"},
                    {"Tracker", "Registry value", "HKEY_CURRENT_USER\\Software\\Evil\\Tracker",
                     "12/8/2026 10:00:01", "", false, "3"}});
    Pump();

    HWND list = WindowOf(*window.lvwItems);
    ASSERT_TRUE(::IsWindowVisible(list));
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES);
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 5);
    for (const CommandButton* button : {window.cmdRestore, window.cmdDelete, window.cmdClose}) {
        HWND buttonWindow = WindowOf(*button);
        SCOPED_TRACE(button->Identity());
        ASSERT_TRUE(::IsWindowVisible(buttonWindow));
        EXPECT_EQ(TextOf(buttonWindow), button->Caption());
        RECT client{};
        ::GetClientRect(buttonWindow, &client);
        EXPECT_LE(TextWidthOf(buttonWindow), client.right) << "the text is clipped";
    }
    EXPECT_FALSE(::IsWindowEnabled(WindowOf(*window.cmdRestore)));
    EXPECT_FALSE(::IsWindowEnabled(WindowOf(*window.cmdDelete)));
    EXPECT_TRUE(::IsWindowEnabled(WindowOf(*window.cmdClose)));

    // The user ticks the second row.
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(2);
    ::SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(WindowOf(*window.cmdRestore)));
    EXPECT_TRUE(::IsWindowEnabled(WindowOf(*window.cmdDelete)));
    ASSERT_EQ(window.CheckedRows().size(), 1u);
    EXPECT_EQ(window.CheckedRows()[0].id, "3");
    window.Unload();
    Pump();
}

// The restore question answered as a user (or the test driver) does, by
// clicks posted to the real window: the check box's change reaches the model
// before Yes ends the modal loop.
TEST_F(ViewWin32Test, TheRestoreQuestionBringsBackTheUsersAnswerAndCheckMark) {
    form.Show();
    FrmRestoreQuestion question(context);
    question.Load();
    question.lblQuestion->SetCaption("Restore the checked items?");
    question.chkExclude->SetCaption("Add them to the exclusions");
    question.chkExclude->SetValue(1);
    Pump();
    EXPECT_EQ(::SendMessageA(WindowOf(*question.chkExclude), BM_GETCHECK, 0, 0), BST_CHECKED);
    ::PostMessageA(WindowOf(*question.chkExclude), BM_CLICK, 0, 0);
    ::PostMessageA(WindowOf(*question.cmdYes), BM_CLICK, 0, 0);

    EXPECT_TRUE(question.Ask());
    EXPECT_FALSE(question.chkExclude->Checked());
    EXPECT_TRUE(::IsWindowEnabled(view.HandleOf(form)));

    ::PostMessageA(WindowOf(*question.cmdNo), BM_CLICK, 0, 0);
    EXPECT_FALSE(question.Ask()) << "No is no, whatever Yes said before";
    question.Unload();
    Pump();
}

TEST_F(ViewWin32Test, DatePickersMayHoldNoValue) {
    DateTimePicker& picker = form.AddDateTimePicker("dtpScheduleDate", {0, 0, 150, 24});
    form.Show();
    SYSTEMTIME time{};

    picker.SetValue(platform::DateTime{2026, 12, 8, 0, 0, 0, 2});
    EXPECT_EQ(
        ::SendMessageA(WindowOf(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)),
        GDT_VALID);
    EXPECT_EQ(time.wYear, 2026);
    EXPECT_EQ(time.wDay, 8);

    picker.SetValue(std::nullopt);
    EXPECT_EQ(
        ::SendMessageA(WindowOf(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)),
        GDT_NONE);
}

}  // namespace
}  // namespace ui::win32
