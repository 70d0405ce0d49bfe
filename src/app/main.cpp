// The composition root: builds the real ports and the view, hands them to
// the application, and runs the message loop until the program ends.

#include <windows.h>

#include <commctrl.h>

#include "app/com_apartment.h"
#include "app/program.h"
#include "core/application.h"
#include "platform/win32/event_loop_win32.h"
#include "platform/win32/platform_win32.h"
#include "ui/win32/view.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    app::ComApartment com;

    platform::win32::Win32Platform platform;
    platform.SetComSecurity();
    core::Application application(platform.Ports());
    app::AttachProgram(application);
    // The small icons of the finding lists, by kind: cookie, registry entry,
    // file, folder, excluded finding.
    ui::win32::View view(instance,
                         {"ICO_COOKIE", "ICO_REGISTRY", "ICO_FILE", "ICO_FOLDER", "ICO_EXCLUDED"});
    application.forms.SetHost(&view);
    platform.Loop().preTranslate = [&view](MSG& message) {
        return view.PreTranslate(message);
    };

    application.Start();
    const int exitCode = platform.Loop().Run();

    platform.Loop().preTranslate = nullptr;
    application.forms.SetHost(nullptr);
    return exitCode;
}
