// The driver as a command, for scripts: each command acts on the program's
// windows once and prints what it read. Exit code 0 on success, 1 when the
// window or control was not found, 2 on a usage error.
//
//   driver wait-form <Form> [timeout-ms]
//   driver caption <Form> [<control>]
//   driver click <Form> <control>
//   driver select-tab <Form> <control> <tab>
//   driver check <Form> <list> <row>              checks a list view's row (from 0)
//   driver select <Form> <control> <entry text>   picks an entry of a drop-down list
//   driver menu <Form> <entry>                    chooses a menu entry ("mnuFileItem(8)")
//   driver close <Form>
//   driver msgbox [timeout-ms]               prints the box's title, a tab, its text
//   driver answer <ok|cancel|abort|retry|ignore|yes|no> [timeout-ms]
//   driver screenshot <file.bmp> [<Form>]
//
// Put "--desktop <name>" first to act on a Wine desktop of that name
// ("explorer /desktop=<name>,<size> program.exe" starts a program in one).

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "driver/driver.h"

namespace {

driver::milliseconds TimeoutArg(int argc, char** argv, int index) {
    return index < argc ? driver::milliseconds(std::atoi(argv[index])) : driver::kDefaultTimeout;
}

int Usage() {
    std::fputs("usage: driver <command> ...; see the comment at the top of driver_main.cpp\n",
               stderr);
    return 2;
}

int NotFound(const std::string& what) {
    std::fprintf(stderr, "not found: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Lines end in LF alone, as the scripts that read them expect.
    _setmode(_fileno(stdout), _O_BINARY);
    // The program's windows and screenshots in the screen's own pixels, at
    // whatever DPI the screen is set to.
    ::SetProcessDPIAware();
    if (argc >= 3 && std::string(argv[1]) == "--desktop") {
        // The desktop comes into being with the program that is started in it.
        HDESK desktop = nullptr;
        driver::WaitFor([&] {
            desktop = ::OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
            return desktop != nullptr;
        });
        if (desktop == nullptr || !::SetThreadDesktop(desktop)) {
            return NotFound(std::string("desktop ") + argv[2]);
        }
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "wait-form" && argc >= 3) {
        return driver::FindForm(argv[2], 0, TimeoutArg(argc, argv, 3)) ? 0 : NotFound(argv[2]);
    }
    if (command == "msgbox" || command == "answer") {
        const int timeoutIndex = command == "msgbox" ? 2 : 3;
        HWND box = driver::FindMessageBox(0, TimeoutArg(argc, argv, timeoutIndex));
        if (box == nullptr) {
            return NotFound("message box");
        }
        if (command == "msgbox") {
            std::printf("%s\t%s\n", driver::TextOf(box).c_str(),
                        driver::MessageBoxText(box).c_str());
            return 0;
        }
        static const std::map<std::string, int> kButtons{
            {"ok", IDOK},         {"cancel", IDCANCEL}, {"abort", IDABORT}, {"retry", IDRETRY},
            {"ignore", IDIGNORE}, {"yes", IDYES},       {"no", IDNO}};
        const auto button = argc >= 3 ? kButtons.find(argv[2]) : kButtons.end();
        if (button == kButtons.end()) {
            return Usage();
        }
        return driver::AnswerMessageBox(box, button->second) ? 0 : NotFound(argv[2]);
    }
    if (command == "screenshot" && argc >= 3) {
        HWND form = argc >= 4 ? driver::FindForm(argv[3]) : nullptr;
        const int colours = driver::SaveScreenshot(form, argv[2]);
        std::printf("%d colours\n", colours);
        return colours > 0 ? 0 : 1;
    }
    if (argc < 3) {
        return Usage();
    }
    HWND form = driver::FindForm(argv[2]);
    if (form == nullptr) {
        return NotFound(argv[2]);
    }
    if (command == "close") {
        return driver::Close(form) ? 0 : 1;
    }
    if (command == "menu" && argc >= 4) {
        return driver::ChooseMenu(form, argv[3]) ? 0 : NotFound(argv[3]);
    }
    HWND control = argc >= 4 ? driver::FindControl(form, argv[3]) : form;
    if (control == nullptr) {
        return NotFound(argv[3]);
    }
    if (command == "caption") {
        std::printf("%s\n", driver::TextOf(control).c_str());
        return 0;
    }
    if (command == "click" && argc >= 4) {
        return driver::Click(control) ? 0 : 1;
    }
    if (command == "select" && argc >= 5) {
        return driver::SelectComboItem(control, argv[4]) ? 0 : NotFound(argv[4]);
    }
    if (command == "select-tab" && argc >= 5) {
        return driver::SelectTab(control, std::atoi(argv[4])) ? 0 : 1;
    }
    if (command == "check" && argc >= 5) {
        return driver::CheckListItem(control, std::atoi(argv[4]), true) ? 0 : 1;
    }
    return Usage();
}
