#pragma once

// The anonymous data submission's place in the program: the automatic
// submission command and the controls of the options page.

namespace core {
class Application;
}

namespace submit {

// Provides app.SubmitAnonymousData and attaches chkSendData, cmdSubmit and
// txtFilename.
void AttachDataSubmission(core::Application& app);

}  // namespace submit
