#pragma once

// The Win32 view of the window model: real windows and common controls for
// every loaded form. All the program's windows are owned by one hidden
// window, which keeps them out of the task list unless a form asks to be
// shown there.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/form_host.h"
#include "ui/win32/theme.h"

namespace ui::win32 {

class FormWindow;

class View : public FormHost {
public:
    // `listIcons` names the icon resources of the list views' small icons,
    // in the order of the model's icon numbers (1, 2, ...).
    View(HINSTANCE instance, const std::vector<std::string>& listIcons);
    ~View() override;

    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void FormLoaded(Form& form) override;
    void FormUnloaded(Form& form) override;
    void FormChanged(Form& form, FormChange change) override;
    void ControlChanged(Control& control, Change change, int index) override;
    void RunModal(Form& form) override;
    void BusyPointerChanged(bool busy) override;
    [[nodiscard]] bool BusyPointer() const noexcept { return m_busyPointer; }

    // Keyboard navigation between the controls of the program's windows;
    // true when the message was handled.
    bool PreTranslate(MSG& message);

    // The top-level window of a loaded form, or null.
    [[nodiscard]] HWND HandleOf(const Form& form) const;

    [[nodiscard]] HINSTANCE Instance() const noexcept { return m_instance; }
    // The fonts and the list views' icons at a DPI, made when a window first
    // needs them and kept while the view lives, as windows keep using them.
    [[nodiscard]] const Theme& Look(int dpi);
    [[nodiscard]] HIMAGELIST SmallIcons(int dpi);
    // An icon resource at a size, or null when there is none.
    [[nodiscard]] HICON Icon(const std::string& name, int size);
    [[nodiscard]] HWND OwnerWindow() const noexcept { return m_owner.Get(); }

private:
    [[nodiscard]] FormWindow* WindowOf(const Form& form) const;
    [[nodiscard]] bool IsFormWindow(HWND window) const;
    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    std::vector<std::string> m_listIcons;
    std::map<int, std::unique_ptr<Theme>> m_themes;
    std::map<int, platform::win32::UniqueImageList> m_smallIcons;
    std::map<std::pair<std::string, int>, platform::win32::UniqueIcon> m_icons;
    platform::win32::UniqueWindow m_owner;
    std::vector<std::unique_ptr<FormWindow>> m_windows;
    // Windows of unloaded forms wait here until their own messages are done.
    std::vector<std::unique_ptr<FormWindow>> m_unloaded;
    bool m_busyPointer = false;
};

}  // namespace ui::win32
