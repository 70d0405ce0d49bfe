#pragma once

// The consent to the automatic submission: the check box chkSendData, whose
// user-made change is stored at once; turning it off is asked about first.

namespace core {
class Application;
}

namespace submit {

// Runs after the user's click has changed the box.
void chkSendData_MouseUp(core::Application& app);

}  // namespace submit
