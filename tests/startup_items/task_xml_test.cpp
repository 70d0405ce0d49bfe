#include "startup_items/task_xml.h"

#include <gtest/gtest.h>

namespace startup_items {
namespace {

TEST(TaskXml, EveryExecActionIsReadWithItsArgumentsDecoded) {
    const std::string xml =
        "<?xml version=\"1.0\"?><Task><Triggers><TimeTrigger><Repetition><Interval>PT1H"
        "</Interval></Repetition></TimeTrigger><LogonTrigger><Repetition><Interval>PT5M"
        "</Interval></Repetition></LogonTrigger></Triggers><Actions Context=\"Author\">"
        "<Exec><Command>mshta.exe</Command><Arguments>&quot;http://x.example/?a=1&amp;b=2&quot;"
        "</Arguments></Exec><ComHandler><ClassId>{X}</ClassId></ComHandler>"
        "<Exec>\r\n  <Command> C:\\Tools\\a.exe </Command>\r\n</Exec></Actions></Task>";
    const std::vector<platform::TaskProgram> programs = ExecActionsInTaskXml(xml);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].path, "mshta.exe");
    EXPECT_EQ(programs[0].arguments, "\"http://x.example/?a=1&b=2\"");
    EXPECT_EQ(programs[1].path, "C:\\Tools\\a.exe");
    EXPECT_EQ(programs[1].arguments, "");
    EXPECT_EQ(ShortestIntervalInTaskXml(xml), 5u);
}

TEST(TaskXml, BrokenDefinitionsAndDurationsGiveNothing) {
    EXPECT_TRUE(ExecActionsInTaskXml("<Task><Exec><Command>a.exe").empty());
    EXPECT_TRUE(ExecActionsInTaskXml("<Executable><Command>a.exe</Command></Executable>").empty());
    EXPECT_EQ(ShortestIntervalInTaskXml("<Interval>PT0M</Interval><Interval>5M</Interval>"), 0u);
    EXPECT_EQ(DurationMinutes("PT1H30M"), 90u);
    EXPECT_EQ(DurationMinutes("PT30S"), 1u);
    EXPECT_EQ(DurationMinutes("P1D"), 1440u);
    EXPECT_EQ(DurationMinutes("PT5X"), 0u);
}

}  // namespace
}  // namespace startup_items
