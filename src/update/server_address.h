#pragma once

// The base addresses ("http://host[:port]", no trailing "/") of the servers
// the program talks to. Each is the per-user setting of its name in the
// section "Settings" when that is set, else the build's address; the
// language and data servers fall back to the definitions server, which
// answers their requests too.

#include <string>

namespace core {
class Application;
}

namespace update {

[[nodiscard]] std::string DefinitionServer(const core::Application& app);
[[nodiscard]] std::string LanguageServer(const core::Application& app);
[[nodiscard]] std::string DataServer(const core::Application& app);

}  // namespace update
