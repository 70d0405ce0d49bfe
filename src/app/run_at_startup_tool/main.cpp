// The composition root of the Run at Startup tool: the real ports and the
// view, the tool's window, and the message loop until that window closes.

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/event_loop_win32.h"
#include "platform/win32/platform_win32.h"
#include "startup_tool/run_at_startup_tool.h"
#include "ui/win32/view.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    platform::win32::Win32Platform platform;
    ui::FormContext forms(platform.Loop());
    ui::win32::View view(instance, {});
    forms.SetHost(&view);
    platform.Loop().preTranslate = [&view](MSG& message) {
        return view.PreTranslate(message);
    };

    // The program the tool serves is the one of this build, in its folder.
    startup_tool::RunAtStartupTool tool(platform.Ports(), forms, PROGRAM_BASE_NAME);
    tool.Start();
    const int exitCode = platform.Loop().Run();

    platform.Loop().preTranslate = nullptr;
    forms.SetHost(nullptr);
    return exitCode;
}
