// A library with no registration entry points at all.
#include <windows.h>

extern "C" __declspec(dllexport) int PlainLibraryValue() {
    return 7;
}
