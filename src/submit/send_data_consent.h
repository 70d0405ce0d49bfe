#pragma once

// The consent to the automatic submission: the check box chkSendData, whose
// user-made change is stored at once; turning it off is asked about first.

namespace core {
class Application;
}

namespace submit {

// Runs after the user has changed the box, by the mouse or the keyboard. A
// release that changed nothing asks nothing: answering No to "turn off?"
// about a box that was off would switch the collection on.
void chkSendData_UserChange(core::Application& app);

}  // namespace submit
