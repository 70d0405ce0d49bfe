// A program that only waits: one of the many a real machine runs, for the
// background benchmark's memory shield to look through.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::Sleep(INFINITE);
    return 0;
}
