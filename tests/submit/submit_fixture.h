#pragma once

// A started program whose data collection server is a scripted one.

#include <string>
#include <string_view>

#include "app/app_fixture.h"

namespace submit::testing {

inline constexpr std::string_view kDataServer = "http://data.test";

class SubmitFixture : public core::testing::AppFixture {
protected:
    SubmitFixture() {
        SetUserSetting("Settings", "Language", "English");
        SetUserSetting("Settings", "DataServer", std::string(kDataServer) + "/");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
        machine.dialogs.shown.clear();
        machine.http.requested.clear();
    }

    // The address of a submission whose data goes on the wire as given.
    static std::string Url(std::string_view wireData) {
        return std::string(kDataServer) + "/asp/getData.asp?data=" + std::string(wireData);
    }
};

}  // namespace submit::testing
