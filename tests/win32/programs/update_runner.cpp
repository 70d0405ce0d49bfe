// Runs one Live Update exchange through the real adapters and ends, for the
// test that ends it at random moments. Usage:
//   update_runner <data folder> <server address> [<event>]
// It takes the answers signed with the key of the fixture's servers.
// The named event, when given, is set when the exchange begins.
#include <windows.h>

#include "app/program.h"
#include "core/application.h"
#include "defserver_urls.h"
#include "platform/win32/platform_win32.h"
#include "update/definition_update.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.branding.ProgramName = "Update Runner";
    app.DataFolder = argv[1];
    app.PublisherKey = win32_tests::FixtureKey();
    app.WriteUserSetting("Settings", "DefinitionServer", argv[2]);
    if (argc >= 4) {
        if (HANDLE started = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3])) {
            ::SetEvent(started);
            ::CloseHandle(started);
        }
    }
    return update::RunDefinitionUpdate(app).changeCount > 0 ? 0 : 1;
}
