#pragma once

// The language chooser: lists the languages of the localisation file and
// switches the program to the one the user picks.

namespace core {
class Application;
}

namespace i18n {

void AttachLanguageWindow(core::Application& app);

// Lists the file's languages, showing the stored one.
void FillLanguageList(core::Application& app);

}  // namespace i18n
