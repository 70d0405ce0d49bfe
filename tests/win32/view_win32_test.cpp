// The Win32 view against real windows and common controls: the model's
// changes reach the windows, and the user's input reaches the model.

#include "ui/win32/view.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "platform/win32/event_loop_win32.h"
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
