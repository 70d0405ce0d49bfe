#include "submit/process_names.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "definitions/line_code.h"
#include "submit/submission_url.h"
#include "update/http_transfer.h"

namespace submit {

namespace {

// Compared exactly, case included: "SVCHOST.EXE" is sent.
constexpr std::array<std::string_view, 8> kNotSent{
    "System",      "System Idle Process", "winlogon.exe", "services.exe",
    "svchost.exe", "explorer.exe",        "firefox.exe",  "iexplore.exe",
};

}  // namespace

std::string ListProcessNamesWmi(platform::Management& management) {
    const std::string objectPath = "winmgmts:\\\\" + base::Trim("localhost");
    const std::optional<std::vector<std::string>> names =
        management.QueryProperty(objectPath, "select * from Win32_Process", "Name");
    if (!names) {
        return {};
    }
    std::string data;
    for (const std::string& name : *names) {
        if (std::find(kNotSent.begin(), kNotSent.end(), name) != kNotSent.end()) {
            continue;
        }
        data += definitions::EncodeDefinitionLine(name);
        data += '|';
    }
    if (!data.empty()) {
        data.pop_back();
    }
    return data;
}

void SubmitProcessNames(core::Application& app) {
    const std::string data = ListProcessNamesWmi(app.ports.management);
    if (data.empty()) {
        return;
    }
    static_cast<void>(update::DownloadText(app.ports, SubmissionUrl(app, data)));
}

}  // namespace submit
