#include "core/application.h"

#include "core/pages.h"
#include "core/startup.h"

namespace core {

Application::Application(platform::Platform& platformPorts)
    : ports(platformPorts), forms(platformPorts.eventLoop), frmSplash(forms), frmMain(forms) {
    AttachStartup(*this);
    AttachPageSwitching(*this);
}

Application::~Application() = default;

void Application::Start() {
    frmSplash.Show();
}

std::string Application::Message(std::string_view key) const {
    return Catalogue ? Catalogue->getMessages(key) : std::string();
}

}  // namespace core
