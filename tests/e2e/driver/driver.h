#pragma once

// Drives the program through its windows from another process, as a user
// would: finds its windows and controls by the names the view gives them,
// reads captions, clicks, picks tabs, answers message boxes and takes
// screenshots.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

using std::chrono::milliseconds;

inline constexpr milliseconds kDefaultTimeout{20000};

// The name the view gave a window ("FrmMain", "cmdScan", "frmView(1)"), or "".
[[nodiscard]] std::string IdentityOf(HWND window);

// A visible window of the form, of the given process (0: of any process).
[[nodiscard]] HWND FindForm(std::string_view formName, DWORD processId = 0,
                            milliseconds timeout = kDefaultTimeout);

// The control of that name (and "(index)" for an array element) in a form.
[[nodiscard]] HWND FindControl(HWND form, std::string_view identity);

[[nodiscard]] std::string TextOf(HWND window);
[[nodiscard]] bool IsShown(HWND window);

// Clicks a button, check box, option button or label.
bool Click(HWND control);
// Selects tab `tab` (from 1) of a tab strip, as a click on it would.
bool SelectTab(HWND tabStrip, int tab);
// Asks the window to close, as its close box would.
bool Close(HWND form);

// The entries of a drop-down list.
[[nodiscard]] std::vector<std::string> ComboItems(HWND combo);
// Picks the entry with this text, as the user would; false when it is not there.
bool SelectComboItem(HWND combo, std::string_view text);

// Chooses a menu command by the name of its entry ("mnuFileItem(8)").
bool ChooseMenu(HWND form, std::string_view entry);

// The rows of a list view, and the text of one cell.
[[nodiscard]] int ListItemCount(HWND list);
[[nodiscard]] std::string ListItemText(HWND list, int item, int subItem = 0);
// Sets a row's check box, as a click on it would.
bool CheckListItem(HWND list, int item, bool checked);

// A message box of the process (0: of any process).
[[nodiscard]] HWND FindMessageBox(DWORD processId = 0, milliseconds timeout = kDefaultTimeout);
[[nodiscard]] std::string MessageBoxText(HWND box);
// Presses a button of a message box by its command id (IDOK, IDYES, ...).
bool AnswerMessageBox(HWND box, int buttonId);

// Saves what the screen shows of the window (the whole screen for null) as a
// 24-bit BMP file. Returns the number of distinct colours seen, 0 on failure.
int SaveScreenshot(HWND window, const std::string& path);

// Waits until the condition holds, polling; false on time-out.
template <typename Condition>
bool WaitFor(Condition condition, milliseconds timeout = kDefaultTimeout) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
    while (!condition()) {
        if (::GetTickCount64() > end) {
            return false;
        }
        ::Sleep(50);
    }
    return true;
}

}  // namespace driver
