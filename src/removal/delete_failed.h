#pragma once

// "Delete Failed": the paths a removal could not delete, with a button that
// puts them on the clipboard for the user to keep.

namespace core {
class Application;
}

namespace removal {

// "Copy List": every row, each followed by a line end.
void CopyProblemList(core::Application& app);

// Attaches "Ok" and "Copy List".
void AttachDeleteFailedWindow(core::Application& app);

}  // namespace removal
