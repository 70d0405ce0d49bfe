#pragma once

// The slide of Live Update's notice: up above the taskbar, seven seconds at
// rest, then down, where it closes as its OK button would.

namespace core {
class Application;
}

namespace shell {

void AttachUpdateNotice(core::Application& app);

}  // namespace shell
