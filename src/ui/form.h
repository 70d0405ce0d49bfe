#pragma once

// A window of the headless model: a name, a caption, an ordered list of
// controls, a window state, and the load, show, hide and unload life cycle
// with its events. Behaviour attaches handlers to a window's events and
// controls; a host (the Win32 view) shows it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_loop.h"
#include "ui/control.h"
#include "ui/form_host.h"

namespace ui {

class CheckBox;
class ComboBox;
class CommandButton;
class DateTimePicker;
class Frame;
class Image;
class Label;
class ListBox;
class ListView;
class Menu;
class OptionButton;
class ProgressBar;
class Shape;
class TabStrip;
class TextBox;
class Timer;

enum class WindowState { Normal, Minimized, Maximized };

enum class BorderStyle { Sizable, Fixed, FixedToolWindow, None };

// Why a window is being unloaded.
enum class UnloadMode {
    ControlMenu = 0,  // the user closed it
    Code = 1,         // the program unloaded it
    WindowsSession = 2,
    TaskManager = 3,
};

// What every window shares: the event loop that drives its timers and the
// host that shows it.
class FormContext {
public:
    explicit FormContext(platform::EventLoop& loop) : m_loop(loop) {}

    [[nodiscard]] platform::EventLoop& Loop() const noexcept { return m_loop; }
    [[nodiscard]] FormHost* Host() const noexcept { return m_host; }
    void SetHost(FormHost* host) noexcept { m_host = host; }

    // The hourglass over every window of the program while long work runs.
    [[nodiscard]] bool BusyPointer() const noexcept { return m_busyPointer; }
    void SetBusyPointer(bool busy);

private:
    platform::EventLoop& m_loop;
    FormHost* m_host = nullptr;
    bool m_busyPointer = false;
};

class Form {
public:
    Form(FormContext& context, std::string name);
    virtual ~Form();

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    [[nodiscard]] const std::string& Name() const noexcept { return m_name; }
    [[nodiscard]] platform::EventLoop& Loop() const noexcept { return m_context.Loop(); }
    [[nodiscard]] FormContext& Context() const noexcept { return m_context; }

    [[nodiscard]] const std::string& Caption() const noexcept { return m_caption; }
    void SetCaption(std::string caption);

    // --- Controls, in the window's own order.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>>& Controls() const noexcept {
        return m_controls;
    }
    // The control of that name (compared without regard to case) and index,
    // or the control that a second name stands for.
    [[nodiscard]] Control* Find(std::string_view name, std::optional<int> index = {}) const;
    // Lets code reach a control by a second name as well.
    void AddAlias(std::string alias, Control& control);
    [[nodiscard]] std::vector<Control*> ControlsOfType(ControlType type) const;

    Label& AddLabel(std::string name, std::string caption, Bounds bounds,
                    Control* container = nullptr, std::optional<int> index = {});
    Label& AddSkinLabel(std::string name, std::string caption, Bounds bounds,
                        Control* container = nullptr, std::optional<int> index = {});
    CommandButton& AddButton(std::string name, std::string caption, Bounds bounds,
                             Control* container = nullptr, std::optional<int> index = {});
    Frame& AddFrame(std::string name, std::string caption, Bounds bounds,
                    Control* container = nullptr, std::optional<int> index = {});
    CheckBox& AddCheckBox(std::string name, std::string caption, Bounds bounds,
                          Control* container = nullptr, std::optional<int> index = {});
    OptionButton& AddOptionButton(std::string name, std::string caption, Bounds bounds,
                                  Control* container = nullptr, std::optional<int> index = {});
    TextBox& AddTextBox(std::string name, Bounds bounds, Control* container = nullptr,
                        std::optional<int> index = {});
    ComboBox& AddComboBox(std::string name, Bounds bounds, Control* container = nullptr,
                          std::optional<int> index = {});
    ListBox& AddListBox(std::string name, Bounds bounds, Control* container = nullptr,
                        std::optional<int> index = {});
    ListView& AddListView(std::string name, Bounds bounds, Control* container = nullptr,
                          std::optional<int> index = {});
    TabStrip& AddTabStrip(std::string name, Bounds bounds, Control* container = nullptr,
                          std::optional<int> index = {});
    ProgressBar& AddProgressBar(std::string name, Bounds bounds, Control* container = nullptr,
                                std::optional<int> index = {});
    DateTimePicker& AddDateTimePicker(std::string name, Bounds bounds, Control* container = nullptr,
                                      std::optional<int> index = {});
    Image& AddImage(std::string name, std::string icon, Bounds bounds, Control* container = nullptr,
                    std::optional<int> index = {});
    Shape& AddShape(std::string name, Bounds bounds, Control* container = nullptr);
    Menu& AddMenu(std::string name, std::string caption, Menu* parentMenu = nullptr,
                  std::optional<int> index = {});
    Timer& AddTimer(std::string name, int intervalMs, bool enabled);

    // --- Life cycle.
    [[nodiscard]] bool IsLoaded() const noexcept { return m_loaded; }
    // Loads the window (running its Load event) when it is not loaded yet.
    void Load();
    // Loads the window if needed and makes it visible, unless its Load event
    // hid it (a program that starts in the tray). The first show after a load
    // runs the Resize event.
    void Show();
    // Shows the window modally; returns when it is hidden or unloaded.
    void ShowModal();
    void Hide();
    // Runs QueryUnload (which may cancel) and Unload, then drops the window.
    // Returns false when the unload was cancelled.
    bool Unload(UnloadMode mode = UnloadMode::Code);

    [[nodiscard]] bool Visible() const noexcept { return m_visible; }
    [[nodiscard]] bool IsModal() const noexcept { return m_modal; }

    [[nodiscard]] WindowState State() const noexcept { return m_state; }
    // Sets the window state and runs the Resize event.
    void SetWindowState(WindowState state);
    // The view reports a state or size change made by the user.
    void ResizedByUser(WindowState state, int width, int height);

    // Size of the window's client area in pixels.
    [[nodiscard]] int Width() const noexcept { return m_width; }
    [[nodiscard]] int Height() const noexcept { return m_height; }
    void SetSize(int width, int height);

    // Where the window's top-left corner stands on the screen, in pixels.
    // A window that has been moved is no longer centred on the screen.
    [[nodiscard]] int Left() const noexcept { return m_left; }
    [[nodiscard]] int Top() const noexcept { return m_top; }
    void Move(int left, int top);

    // Suspends (true) or resumes (false) the painting of the window.
    void SetRedrawLocked(bool locked);
    [[nodiscard]] bool RedrawLocked() const noexcept { return m_redrawLocked; }
    void BringToFront();
    void Refresh();

    // Whether the program shows in the task list while this window is open.
    [[nodiscard]] bool ShownInTaskList() const noexcept { return m_shownInTaskList; }
    void SetShownInTaskList(bool shown);

    // The mouse moved over the window itself (not over a control).
    void MouseMove(const MouseEvent& event);

    BorderStyle borderStyle = BorderStyle::Fixed;
    // A coloured strip across the top of the window, in pixels (a look hint).
    int bannerHeight = 0;
    bool centerOnScreen = true;
    bool topMost = false;
    // Shown without taking the focus from the window the user works in, as
    // a notice that slides in from the edge of the screen is.
    bool showWithoutActivating = false;
    [[nodiscard]] const std::string& IconResource() const noexcept { return m_iconResource; }
    // Sets the window's icons from the icon resource of that name.
    void SetIconResource(std::string name);

    std::function<void()> onLoad;
    // Returns true to cancel the unload.
    std::function<bool(UnloadMode)> onQueryUnload;
    std::function<void()> onUnload;
    std::function<void()> onResize;
    std::function<void(const MouseEvent&)> onMouseMove;
    // Mouse activity over the notification-area icon that this window shows,
    // as the mouse message's number.
    std::function<void(int mouseMessage)> onTrayMessage;

    // The view's own slot: the window that shows this form.
    void* viewData = nullptr;

    // Called by controls when they change.
    void ControlChanged(Control& control, Change change, int index);

private:
    template <typename T, typename... Args>
    T& AddControl(Args&&... args);
    void NotifyHost(FormChange change);

    FormContext& m_context;
    std::string m_name;
    std::string m_caption;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::pair<std::string, Control*>> m_aliases;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_hiddenWhileLoading = false;
    bool m_shownSinceLoad = false;
    bool m_visible = false;
    bool m_modal = false;
    bool m_redrawLocked = false;
    bool m_shownInTaskList = true;
    WindowState m_state = WindowState::Normal;
    std::string m_iconResource;
    int m_width = 400;
    int m_height = 300;
    int m_left = 0;
    int m_top = 0;
};

}  // namespace ui
