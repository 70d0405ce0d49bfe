#pragma once

// The main window shows one page at a time; the page buttons and the options
// page's tab strip switch between them.

namespace core {

class Application;

// Hides the four pages.
void HideAllPages(Application& app);

// Attaches the page buttons' and the tab strip's handlers.
void AttachPageSwitching(Application& app);

}  // namespace core
