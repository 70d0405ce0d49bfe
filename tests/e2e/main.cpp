// The end-to-end tests take the program to run and the folder for their
// screenshots on the command line.

#include <gtest/gtest.h>

#include <cstdio>

#include "program_under_test.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fputs("usage: e2e_tests <program.exe> <screenshot folder>\n", stderr);
        return 2;
    }
    e2e::SetBuiltProgram(argv[1]);
    e2e::SetScreenshotFolder(argv[2]);
    const int result = RUN_ALL_TESTS();
    e2e::CloseHelpWindows(e2e::HelpWindowTitle(e2e::BuiltProgram()));
    return result;
}
