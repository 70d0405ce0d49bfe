#include "update/server_address.h"

#include <string_view>

#include "base/text.h"
#include "core/application.h"

namespace update {

namespace {

// The setting, else the build's address; "" when neither is set.
std::string Configured(const core::Application& app, std::string_view setting,
                       std::string_view builtIn) {
    std::string server = base::Trim(app.ReadUserSetting("Settings", setting, ""));
    if (server.empty()) {
        server = base::Trim(builtIn);
    }
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    return server;
}

}  // namespace

std::string DefinitionServer(const core::Application& app) {
    return Configured(app, "DefinitionServer", DEFINITIONS_SERVER);
}

std::string LanguageServer(const core::Application& app) {
    std::string server = Configured(app, "LanguageServer", LANGUAGE_SERVER);
    return server.empty() ? DefinitionServer(app) : server;
}

std::string DataServer(const core::Application& app) {
    std::string server = Configured(app, "DataServer", DATA_SERVER);
    return server.empty() ? DefinitionServer(app) : server;
}

}  // namespace update
