#pragma once

// A machine of fakes with the program on it: start it, restart it as another
// run, and read what it stored.

#include <gtest/gtest.h>

#include <optional>

#include "app/program.h"
#include "core/application.h"
#include "core/machine_settings.h"
#include "core/user_settings.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_form_host.h"

namespace core::testing {

class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        // The folders that every profile has.
        machine.fileSystem.AddDirectory("C:\\Users\\alice\\AppData\\Roaming");
        NewRun();
    }

    // A new run of the program on the same machine.
    void NewRun() {
        app.reset();
        app.emplace(machine.ports);
        app::AttachProgram(*app);
        app->forms.SetHost(&host);
        // Whatever key this build carries, a test chooses its own.
        app->PublisherKey.reset();
    }

    // Starts the program and lets the splash window run its course.
    void StartProgram() {
        app->Start();
        machine.eventLoop.Advance(std::chrono::milliseconds(200));
    }

    void RunAgain() {
        NewRun();
        StartProgram();
    }

    std::string SettingsKey(std::string_view section) const {
        return std::string(kUserSettingsRoot) + "\\" + machine.programFile.version.productName +
               "\\" + std::string(section);
    }

    std::optional<std::string> UserSetting(std::string_view section, std::string_view key) const {
        return machine.registry.String(platform::RegistryRoot::CurrentUser, SettingsKey(section),
                                       key);
    }

    void SetUserSetting(std::string_view section, std::string_view key, std::string_view value) {
        machine.registry.SetString(platform::RegistryRoot::CurrentUser, SettingsKey(section), key,
                                   value);
    }

    std::optional<std::string> MachineSetting(std::string_view key) const {
        return machine.registry.String(
            platform::RegistryRoot::LocalMachine,
            MachineSettingsKey(machine.programFile.version.companyName,
                               machine.programFile.version.productName, "Settings"),
            key);
    }

    // A standard user of a copy that the setup program installed: the
    // machine-wide store and the program's folder refuse writes, but the
    // setup opened the program's machine key to every user.
    void ModelInstalledForStandardUser() {
        machine.ModelStandardUser();
        machine.registry.Grant(
            platform::RegistryRoot::LocalMachine,
            MachineSettingsKey(machine.programFile.version.companyName,
                               machine.programFile.version.productName, "Settings"),
            platform::reg_access::kSetValue);
    }

    ui::FrmMain& Main() { return app->frmMain; }

    std::string DataFile(std::string_view name) const {
        return "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT\\" + std::string(name);
    }

    fakes::FakePlatform machine;
    fakes::ScriptedFormHost host;
    std::optional<Application> app;
};

}  // namespace core::testing
