#include <gtest/gtest.h>

#include "fakes/virtual_event_loop.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"

namespace ui {
namespace {

class Controls : public ::testing::Test {
protected:
    fakes::VirtualEventLoop loop;
    FormContext context{loop};
    Form form{context, "FrmMain"};
};

TEST_F(Controls, CheckBoxRunsItsHandlerOnlyWhenItsValueChanges) {
    CheckBox& box = form.AddCheckBox("chkMakeLog", "Save", {});
    int clicks = 0;
    box.onClick = [&] {
        ++clicks;
    };
    box.SetValue(0);
    EXPECT_EQ(clicks, 0);
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(clicks, 1);
    box.UserToggle();
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, SelectingAnOptionClearsItsGroupWithoutRunningTheirHandlers) {
    Frame& frame = form.AddFrame("frmShield", "", {});
    OptionButton& on = form.AddOptionButton("optOn", "On", {}, &frame);
    OptionButton& off = form.AddOptionButton("optOff", "Off", {}, &frame);
    OptionButton& elsewhere = form.AddOptionButton("optOther", "Other", {});
    std::vector<std::string> ran;
    on.onClick = [&] {
        ran.push_back("on");
    };
    off.onClick = [&] {
        ran.push_back("off");
    };
    elsewhere.SetValue(true);

    on.SetValue(true);
    off.SetValue(true);

    EXPECT_FALSE(on.Value());
    EXPECT_TRUE(off.Value());
    EXPECT_TRUE(elsewhere.Value()) << "a button of another container is not in the group";
    EXPECT_EQ(ran, (std::vector<std::string>{"on", "off"}));
}

TEST_F(Controls, SelectingASelectedOptionRunsItsHandlerAgain) {
    OptionButton& quick = form.AddOptionButton("optQuick", "Quick", {});
    int clicks = 0;
    quick.onClick = [&] {
        ++clicks;
    };
    quick.SetValue(true);
    quick.SetValue(true);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, ClearingAnOptionRunsNothing) {
    OptionButton& quick = form.AddOptionButton("optQuick", "Quick", {});
    quick.SetValue(true);
    int clicks = 0;
    quick.onClick = [&] {
        ++clicks;
    };
    quick.SetValue(false);
    EXPECT_FALSE(quick.Value());
    EXPECT_EQ(clicks, 0);
}

TEST_F(Controls, NamedGroupsSpanContainers) {
    Frame& a = form.AddFrame("a", "", {});
    Frame& b = form.AddFrame("b", "", {});
    OptionButton& first = form.AddOptionButton("optA", "", {}, &a);
    OptionButton& second = form.AddOptionButton("optB", "", {}, &b);
    first.group = second.group = "mode";
    first.SetValue(true);
    second.SetValue(true);
    EXPECT_FALSE(first.Value());
}

TEST_F(Controls, ListViewCheckMarksSetByCodeAreSilentAndByTheUserAreNot) {
    ListView& list = form.AddListView("lvwHardDrives", {});
    list.checkBoxes = true;
    std::vector<int> checked;
    list.onItemCheck = [&](int row) {
        checked.push_back(row);
    };
    list.AddItem("C");
    list.AddItem("D");
    list.SetChecked(0, true);
    EXPECT_TRUE(checked.empty());
    list.UserSetChecked(1, true);
    EXPECT_EQ(checked, std::vector<int>{1});
    EXPECT_TRUE(list.Item(1).checked);
}

TEST_F(Controls, ListViewRowsKeepTheirSubItemsAndIcons) {
    ListView& list = form.AddListView("lvwFound", {});
    const int row = list.AddItem("Evil", 3);
    list.SetSubItem(row, 2, "Adware");
    EXPECT_EQ(list.Item(row).SubItem(1), "");
    EXPECT_EQ(list.Item(row).SubItem(2), "Adware");
    EXPECT_EQ(list.Item(row).SubItem(3), "");
    EXPECT_EQ(list.Item(row).smallIcon, 3);
    list.AddItem("Other");
    list.RemoveItem(0);
    EXPECT_EQ(list.Item(0).text, "Other");
    list.RemoveItem(5);  // out of range: nothing happens
    list.SetSubItem(9, 1, "x");
    EXPECT_EQ(list.ItemCount(), 1);
}

TEST_F(Controls, TabStripRunsItsHandlerWhenAnotherTabIsSelected) {
    TabStrip& tabs = form.AddTabStrip("TabStrip1", {});
    tabs.AddTab("One");
    tabs.AddTab("Two");
    int clicks = 0;
    tabs.onClick = [&] {
        ++clicks;
    };
    EXPECT_EQ(tabs.SelectedTab(), 1);
    tabs.SetSelectedTab(1);
    tabs.SetSelectedTab(2);
    tabs.SetSelectedTab(3);
    EXPECT_EQ(tabs.SelectedTab(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tabs.TabCaption(7), "");
}

TEST_F(Controls, ComboBoxSelectionRunsTheHandlerButSettingTheTextDoesNot) {
    ComboBox& days = form.AddComboBox("cmbDays", {});
    days.AddItem("Monday");
    days.AddItem("Daily");
    int clicks = 0;
    days.onClick = [&] {
        ++clicks;
    };
    days.SetListIndex(1);
    EXPECT_EQ(days.Text(), "Daily");
    days.SetText("Monday");
    EXPECT_EQ(days.ListIndex(), 0);
    days.SetText("Choose Language Here");
    EXPECT_EQ(days.ListIndex(), -1);
    days.SetListIndex(5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, PickerCanHoldNoValueAndReportsChanges) {
    DateTimePicker& picker = form.AddDateTimePicker("dtpScheduleTime", {});
    int changes = 0;
    picker.onChange = [&] {
        ++changes;
    };
    picker.SetValue(platform::DateTime{2026, 1, 2, 3, 4, 5, 5});
    picker.SetValue(std::nullopt);
    picker.SetValue(std::nullopt);
    EXPECT_FALSE(picker.Value().has_value());
    EXPECT_EQ(changes, 2);
}

TEST_F(Controls, ProgressBarClampsToItsRange) {
    ProgressBar& bar = form.AddProgressBar("pb1", {});
    bar.SetValue(150);
    EXPECT_EQ(bar.Value(), 100);
    bar.SetValue(-5);
    EXPECT_EQ(bar.Value(), 0);
    bar.SetValue(40);
    bar.SetMax(10);
    EXPECT_EQ(bar.Value(), 10);
}

TEST_F(Controls, TextBoxReportsChangesAndKeys) {
    TextBox& box = form.AddTextBox("txtFilename", {});
    int changes = 0;
    int lastKey = 0;
    box.onChange = [&] {
        ++changes;
    };
    box.onKeyPress = [&](int key) {
        lastKey = key;
    };
    box.SetText("a");
    box.SetText("a");
    box.KeyPress(13);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lastKey, 13);
}

TEST_F(Controls, ControlsKnowWhetherTheyShowThroughTheirContainers) {
    Frame& page = form.AddFrame("frmScan", "Scan", {});
    Label& label = form.AddLabel("lblStatus", "0", {}, &page, 0);
    EXPECT_TRUE(label.VisibleOnWindow());
    page.SetVisible(false);
    EXPECT_TRUE(label.Visible());
    EXPECT_FALSE(label.VisibleOnWindow());
    EXPECT_EQ(label.Identity(), "lblStatus(0)");
}

}  // namespace
}  // namespace ui
