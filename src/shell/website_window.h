#pragma once

// The website window: opens the program's website in the browser and
// unloads itself a second later.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace shell {

void AttachWebsiteWindow(core::Application& app);

// The address that the browser is asked to open for a website text.
[[nodiscard]] std::string WebsiteAddress(std::string_view website);

}  // namespace shell
