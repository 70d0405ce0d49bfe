#pragma once

// The manual submission: the user types the name of a suspicious file into
// txtFilename and sends it with "Submit" or Enter; Label26 tells how it went.

namespace core {
class Application;
}

namespace submit {

// Sends the box's text, shows the outcome in Label26 and clears the box.
void cmdSubmit_Click(core::Application& app);

// Enter (13) submits; other keys type as usual.
void txtFilename_KeyPress(core::Application& app, int keyAscii);

}  // namespace submit
