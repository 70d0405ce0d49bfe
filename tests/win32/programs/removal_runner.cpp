// Runs one removal through the real adapters and ends, for the test that
// ends it at random moments. Usage:
//   removal_runner <data folder> <list file> [<event>]
// Each line of the list file is "F|<path>" for a file or folder row, or
// "C|<path>" for a cookie row; every row is checked. The named event, when
// given, is set when the removal begins.
#include <windows.h>

#include <fstream>
#include <string>

#include "app/program.h"
#include "core/application.h"
#include "platform/win32/platform_win32.h"
#include "removal/removal_run.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.DataFolder = argv[1];
    ui::FrmMain& main = app.frmMain;
    std::ifstream list(argv[2]);
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() < 3 || line[1] != '|') {
            continue;
        }
        const std::string path = line.substr(2);
        ui::ListView& names = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
        const int nameRow = names.AddItem(path);
        names.SetSubItem(nameRow, 1, path);
        names.SetChecked(nameRow, true);
        ui::ListView& traces =
            line[0] == 'C' ? *main.lvwCookiesToDelete : *main.lvwFilesToBeDeleted;
        const int row = traces.AddItem(path);
        traces.SetSubItem(row, 1, path);
        traces.SetChecked(row, true);
    }
    if (argc >= 4) {
        if (HANDLE started = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3])) {
            ::SetEvent(started);
            ::CloseHandle(started);
        }
    }
    removal::lblRemove_Click(app);
    return 0;
}
