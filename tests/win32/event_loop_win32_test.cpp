#include "platform/win32/event_loop_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

namespace platform::win32 {
namespace {

using std::chrono::milliseconds;

TEST(EventLoopWin32, AYieldAfterAPauseRunsWhatIsDue) {
    EventLoopWin32 loop;
    int ticks = 0;
    const EventLoop::TimerId id = loop.StartTimer(milliseconds(1), [&] { ++ticks; });
    // Yields in quick succession look at the queue once per time slice; the
    // first one after a pause always does.
    for (int attempt = 0; attempt < 20 && ticks == 0; ++attempt) {
        ::Sleep(30);
        loop.YieldToMessageLoop();
    }
    EXPECT_GT(ticks, 0);
    loop.StopTimer(id);
    const int stopped = ticks;
    ::Sleep(30);
    loop.YieldToMessageLoop();
    EXPECT_EQ(ticks, stopped);
}

TEST(EventLoopWin32, AQuitSeenByAYieldIsLeftForTheOuterLoop) {
    EventLoopWin32 loop;
    loop.Quit(7);
    ::Sleep(30);
    loop.YieldToMessageLoop();
    EXPECT_EQ(loop.Run(), 7);
}

}  // namespace
}  // namespace platform::win32
