#pragma once

// The home page shield: every five seconds the browser's start page is
// compared with the page the user wants, and a change is put to the user or
// undone, as the settings say. Its timer also drives the memory shield on
// every third tick.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace shields {

// Where the browser keeps its start page, under HKEY_CURRENT_USER.
inline constexpr std::string_view kStartPageKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr std::string_view kStartPageValue = "Start Page";

void tmrCheckHomePage_Timer(core::Application& app);

// Keeps the remembered page: stores it and writes it back as the start page.
void RestoreHomePage(core::Application& app);
// Makes the start page found the remembered one.
void AcceptHomePage(core::Application& app);

// The question of a change, as the alert window shows it.
[[nodiscard]] std::string HomePageQuestion(const core::Application& app);

void AttachHomePageShield(core::Application& app);

}  // namespace shields
