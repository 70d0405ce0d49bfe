#pragma once

// How the view names its windows so that another process (the test driver)
// can find them: every window of a form and of each of its controls carries a
// window property holding a global atom of its name ("FrmMain", "cmdScan",
// "frmView(1)"). Global atoms are shared by all processes of the session, so
// the name can be read back with GlobalGetAtomName.

namespace ui::win32 {

inline constexpr char kIdentityProperty[] = "ModelIdentity";
inline constexpr char kFormClass[] = "ModelForm";
inline constexpr char kFrameClass[] = "ModelFrame";
inline constexpr char kOwnerClass[] = "ModelOwner";

// Another process cannot read a window's menu, so menu commands are reached
// by name: this registered message, posted to a form's window with the
// global atom of a menu entry's name ("mnuFileItem(8)") as its wParam,
// chooses that entry as a click on it would.
inline constexpr char kChooseMenuMessage[] = "ModelChooseMenu";

}  // namespace ui::win32
