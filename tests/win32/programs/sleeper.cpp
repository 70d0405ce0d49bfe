// Stays running, with neither window nor console, until a test ends it. It
// gives up by itself after ten minutes so that an interrupted test run leaves
// nothing behind for long.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::Sleep(10 * 60 * 1000);
    return 0;
}
