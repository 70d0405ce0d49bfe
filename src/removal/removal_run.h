#pragma once

// The removal of the checked findings: the Delete button's question, then a
// run of two passes around a restore point that backs up and deletes the
// files, folders and cookies, deletes the registry entries, lists what is
// left and clears the removed rows.

namespace core {
class Application;
}

namespace removal {

// The Delete button: asks (unless a scheduled scan removes on its own), then
// runs the removal.
void Command4_Click(core::Application& app);

// The removal run itself, without a question; also the "Remove" label's click.
void lblRemove_Click(core::Application& app);

// Attaches the Delete button, the "Remove" label, the "Delete Failed"
// window's buttons and the Quarantine menu's "View Quarantine".
void AttachRemoval(core::Application& app);

}  // namespace removal
