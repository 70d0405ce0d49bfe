#pragma once

// A stand-in for the screen: records which windows were shown modally and
// plays the user's part in them from a script, by window name.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/form_host.h"

namespace fakes {

class ScriptedFormHost : public ui::FormHost {
public:
    void FormLoaded(ui::Form&) override {}
    void FormUnloaded(ui::Form&) override {}
    void FormChanged(ui::Form&, ui::FormChange) override {}
    void ControlChanged(ui::Control&, ui::Change, int) override {}
    void BusyPointerChanged(bool busy) override { busyPointer = busy; }

    // Runs the window's script, if any; a window the script leaves open is
    // closed as its close box would.
    void RunModal(ui::Form& form) override {
        modalWindows.push_back(form.Name());
        const auto script = scripts.find(form.Name());
        if (script != scripts.end()) {
            script->second(form);
        }
        if (form.IsLoaded() && form.Visible()) {
            form.Unload(ui::UnloadMode::ControlMenu);
        }
    }

    std::map<std::string, std::function<void(ui::Form&)>> scripts;
    std::vector<std::string> modalWindows;
    bool busyPointer = false;
};

}  // namespace fakes
