#include "ui/timer.h"

#include <gtest/gtest.h>

#include "fakes/virtual_event_loop.h"
#include "ui/form.h"

namespace ui {
namespace {

using std::chrono::milliseconds;

class Timers : public ::testing::Test {
protected:
    fakes::VirtualEventLoop loop;
    FormContext context{loop};
    Form form{context, "frmSplash"};
};

TEST_F(Timers, RunOnlyWhileEnabledAndTheirWindowIsLoaded) {
    Timer& timer = form.AddTimer("Timer2", 2, true);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
    };
    loop.Advance(milliseconds(10));
    EXPECT_EQ(ticks, 0) << "not loaded yet";
    form.Load();
    loop.Advance(milliseconds(10));
    EXPECT_EQ(ticks, 5);
    timer.SetEnabled(false);
    loop.Advance(milliseconds(10));
    EXPECT_EQ(ticks, 5);
    timer.SetEnabled(true);
    form.Unload();
    loop.Advance(milliseconds(10));
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(loop.RunningTimers(), 0u);
}

TEST_F(Timers, FireInTimeOrderOnTheVirtualClock) {
    std::vector<std::string> order;
    form.AddTimer("slow", 30, true).onTimer = [&] {
        order.push_back("slow");
    };
    form.AddTimer("fast", 20, true).onTimer = [&] {
        order.push_back("fast");
    };
    form.Load();
    loop.Advance(milliseconds(60));
    // At 60 ms both are due; the one started first goes first.
    EXPECT_EQ(order, (std::vector<std::string>{"fast", "slow", "fast", "slow", "fast"}));
}

TEST_F(Timers, AHandlerCanStopItsOwnTimer) {
    Timer& timer = form.AddTimer("Timer2", 2, true);
    int counter = 0;
    timer.onTimer = [&] {
        counter += 2;
        if (counter == 150) {
            timer.SetEnabled(false);
        }
    };
    form.Load();
    loop.Advance(milliseconds(1000));
    EXPECT_EQ(counter, 150);
}

TEST_F(Timers, ATickThatArrivesWhileTheHandlerYieldsIsDropped) {
    Timer& timer = form.AddTimer("tmrCheckHomePage", 10, true);
    int entered = 0;
    int depth = 0;
    int deepest = 0;
    timer.onTimer = [&] {
        ++entered;
        ++depth;
        deepest = std::max(deepest, depth);
        loop.Advance(milliseconds(25));  // the handler yields while time passes
        --depth;
    };
    form.Load();
    loop.Advance(milliseconds(10));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(entered, 1);
}

TEST_F(Timers, ChangingTheIntervalRestartsTheCountdown) {
    Timer& timer = form.AddTimer("t", 100, true);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
    };
    form.Load();
    loop.Advance(milliseconds(90));
    timer.SetInterval(milliseconds(50));
    loop.Advance(milliseconds(40));
    EXPECT_EQ(ticks, 0);
    loop.Advance(milliseconds(10));
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace ui
