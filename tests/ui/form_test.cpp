#include <gtest/gtest.h>

#include "fakes/virtual_event_loop.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace ui {
namespace {

// Records what the model asks of its host, and plays a scripted user for
// modal windows.
class RecordingHost : public FormHost {
public:
    void FormLoaded(Form& form) override { events.push_back("loaded " + form.Name()); }
    void FormUnloaded(Form& form) override { events.push_back("unloaded " + form.Name()); }
    void FormChanged(Form& form, FormChange change) override {
        if (change == FormChange::Visible) {
            events.push_back((form.Visible() ? "shown " : "hidden ") + form.Name());
        }
    }
    void ControlChanged(Control& control, Change change, int) override {
        if (change == Change::Caption) {
            events.push_back("caption " + control.Name());
        }
    }
    void BusyPointerChanged(bool busy) override { events.push_back(busy ? "busy" : "arrow"); }
    void RunModal(Form& form) override {
        events.push_back("modal " + form.Name());
        if (onModal) {
            onModal(form);
        }
    }

    std::vector<std::string> events;
    std::function<void(Form&)> onModal;
};

class Forms : public ::testing::Test {
protected:
    Forms() { context.SetHost(&host); }

    fakes::VirtualEventLoop loop;
    FormContext context{loop};
    RecordingHost host;
};

TEST_F(Forms, ShowLoadsOnceAndRunsTheLoadEventBeforeShowing) {
    Form form(context, "frmSplash");
    int loads = 0;
    form.onLoad = [&] {
        ++loads;
        host.events.push_back("load event");
    };
    form.Show();
    form.Hide();
    form.Show();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(host.events,
              (std::vector<std::string>{"loaded frmSplash", "load event", "shown frmSplash",
                                        "hidden frmSplash", "shown frmSplash"}));
}

TEST_F(Forms, ChangesBeforeLoadingAreNotSentToTheHost) {
    Form form(context, "FrmMain");
    Label& label = form.AddLabel("lblVersion", "", {});
    label.SetCaption("1.0");
    form.Load();
    label.SetCaption("1.1");
    EXPECT_EQ(host.events, (std::vector<std::string>{"loaded FrmMain", "caption lblVersion"}));
}

TEST_F(Forms, QueryUnloadCanCancelAndUnloadRunsOtherwise) {
    Form form(context, "FrmMain");
    bool cancel = true;
    std::vector<UnloadMode> modes;
    int unloads = 0;
    form.onQueryUnload = [&](UnloadMode mode) {
        modes.push_back(mode);
        return cancel;
    };
    form.onUnload = [&] {
        ++unloads;
    };
    form.Show();
    EXPECT_FALSE(form.Unload(UnloadMode::ControlMenu));
    EXPECT_TRUE(form.IsLoaded());
    cancel = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(modes, (std::vector<UnloadMode>{UnloadMode::ControlMenu, UnloadMode::Code}));
    EXPECT_TRUE(form.Unload()) << "unloading an unloaded window does nothing";
    EXPECT_EQ(unloads, 1);
}

TEST_F(Forms, ModalShowReturnsWhenTheScriptedUserClosesTheWindow) {
    Form language(context, "frmLanguage");
    language.AddButton("Command2", "OK", {}).onClick = [&] {
        language.Unload();
    };
    host.onModal = [](Form& form) {
        form.Find("command2")->Click();
    };
    language.ShowModal();
    EXPECT_FALSE(language.IsLoaded());
    EXPECT_FALSE(language.IsModal());
    EXPECT_EQ(host.events, (std::vector<std::string>{"loaded frmLanguage", "modal frmLanguage",
                                                     "unloaded frmLanguage"}));
}

TEST_F(Forms, WindowStateChangesRunTheResizeEvent) {
    Form form(context, "FrmMain");
    std::vector<WindowState> seen;
    form.onResize = [&] {
        seen.push_back(form.State());
    };
    form.Show();
    form.SetWindowState(WindowState::Minimized);
    form.SetWindowState(WindowState::Minimized);
    form.ResizedByUser(WindowState::Maximized, 800, 600);
    // The first show runs the event too.
    EXPECT_EQ(seen, (std::vector<WindowState>{WindowState::Normal, WindowState::Minimized,
                                              WindowState::Maximized}));
    EXPECT_EQ(form.Width(), 800);
}

TEST_F(Forms, ControlsAreFoundByNameWithoutRegardToCaseAndByIndex) {
    Form form(context, "FrmMain");
    Menu& file = form.AddMenu("mnuFile", "&File");
    form.AddMenu("mnuFileItem", "Scan Now", &file, 0);
    Menu& separator = form.AddMenu("mnuFileItem", "-", &file, 1);
    EXPECT_EQ(form.Find("MNUFILEITEM", 1), &separator);
    EXPECT_EQ(form.Find("mnuFileItem"), nullptr) << "an array element needs its index";
    EXPECT_EQ(form.Find("mnufile"), &file);
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_EQ(separator.ParentMenu(), &file);
}

}  // namespace
}  // namespace ui
